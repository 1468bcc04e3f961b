#include "check/geometry/BrepContacts.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepGProp_Face.hxx>
#include <BRepLProp_SLProps.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <Geom2d_Curve.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace check {
namespace {

// The face's outward normal at the edge's middle, and the edge's direction there as the face's
// boundary runs (the face lies to its left seen from the air).
struct EdgeSide {
    gp_Vec normal;
    gp_Vec along;
};

// The edge as the face holds it, with the orientation the face gives it.
std::optional<TopoDS_Edge> EdgeInFace(const TopoDS_Edge& edge, const TopoDS_Face& face) {
    for (TopExp_Explorer edges(face, TopAbs_EDGE); edges.More(); edges.Next()) {
        if (edges.Current().IsSame(edge)) {
            return TopoDS::Edge(edges.Current());
        }
    }
    return std::nullopt;
}

std::optional<EdgeSide> SideAt(const TopoDS_Edge& edge, const TopoDS_Face& face) {
    const std::optional<TopoDS_Edge> held = EdgeInFace(edge, face);
    double first = 0, last = 0;
    const Handle(Geom2d_Curve) curve =
        held ? BRep_Tool::CurveOnSurface(*held, face, first, last) : Handle(Geom2d_Curve)();
    if (curve.IsNull()) {
        return std::nullopt;
    }
    const double middle = (first + last) / 2;
    const gp_Pnt2d uv = curve->Value(middle);
    gp_Pnt point;
    EdgeSide side;
    BRepGProp_Face(face).Normal(uv.X(), uv.Y(), point, side.normal);
    BRepAdaptor_Curve(*held).D1(middle, point, side.along);
    if (held->Orientation() == TopAbs_REVERSED) {
        side.along.Reverse();
    }
    if (side.normal.Magnitude() < 1e-12 || side.along.Magnitude() < 1e-12) {
        return std::nullopt;
    }
    side.normal.Normalize();
    side.along.Normalize();
    return side;
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

double AirSideCurvature(const TopoDS_Face& face) {
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

BrepContacts::BrepContacts(const TopTools_IndexedMapOfShape& faces, const TopoDS_Shape& shape)
    : m_contacts(static_cast<std::size_t>(faces.Extent())) {
    TopTools_IndexedDataMapOfShapeListOfShape edgeFaces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, edgeFaces);
    for (int e = 1; e <= edgeFaces.Extent(); ++e) {
        const TopoDS_Edge& edge = TopoDS::Edge(edgeFaces.FindKey(e));
        const TopTools_ListOfShape& around = edgeFaces(e);
        if (BRep_Tool::Degenerated(edge) || around.Extent() != 2) {
            continue;
        }
        const TopoDS_Face& a = TopoDS::Face(around.First());
        const TopoDS_Face& b = TopoDS::Face(around.Last());
        const int ia = faces.FindIndex(a);
        const int ib = faces.FindIndex(b);
        if (ia == 0 || ib == 0 || ia == ib) {
            continue;
        }
        const std::optional<EdgeSide> sideA = SideAt(edge, a);
        const std::optional<EdgeSide> sideB = SideAt(edge, b);
        if (!sideA || !sideB) {
            continue;
        }
        FaceContact fromA = Contact(*sideA, *sideB);
        fromA.neighbour = static_cast<std::uint32_t>(ib - 1);
        FaceContact fromB = Contact(*sideB, *sideA);
        fromB.neighbour = static_cast<std::uint32_t>(ia - 1);
        m_contacts[static_cast<std::size_t>(ia - 1)].push_back(fromA);
        m_contacts[static_cast<std::size_t>(ib - 1)].push_back(fromB);
    }
}

}  // namespace check
