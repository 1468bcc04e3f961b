#include "check/geometry/PullCandidates.h"

#include <fmt/format.h>
#include <math_Jacobi.hxx>
#include <math_Matrix.hxx>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "check/geometry/SolidPart.h"

namespace check {
namespace {

// Two directions closer than this, or than this to each other's opposite, are one.
const double kSameDirection = std::cos(std::numbers::pi / 180);

void AddOnce(std::vector<PullCandidate>& candidates, const Vec3& direction, std::string source) {
    const Vec3 unit = direction.Normalized();
    if (!(unit.Length() > 0.5)) {
        return;
    }
    for (const PullCandidate& candidate : candidates) {
        if (std::abs(candidate.direction.Dot(unit)) >= kSameDirection) {
            return;
        }
    }
    candidates.push_back({unit, std::move(source)});
}

Vec3 Corner(const Part& part, const PartTriangle& triangle, int corner) {
    return part.vertices[triangle.vertex[static_cast<std::size_t>(corner)]];
}

// The surface's spread about its centre: the second moments of its triangles' centres,
// weighted by their areas.
std::array<std::array<double, 3>, 3> SurfaceSpread(const Part& part) {
    double total = 0;
    Vec3 centre;
    std::vector<std::pair<Vec3, double>> centres;
    centres.reserve(part.triangles.size());
    for (const PartTriangle& triangle : part.triangles) {
        const Vec3 a = Corner(part, triangle, 0);
        const Vec3 b = Corner(part, triangle, 1);
        const Vec3 c = Corner(part, triangle, 2);
        const double area = (b - a).Cross(c - a).Length() / 2;
        const Vec3 middle = (a + b + c) * (1.0 / 3);
        centres.emplace_back(middle, area);
        centre = centre + middle * area;
        total += area;
    }
    std::array<std::array<double, 3>, 3> spread{};
    if (!(total > 0)) {
        return spread;
    }
    centre = centre * (1 / total);
    for (const auto& [middle, area] : centres) {
        const Vec3 d = middle - centre;
        const std::array<double, 3> v{d.x, d.y, d.z};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                spread[i][j] += area * v[i] * v[j];
            }
        }
    }
    return spread;
}

void AddPrincipalAxes(std::vector<PullCandidate>& candidates, const Part& part) {
    const auto spread = SurfaceSpread(part);
    math_Matrix matrix(1, 3, 1, 3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            matrix(i + 1, j + 1) = spread[i][j];
        }
    }
    const math_Jacobi jacobi(matrix);
    if (!jacobi.IsDone()) {
        return;
    }
    std::array<int, 3> order{1, 2, 3};
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return jacobi.Value(a) > jacobi.Value(b); });
    for (int n = 0; n < 3; ++n) {
        const math_Matrix& vectors = jacobi.Vectors();
        const int k = order[static_cast<std::size_t>(n)];
        AddOnce(candidates, {vectors(1, k), vectors(2, k), vectors(3, k)},
                fmt::format("principal axis {}", n + 1));
    }
}

void AddLargestPlaneNormals(std::vector<PullCandidate>& candidates, const Part& part,
                            std::uint32_t firstFace, std::size_t largestFaces) {
    std::vector<std::size_t> planes;
    for (std::size_t face = 0; face < part.faces.size(); ++face) {
        if (part.faces[face].surface == SurfaceKind::Plane) {
            planes.push_back(face);
        }
    }
    const std::size_t kept = std::min(largestFaces, planes.size());
    std::partial_sort(
        planes.begin(), planes.begin() + static_cast<std::ptrdiff_t>(kept), planes.end(),
        [&](std::size_t a, std::size_t b) { return part.faces[a].area > part.faces[b].area; });
    const std::vector<FaceCentre> centres = FaceCentres(part);
    for (std::size_t n = 0; n < kept; ++n) {
        const std::size_t face = planes[n];
        AddOnce(candidates, centres[face].normal,
                fmt::format("normal of face {}", firstFace + face + 1));
    }
}

}  // namespace

std::vector<PullCandidate> PullCandidates(const Part& part, std::uint32_t firstFace,
                                          std::size_t largestFaces) {
    std::vector<PullCandidate> candidates;
    AddOnce(candidates, {0, 0, 1}, "axis Z");
    AddOnce(candidates, {1, 0, 0}, "axis X");
    AddOnce(candidates, {0, 1, 0}, "axis Y");
    AddPrincipalAxes(candidates, part);
    AddLargestPlaneNormals(candidates, part, firstFace, largestFaces);
    return candidates;
}

}  // namespace check
