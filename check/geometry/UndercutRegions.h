#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "check/geometry/MouldSides.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// Undercut faces that meet one another, and the side action that would release them.
struct UndercutRegion {
    // Ascending; the first face with the most unreached area is the main one.
    std::vector<std::uint32_t> faces;
    std::uint32_t mainFace = 0;
    double area = 0;  // unreached by either half, mm²
    // The direction from which most of the region is reached (a slide's or lifter's pull), and
    // its name ("+X", or its coordinates).
    Vec3 release;
    std::string releaseName;
    // How far the region lies inside the part along the release direction: the travel that
    // clears it, mm.
    double depth = 0;
    // The region's narrowest extent square to the release direction: the thickest die that
    // forms it, mm.
    double width = 0;
    // How far inside, along the release direction, lie the samples it does not reach: what the
    // die would have to reach behind material, mm (zero when it reaches them all).
    double overhang = 0;
};

// Groups the undercut faces into regions of faces that share edges and, for each, tries the
// axes and the directions square to the pull as its release.
class UndercutRegions {
public:
    UndercutRegions(const RayScene& scene, const Vec3& pull);

    std::vector<UndercutRegion> Find(const std::vector<SurfaceSample>& samples,
                                     const MouldSplit& split,
                                     const TriangleAdjacency& adjacency) const;

private:
    struct Release {
        Vec3 direction;
        std::string name;
    };
    static std::vector<Release> Releases(const Vec3& pull);
    // Per face, the number of its region, or kNone where it has no undercut.
    std::vector<std::uint32_t> Group(const MouldSplit& split,
                                     const TriangleAdjacency& adjacency) const;
    // Fills the region's release and measures from its unreached samples and, per sample, the
    // releases that reach it (bit k for m_releases[k]).
    void Measure(UndercutRegion& region, const std::vector<SurfaceSample>& samples,
                 const std::vector<std::size_t>& unreached,
                 const std::vector<std::uint32_t>& releasedBy) const;

    static constexpr std::uint32_t kNone = ~std::uint32_t{0};
    const RayScene& m_scene;
    const Part& m_part;
    MouldSides m_sides;
    std::vector<Release> m_releases;
    // Per release, how far the part reaches along it.
    std::vector<double> m_far;
};

}  // namespace check
