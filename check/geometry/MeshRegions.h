#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "check/geometry/TriangleAdjacency.h"
#include "check/geometry/Vec3.h"

namespace check {

// Groups a mesh's triangles into the faces a designer sees. Triangles first gather into flat
// patches (normals within round-off of the patch's first); patches then join across a bend below
// a crease angle when the curvature the bend implies matches the curvature around it, so the
// facets of a cylinder or a fillet become one face while a flat wall meeting a fillet
// tangentially stays a face of its own (its bend is spread over the whole wall, so it implies
// almost no curvature).
class MeshRegions {
public:
    struct Mesh {
        const std::vector<Vec3>& points;
        const std::vector<std::array<std::uint32_t, 3>>& corners;
        const std::vector<Vec3>& normals;  // unit, per triangle
        const TriangleAdjacency& adjacency;
    };

    // Per triangle, its region: numbered from 0 in the order of the regions' first triangles.
    static std::vector<std::uint32_t> Group(const Mesh& mesh);
};

}  // namespace check
