#include "check/checks/CheckContext.h"

#include <algorithm>

#include "check/checks/RuleLimit.h"
#include "check/geometry/MeshRoundOff.h"
#include "check/geometry/WallThickness.h"

namespace check {
namespace {

// The shares of the whole check the two measurements take, by the rays each casts.
constexpr double kSidesShare = 0.25;
constexpr double kThicknessShare = 0.75;

}  // namespace

CheckContext::CheckContext(const Part& part, const RayScene& scene,
                           std::vector<SurfaceSample> samples, const Vec3& pull,
                           const DocumentUnits& units, Progress progress)
    : m_part(part),
      m_scene(scene),
      m_samples(std::move(samples)),
      m_pull(pull),
      m_units(units),
      m_progress(std::move(progress)),
      m_tolerance(std::max(RuleLimit::kMeasuringTolerance, RelativeRoundOff(part))) {}

void CheckContext::Report(double from, double share, std::size_t done, std::size_t total) const {
    if (m_progress && total > 0) {
        m_progress(from + share * static_cast<double>(done) / static_cast<double>(total));
    }
}

const std::vector<FaceSides>& CheckContext::Sides() {
    if (!m_split) {
        m_split = MouldSides(m_scene, m_pull).Classify(m_samples, [this](auto done, auto total) {
            Report(0, kSidesShare, done, total);
        });
    }
    return m_split->faces;
}

const std::vector<UndercutRegion>& CheckContext::Undercuts() {
    if (!m_undercuts) {
        Sides();
        m_undercuts = UndercutRegions(m_scene, m_pull).Find(m_samples, *m_split, Adjacency());
    }
    return *m_undercuts;
}

const std::vector<double>& CheckContext::Thickness() {
    if (!m_thickness) {
        m_thickness = WallThickness(m_scene).Measure(
            m_samples, Adjacency(),
            [this](auto done, auto total) { Report(kSidesShare, kThicknessShare, done, total); });
    }
    return *m_thickness;
}

const TriangleAdjacency& CheckContext::Adjacency() {
    if (!m_adjacency) {
        m_adjacency.emplace(TriangleAdjacency::CornerPoints(m_part));
    }
    return *m_adjacency;
}

}  // namespace check
