#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "check/geometry/Part.h"
#include "check/geometry/SurfaceSampler.h"
#include "check/geometry/TriangleAdjacency.h"

namespace check {

// How far a sample lies from the boundary of its face: the straight distance to the nearest of
// the face's boundary edges, where its triangles meet another face's or none. The edges are
// filed in a grid, so a question asks only about the cells within its reach.
class FaceBoundaryDistance {
public:
    FaceBoundaryDistance(const Part& part, const TriangleAdjacency& adjacency);

    // The distance from the sample to its face's boundary when it is below reach; reach
    // otherwise.
    double Within(const SurfaceSample& sample, double reach) const;

private:
    struct Edge {
        Vec3 from;
        Vec3 to;
        std::uint32_t face = 0;
    };

    // The distance to the edge when it bounds the face, infinity otherwise.
    double ToEdge(const Vec3& point, std::uint32_t face, std::uint32_t edge) const;

    const Part& m_part;
    std::vector<Edge> m_edges;
    // Per face, its boundary edges.
    std::vector<std::vector<std::uint32_t>> m_faceEdges;
    double m_cell = 1;
    // (cell key, edge) for every cell an edge passes through, sorted.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> m_filed;
};

}  // namespace check
