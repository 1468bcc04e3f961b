#include "check/geometry/BrepContacts.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp_Face.hxx>
#include <BRepLProp_SLProps.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <Geom2d_Curve.hxx>
#include <Standard_Failure.hxx>
#include <Standard_OutOfMemory.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

namespace check {
namespace {

// The face's outward normal at the edge's middle, and the edge's direction there as the face's
// boundary runs (the face lies to its left seen from the air).
struct EdgeSide {
    gp_Vec normal;
    gp_Vec along;
};

const TopoDS_Face& Face(const TopTools_IndexedMapOfShape& faces, std::uint32_t f) {
    return TopoDS::Face(faces(static_cast<int>(f) + 1));
}

// The edge as the face holds it, with the orientation the face gives it.
std::optional<EdgeSide> SideAtOrThrow(const TopoDS_Edge& held, const TopoDS_Face& face) {
    double first = 0, last = 0;
    const Handle(Geom2d_Curve) curve = BRep_Tool::CurveOnSurface(held, face, first, last);
    if (curve.IsNull()) {
        return std::nullopt;
    }
    const double middle = (first + last) / 2;
    const gp_Pnt2d uv = curve->Value(middle);
    gp_Pnt point;
    EdgeSide side;
    BRepGProp_Face(face).Normal(uv.X(), uv.Y(), point, side.normal);
    BRepAdaptor_Curve(held).D1(middle, point, side.along);
    if (held.Orientation() == TopAbs_REVERSED) {
        side.along.Reverse();
    }
    if (side.normal.Magnitude() < 1e-12 || side.along.Magnitude() < 1e-12) {
        return std::nullopt;
    }
    side.normal.Normalize();
    side.along.Normalize();
    return side;
}

// An edge or surface the library cannot evaluate there is no contact: the part is still read.
std::optional<EdgeSide> SideAt(const TopoDS_Edge& held, const TopoDS_Face& face) {
    try {
        return SideAtOrThrow(held, face);
    } catch (const Standard_OutOfMemory&) {
        throw;
    } catch (const Standard_Failure&) {
        return std::nullopt;
    }
}

FaceContact Contact(const EdgeSide& mine, const EdgeSide& theirs) {
    FaceContact contact;
    contact.normal = mine.normal;
    const double cosine = std::clamp(mine.normal.Dot(theirs.normal), -1.0, 1.0);
    contact.normalAngle = std::acos(cosine) * 180 / std::numbers::pi;
    // The neighbour leaves the edge across its own face, to the left of its boundary.
    const gp_Vec intoNeighbour = theirs.normal.Crossed(theirs.along);
    contact.concave = intoNeighbour.Dot(mine.normal) > 0;
    return contact;
}

}  // namespace

namespace {

double AirSideCurvatureOrThrow(const TopoDS_Face& face) {
    const BRepAdaptor_Surface surface(face);
    double u1 = 0, u2 = 0, v1 = 0, v2 = 0;
    BRepTools::UVBounds(face, u1, u2, v1, v2);
    BRepLProp_SLProps props(surface, (u1 + u2) / 2, (v1 + v2) / 2, 2, 1e-9);
    if (!props.IsCurvatureDefined()) {
        return 0;
    }
    const double largest = std::abs(props.MaxCurvature()) >= std::abs(props.MinCurvature())
                               ? props.MaxCurvature()
                               : props.MinCurvature();
    // The surface's curvature is signed along its own normal; the face may turn it over.
    return face.Orientation() == TopAbs_REVERSED ? -largest : largest;
}

}  // namespace

double AirSideCurvature(const TopoDS_Face& face) {
    try {
        return AirSideCurvatureOrThrow(face);
    } catch (const Standard_OutOfMemory&) {
        throw;
    } catch (const Standard_Failure&) {
        return 0;
    }
}

BrepContacts::BrepContacts(const TopTools_IndexedMapOfShape& faces)
    : m_contacts(static_cast<std::size_t>(faces.Extent())) {
    // Each edge with the faces that hold it, as each holds it.
    TopTools_IndexedMapOfShape edges;
    std::vector<std::vector<std::pair<std::uint32_t, TopoDS_Edge>>> holders;
    for (int f = 1; f <= faces.Extent(); ++f) {
        for (TopExp_Explorer found(faces(f), TopAbs_EDGE); found.More(); found.Next()) {
            const int at = edges.Add(found.Current());
            holders.resize(static_cast<std::size_t>(edges.Extent()));
            holders[static_cast<std::size_t>(at - 1)].emplace_back(
                static_cast<std::uint32_t>(f - 1), TopoDS::Edge(found.Current()));
        }
    }
    for (const auto& held : holders) {
        if (held.size() != 2 || held[0].first == held[1].first ||
            BRep_Tool::Degenerated(held[0].second)) {
            continue;
        }
        const auto& [a, edgeA] = held[0];
        const auto& [b, edgeB] = held[1];
        const std::optional<EdgeSide> sideA = SideAt(edgeA, Face(faces, a));
        const std::optional<EdgeSide> sideB = SideAt(edgeB, Face(faces, b));
        if (!sideA || !sideB) {
            continue;
        }
        FaceContact fromA = Contact(*sideA, *sideB);
        fromA.neighbour = b;
        FaceContact fromB = Contact(*sideB, *sideA);
        fromB.neighbour = a;
        m_contacts[a].push_back(fromA);
        m_contacts[b].push_back(fromB);
    }
}

}  // namespace check
