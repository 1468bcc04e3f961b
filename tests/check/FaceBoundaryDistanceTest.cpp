#include <gtest/gtest.h>

#include <vector>

#include "check/geometry/FaceBoundaryDistance.h"
#include "check/geometry/TriangleAdjacency.h"

namespace {

// A 10 x 10 square face as a fan of long thin triangles from its corner at the origin, its two
// far sides split in this many edges each: a path between the triangles' centres runs far
// longer than the straight way to the square's sides.
check::Part FannedSquare(int split) {
    check::Part part;
    part.faces.resize(1);
    part.vertices.push_back({0, 0, 0});
    const double step = 10.0 / split;
    for (int k = 0; k <= split; ++k) {
        part.vertices.push_back({10, k * step, 0});
    }
    for (int k = split - 1; k >= 0; --k) {
        part.vertices.push_back({k * step, 10, 0});
    }
    for (std::uint32_t v = 1; v + 1 < part.vertices.size(); ++v) {
        part.triangles.push_back({{0, v, v + 1}, 0});
    }
    part.vertexNormals.assign(part.vertices.size(), {0, 0, 1});
    return part;
}

struct Case {
    check::Vec3 point;
    double reach;
    double distance;  // the reach itself where the boundary is farther
};

void ExpectDistances(const check::Part& part, const std::vector<Case>& cases) {
    const check::TriangleAdjacency adjacency(check::TriangleAdjacency::CornerPoints(part));
    const check::FaceBoundaryDistance boundary(part, adjacency);
    // The fan's triangle holding the point: the triangles split the square by angle.
    const auto holding = [&](const check::Vec3& point) {
        for (std::uint32_t t = 0; t < part.triangles.size(); ++t) {
            const auto& v = part.triangles[t].vertex;
            if (part.vertices[v[1]].Cross(point).z >= 0 &&
                point.Cross(part.vertices[v[2]]).z >= 0) {
                return t;
            }
        }
        return std::uint32_t{0};
    };
    for (const Case& known : cases) {
        const check::SurfaceSample sample{known.point, {0, 0, 1}, holding(known.point), 1};
        EXPECT_NEAR(boundary.Within(sample, known.reach), known.distance, 1e-12)
            << known.point.x << ", " << known.point.y << " within " << known.reach;
    }
}

// A wide reach measures every edge of the face; a narrow one against many edges, the edges
// filed in the cells around the point.
TEST(FaceBoundaryDistance, IsTheStraightDistanceToTheFacesNearestSide) {
    ExpectDistances(FannedSquare(20), {{{5, 5, 0}, 20, 5},
                                       {{1, 7, 0}, 20, 1},
                                       {{9.5, 2, 0}, 20, 0.5},
                                       {{2, 2, 0}, 20, 2},
                                       {{6, 8.75, 0}, 20, 1.25},
                                       {{5, 5, 0}, 3, 3}});
    ExpectDistances(FannedSquare(2000), {{{9.99, 2, 0}, 0.02, 0.01},
                                         {{3.3, 9.985, 0}, 0.02, 0.015},
                                         {{9.995, 9.99, 0}, 0.02, 0.005},
                                         {{5, 5, 0}, 0.02, 0.02}});
}

}  // namespace
