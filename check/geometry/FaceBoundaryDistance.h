#pragma once

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
    struct Segment {
        Vec3 a, b;
    };
    double ToOwnEdges(std::uint32_t triangle, const Vec3& point) const;

    const Part& m_part;
    std::vector<Vec3> m_centres;
    // Per triangle: its boundary edges, its same-face neighbours, and its centre's distance.
    std::vector<std::vector<Segment>> m_boundary;
    std::vector<std::vector<std::uint32_t>> m_neighbours;
    std::vector<double> m_centreDistance;
};

}  // namespace check
