#include "check/geometry/StlPart.h"

#include "check/CheckError.h"
#include "check/geometry/MeshRegions.h"
#include "check/geometry/SurfaceFit.h"
#include "check/geometry/TriangleAdjacency.h"

#include <algorithm>
#include <cmath>

namespace check {
namespace {

std::uint32_t OpenEdges(const TriangleAdjacency& adjacency, std::size_t triangles) {
    std::uint32_t open = 0;
    for (std::uint32_t t = 0; t < triangles; ++t) {
        for (int k = 0; k < 3; ++k) {
            open += adjacency.Across(t, k) == TriangleAdjacency::kNone ? 1 : 0;
        }
    }
    return open;
}

// Each region's surface, fitted to its triangles.
std::vector<FittedSurface> FitRegions(const std::vector<Vec3>& nodes,
                                      const std::vector<std::array<std::uint32_t, 3>>& corners,
                                      const std::vector<Vec3>& normals,
                                      const std::vector<std::uint32_t>& region) {
    std::vector<std::vector<std::uint32_t>> members;
    for (std::uint32_t t = 0; t < region.size(); ++t) {
        members.resize(std::max<std::size_t>(members.size(), region[t] + 1));
        members[region[t]].push_back(t);
    }
    std::vector<FittedSurface> surfaces;
    surfaces.reserve(members.size());
    for (std::vector<std::uint32_t>& triangles : members) {
        surfaces.push_back(FitSurface({nodes, corners, normals, std::move(triangles)}));
    }
    return surfaces;
}

}  // namespace

Part StlPart::Build(Handle(Poly_Triangulation) mesh) const {
    std::vector<Vec3> nodes;
    nodes.reserve(static_cast<std::size_t>(mesh->NbNodes()));
    for (int i = 1; i <= mesh->NbNodes(); ++i) {
        const gp_Pnt p = mesh->Node(i);
        if (!std::isfinite(p.X()) || !std::isfinite(p.Y()) || !std::isfinite(p.Z())) {
            throw CheckError("holds a corner that is not a finite number");
        }
        nodes.push_back(Vec3{p.X(), p.Y(), p.Z()} * m_unit);
    }
    std::vector<std::array<std::uint32_t, 3>> corners;
    std::vector<Vec3> normals;
    corners.reserve(static_cast<std::size_t>(mesh->NbTriangles()));
    normals.reserve(static_cast<std::size_t>(mesh->NbTriangles()));
    for (int i = 1; i <= mesh->NbTriangles(); ++i) {
        int a = 0, b = 0, c = 0;
        mesh->Triangle(i).Get(a, b, c);
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
    mesh.Nullify();
    std::vector<std::uint32_t> region;
    std::uint32_t openEdges = 0;
    {
        // Only the regions and the count of open edges outlive the adjacency.
        const TriangleAdjacency adjacency(corners);
        region = MeshRegions::Group({nodes, corners, normals, adjacency});
        openEdges = OpenEdges(adjacency, corners.size());
    }

    Part part;
    part.faces.resize(corners.empty() ? 0 : *std::ranges::max_element(region) + 1);
    const std::vector<FittedSurface> surfaces = FitRegions(nodes, corners, normals, region);
    std::vector<Vec3> lows(part.faces.size(), Vec3{1e300, 1e300, 1e300});
    std::vector<Vec3> highs(part.faces.size(), Vec3{-1e300, -1e300, -1e300});
    part.vertices.reserve(3 * corners.size());
    part.vertexNormals.reserve(3 * corners.size());
    part.triangles.reserve(corners.size());
    for (std::size_t t = 0; t < corners.size(); ++t) {
        PartTriangle triangle{{}, region[t]};
        for (int k = 0; k < 3; ++k) {
            triangle.vertex[k] = static_cast<std::uint32_t>(part.vertices.size());
            const Vec3& p = nodes[corners[t][k]];
            part.vertices.push_back(p);
            part.vertexNormals.push_back(surfaces[region[t]].NormalAt(p, normals[t]));
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
        part.faces[i].surface = surfaces[i].kind;
        const bool round =
            surfaces[i].kind == SurfaceKind::Cylinder || surfaces[i].kind == SurfaceKind::Sphere;
        part.faces[i].radius = round ? surfaces[i].radius : 0;
        part.faces[i].extent = (highs[i] - lows[i]).Length();
    }
    part.solids.push_back({0, static_cast<std::uint32_t>(part.faces.size()), openEdges});
    return part;
}

}  // namespace check
