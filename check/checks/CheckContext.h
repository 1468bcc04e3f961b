#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "check/DocumentUnits.h"
#include "check/geometry/MouldSides.h"
#include "check/geometry/Part.h"
#include "check/geometry/RayScene.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/TriangleAdjacency.h"
#include "check/geometry/UndercutRegions.h"

namespace check {

// What the checks of one part share: the part, its samples and ray scene, the pull, the
// document's units, and the measurements more than one check reads, made on first use.
class CheckContext {
public:
    using Progress = std::function<void(double)>;

    CheckContext(const Part& part, const RayScene& scene, std::vector<SurfaceSample> samples,
                 const Vec3& pull, const DocumentUnits& units, Progress progress);

    const Part& GetPart() const { return m_part; }
    const DocumentUnits& Units() const { return m_units; }
    const std::vector<SurfaceSample>& Samples() const { return m_samples; }
    // The relative tolerance within which a reading counts as at its limit: the default, or
    // the doubt an STL's round-off puts on it where that is larger.
    double Tolerance() const { return m_tolerance; }

    // Per face, the mould half that forms it and its smallest draft.
    const std::vector<FaceSides>& Sides();
    // The undercut faces grouped into regions that meet, each with the side that releases it.
    const std::vector<UndercutRegion>& Undercuts();
    // Per sample, the wall thickness in millimetres (NaN where none was measured).
    const std::vector<double>& Thickness();
    // Which triangle lies across each edge of each triangle.
    const TriangleAdjacency& Adjacency();

private:
    void Report(double from, double share, std::size_t done, std::size_t total) const;

    const Part& m_part;
    const RayScene& m_scene;
    std::vector<SurfaceSample> m_samples;
    Vec3 m_pull;
    DocumentUnits m_units;
    Progress m_progress;
    double m_tolerance;
    std::optional<MouldSplit> m_split;
    std::optional<std::vector<UndercutRegion>> m_undercuts;
    std::optional<std::vector<double>> m_thickness;
    std::optional<TriangleAdjacency> m_adjacency;
};

}  // namespace check
