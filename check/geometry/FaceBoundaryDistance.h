#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/SurfaceSampler.h"

namespace check {

// How far each sample lies from the boundary of its face, over the face: exactly to the
// boundary edges of its own triangle and of the triangles around it, and beyond them along a
// shortest path between triangle centres. A face's boundary is where its triangles meet
// another face's or none.
class FaceBoundaryDistance {
public:
    explicit FaceBoundaryDistance(const Part& part);

    std::vector<double> Of(const std::vector<SurfaceSample>& samples) const;

private:
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};
    // Per edge of a triangle: the same face's triangle across it, or kNone on the boundary.
    using Neighbours = std::array<std::uint32_t, 3>;

    double ToOwnEdges(std::uint32_t triangle, const Vec3& point) const;
    double Through(std::uint32_t triangle, const Vec3& point) const;

    const Part& m_part;
    std::vector<Vec3> m_centres;
    std::vector<Neighbours> m_neighbours;
    std::vector<double> m_centreDistance;
};

}  // namespace check
