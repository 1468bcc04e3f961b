#include "check/geometry/StlPart.h"

#include "check/CheckError.h"
#include "check/geometry/TriangleAdjacency.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace check {
namespace {

const double kSameFaceCosine = std::cos(std::numbers::pi / 180);

// Region numbers grown from each unassigned triangle across edges to neighbours whose normals
// are within a degree.
std::vector<std::uint32_t> GrowRegions(const TriangleAdjacency& adjacency,
                                       const std::vector<Vec3>& normals) {
    constexpr std::uint32_t kUnassigned = ~std::uint32_t{0};
    std::vector<std::uint32_t> region(normals.size(), kUnassigned);
    std::vector<std::uint32_t> pending;
    std::uint32_t regions = 0;
    for (std::uint32_t seed = 0; seed < normals.size(); ++seed) {
        if (region[seed] != kUnassigned) {
            continue;
        }
        region[seed] = regions;
        pending.push_back(seed);
        while (!pending.empty()) {
            const std::uint32_t t = pending.back();
            pending.pop_back();
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t n = adjacency.Across(t, k);
                if (n != TriangleAdjacency::kNone && region[n] == kUnassigned &&
                    normals[n].Dot(normals[t]) > kSameFaceCosine) {
                    region[n] = regions;
                    pending.push_back(n);
                }
            }
        }
        ++regions;
    }
    return region;
}

std::uint32_t OpenEdges(const TriangleAdjacency& adjacency, std::size_t triangles) {
    std::uint32_t open = 0;
    for (std::uint32_t t = 0; t < triangles; ++t) {
        for (int k = 0; k < 3; ++k) {
            open += adjacency.Across(t, k) == TriangleAdjacency::kNone ? 1 : 0;
        }
    }
    return open;
}

}  // namespace

Part StlPart::Build(const Poly_Triangulation& mesh) const {
    std::vector<Vec3> nodes;
    nodes.reserve(static_cast<std::size_t>(mesh.NbNodes()));
    for (int i = 1; i <= mesh.NbNodes(); ++i) {
        const gp_Pnt p = mesh.Node(i);
        if (!std::isfinite(p.X()) || !std::isfinite(p.Y()) || !std::isfinite(p.Z())) {
            throw CheckError("holds a corner that is not a finite number");
        }
        nodes.push_back(Vec3{p.X(), p.Y(), p.Z()} * m_unit);
    }
    std::vector<std::array<std::uint32_t, 3>> corners;
    std::vector<Vec3> normals;
    for (int i = 1; i <= mesh.NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        mesh.Triangle(i).Get(a, b, c);
        const std::array<std::uint32_t, 3> corner{static_cast<std::uint32_t>(a - 1),
                                                  static_cast<std::uint32_t>(b - 1),
                                                  static_cast<std::uint32_t>(c - 1)};
        const Vec3 normal =
            (nodes[corner[1]] - nodes[corner[0]]).Cross(nodes[corner[2]] - nodes[corner[0]]);
        if (normal.Length() == 0) {
            continue;  // a degenerate triangle covers nothing
        }
        corners.push_back(corner);
        normals.push_back(normal.Normalized());
    }
    const TriangleAdjacency adjacency(corners);
    const std::vector<std::uint32_t> region = GrowRegions(adjacency, normals);

    Part part;
    part.faces.resize(corners.empty() ? 0 : *std::ranges::max_element(region) + 1);
    std::vector<Vec3> lows(part.faces.size(), Vec3{1e300, 1e300, 1e300});
    std::vector<Vec3> highs(part.faces.size(), Vec3{-1e300, -1e300, -1e300});
    for (std::size_t t = 0; t < corners.size(); ++t) {
        PartTriangle triangle{{}, region[t]};
        for (int k = 0; k < 3; ++k) {
            triangle.vertex[k] = static_cast<std::uint32_t>(part.vertices.size());
            const Vec3& p = nodes[corners[t][k]];
            part.vertices.push_back(p);
            part.vertexNormals.push_back(normals[t]);
            Vec3& low = lows[region[t]];
            Vec3& high = highs[region[t]];
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
        part.triangles.push_back(triangle);
        const Vec3& a = nodes[corners[t][0]];
        part.faces[region[t]].area +=
            (nodes[corners[t][1]] - a).Cross(nodes[corners[t][2]] - a).Length() / 2;
    }
    for (std::size_t i = 0; i < part.faces.size(); ++i) {
        part.faces[i].surface = SurfaceKind::Other;
        part.faces[i].extent = (highs[i] - lows[i]).Length();
    }
    part.solids.push_back(
        {0, static_cast<std::uint32_t>(part.faces.size()), OpenEdges(adjacency, corners.size())});
    return part;
}

}  // namespace check
