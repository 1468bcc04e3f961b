#include "check/ReportMesh.h"

#include "check/checks/UndercutCheck.h"

namespace check {
namespace {

FaceSide SideOf(MouldSide side) {
    switch (side) {
        case MouldSide::Cavity:
            return FaceSide::Cavity;
        case MouldSide::Core:
            return FaceSide::Core;
        case MouldSide::Neither:
            break;
    }
    return FaceSide::Neither;
}

}  // namespace

SolidMesh ReportMesh(const Part& solid, std::uint32_t number, std::uint32_t firstFace,
                     const std::vector<FaceSides>& sides, const DocumentUnits& units) {
    SolidMesh mesh;
    mesh.solid = number;
    mesh.firstFace = firstFace;
    const double scale = units.LengthFromMillimetres(1.0);
    mesh.vertices.reserve(solid.vertices.size());
    for (const Vec3& v : solid.vertices) {
        mesh.vertices.push_back({v.x * scale, v.y * scale, v.z * scale});
    }
    mesh.triangles.reserve(solid.triangles.size());
    mesh.triangleFaces.reserve(solid.triangles.size());
    for (const PartTriangle& triangle : solid.triangles) {
        mesh.triangles.push_back(triangle.vertex);
        mesh.triangleFaces.push_back(firstFace + triangle.face + 1);
    }
    mesh.faces.resize(solid.faces.size());
    for (std::size_t f = 0; f < sides.size() && f < solid.faces.size(); ++f) {
        mesh.faces[f].side = SideOf(sides[f].side);
        // The same share the undercut rule reports a face for.
        mesh.faces[f].undercut =
            sides[f].unreachableArea > UndercutCheck::kSmallestShare * solid.faces[f].area;
    }
    return mesh;
}

}  // namespace check
