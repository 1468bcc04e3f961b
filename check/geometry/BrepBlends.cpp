#include "check/geometry/BrepBlends.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRep_Tool.hxx>
#include <TopoDS.hxx>
#include <gp_Lin.hxx>

#include <cmath>
#include <numbers>

namespace check {
namespace {

// Two tangent walls facing each other this nearly (a slot's end, a full-round rib) have no blend.
constexpr double kOppositeDegrees = 178;
constexpr double kSameSurface = 1e-6;

const TopoDS_Face& FaceAt(const TopTools_IndexedMapOfShape& faces, std::uint32_t f) {
    return TopoDS::Face(faces(static_cast<int>(f) + 1));
}

bool CanBlend(SurfaceKind kind) {
    return kind == SurfaceKind::Cylinder || kind == SurfaceKind::Torus ||
           kind == SurfaceKind::Sphere || kind == SurfaceKind::Other;
}

// Two faces on one surface (the halves of a pin, a cylinder split at a seam) blend nothing.
bool OnOneSurface(const TopoDS_Face& a, const TopoDS_Face& b) {
    if (BRep_Tool::Surface(a) == BRep_Tool::Surface(b)) {
        return true;
    }
    const BRepAdaptor_Surface sa(a), sb(b);
    if (sa.GetType() != sb.GetType()) {
        return false;
    }
    switch (sa.GetType()) {
        case GeomAbs_Cylinder:
            return std::abs(sa.Cylinder().Radius() - sb.Cylinder().Radius()) < kSameSurface &&
                   sa.Cylinder().Axis().IsParallel(sb.Cylinder().Axis(), kSameSurface) &&
                   gp_Lin(sa.Cylinder().Axis()).Distance(sb.Cylinder().Location()) < kSameSurface;
        case GeomAbs_Sphere:
            return std::abs(sa.Sphere().Radius() - sb.Sphere().Radius()) < kSameSurface &&
                   sa.Sphere().Location().Distance(sb.Sphere().Location()) < kSameSurface;
        default:
            return false;
    }
}

double Degrees(const gp_Vec& a, const gp_Vec& b) {
    return a.Angle(b) * 180 / std::numbers::pi;
}

// Tangent to two other faces that do not face each other.
bool Blends(std::uint32_t face, const TopTools_IndexedMapOfShape& faces,
            const BrepContacts& contacts) {
    std::vector<const FaceContact*> tangent;
    for (const FaceContact& contact : contacts.Of(face)) {
        if (contact.normalAngle < kTangentDegrees &&
            !OnOneSurface(FaceAt(faces, face), FaceAt(faces, contact.neighbour))) {
            tangent.push_back(&contact);
        }
    }
    for (std::size_t i = 0; i < tangent.size(); ++i) {
        for (std::size_t j = i + 1; j < tangent.size(); ++j) {
            const double between = Degrees(tangent[i]->normal, tangent[j]->normal);
            if (tangent[i]->neighbour != tangent[j]->neighbour && between >= kTangentDegrees &&
                between <= kOppositeDegrees) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void FindBlendsAndSharpCorners(const TopTools_IndexedMapOfShape& faces,
                               const BrepContacts& contacts, Part& part) {
    for (std::uint32_t f = 0; f < part.faces.size(); ++f) {
        PartFace& face = part.faces[f];
        if (face.hole || !CanBlend(face.surface) || !Blends(f, faces, contacts)) {
            continue;
        }
        const double curvature = AirSideCurvature(FaceAt(faces, f));
        if (face.radius == 0 && curvature != 0) {
            face.radius = 1 / std::abs(curvature);
        }
        (curvature > 0 ? face.blend : face.round) = true;
    }
    for (std::uint32_t f = 0; f < part.faces.size(); ++f) {
        for (const FaceContact& contact : contacts.Of(f)) {
            const bool ownHole = part.faces[f].hole && part.faces[contact.neighbour].hole;
            if (f < contact.neighbour && contact.concave && !ownHole &&
                contact.normalAngle >= kTangentDegrees) {
                part.sharpCorners.push_back({f, contact.neighbour, 180 - contact.normalAngle});
            }
        }
    }
}

}  // namespace check
