#include "tests/check/TestWalls.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRep_Tool.hxx>
#include <Geom_Curve.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <cmath>
#include <stdexcept>

#include "tests/check/TestParts.h"

namespace test_walls {
namespace {

TopoDS_Shape Floor() {
    return BRepPrimAPI_MakeBox(60, 40, 2).Shape();
}

TopoDS_Shape Fused(const TopoDS_Shape& a, const TopoDS_Shape& b) {
    BRepAlgoAPI_Fuse fuse(a, b);
    fuse.SimplifyResult();
    if (!fuse.IsDone()) {
        throw std::runtime_error("fuse failed");
    }
    return fuse.Shape();
}

}  // namespace

TopoDS_Shape RibOnFloor(double x, double rootRadius) {
    const TopoDS_Shape rib =
        Fused(Floor(), BRepPrimAPI_MakeBox(gp_Pnt(x - 0.6, 5, 2), 1.2, 30, 15).Shape());
    if (rootRadius == 0) {
        return rib;
    }
    BRepFilletAPI_MakeFillet fillet(rib);
    for (TopExp_Explorer edges(rib, TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        double first = 0, last = 0;
        const gp_Pnt middle = BRep_Tool::Curve(edge, first, last)->Value((first + last) / 2);
        if (std::abs(middle.Z() - 2) < 1e-9 && std::abs(middle.X() - x) < 0.6 + 1e-9 &&
            middle.Y() > 5 - 1e-9 && middle.Y() < 35 + 1e-9) {
            fillet.Add(rootRadius, edge);
        }
    }
    fillet.Build();
    if (!fillet.IsDone()) {
        throw std::runtime_error("fillet failed");
    }
    return fillet.Shape();
}

TopoDS_Shape DraftedRibOnFloor() {
    BRepBuilderAPI_MakePolygon profile;
    for (const auto& [x, z] : {std::pair{29.2, 2.0}, {30.8, 2.0}, {30.5, 17.0}, {29.5, 17.0}}) {
        profile.Add(gp_Pnt(x, 5, z));
    }
    profile.Close();
    const TopoDS_Face face = BRepBuilderAPI_MakeFace(profile.Wire()).Face();
    return Fused(Floor(), BRepPrimAPI_MakePrism(face, gp_Vec(0, 30, 0)).Shape());
}

TopoDS_Shape BossOnFloor() {
    const gp_Ax2 axis(gp_Pnt(30, 20, 2), gp_Dir(0, 0, 1));
    const TopoDS_Shape post = Fused(Floor(), BRepPrimAPI_MakeCylinder(axis, 5, 12).Shape());
    BRepAlgoAPI_Cut cut(post, BRepPrimAPI_MakeCylinder(axis, 2, 13).Shape());
    if (!cut.IsDone()) {
        throw std::runtime_error("cut failed");
    }
    return cut.Shape();
}

TopoDS_Shape SplitBossOnFloor() {
    // Fused without merging faces, so that the halves stay two faces.
    BRepAlgoAPI_Fuse fuse(Floor(), test_parts::TwoHalves(gp_Pnt(30, 20, 2), 5, 12));
    if (!fuse.IsDone()) {
        throw std::runtime_error("fuse failed");
    }
    BRepFilletAPI_MakeFillet fillet(fuse.Shape());
    for (TopExp_Explorer edges(fuse.Shape(), TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        double first = 0, last = 0;
        const gp_Pnt middle = BRep_Tool::Curve(edge, first, last)->Value((first + last) / 2);
        if (std::abs(middle.Z() - 2) < 1e-9 &&
            std::abs(middle.Distance(gp_Pnt(30, 20, 2)) - 5) < 1e-9) {
            fillet.Add(1, edge);
        }
    }
    fillet.Build();
    if (!fillet.IsDone()) {
        throw std::runtime_error("fillet failed");
    }
    BRepAlgoAPI_Cut cut(
        fillet.Shape(),
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(30, 20, 2), gp_Dir(0, 0, 1)), 2, 13).Shape());
    if (!cut.IsDone()) {
        throw std::runtime_error("cut failed");
    }
    return cut.Shape();
}

TopoDS_Shape DraftedBossOnFloor() {
    const gp_Ax2 axis(gp_Pnt(30, 20, 2), gp_Dir(0, 0, 1));
    return Fused(Floor(), BRepPrimAPI_MakeCone(axis, 5, 4.5, 12).Shape());
}

TopoDS_Shape Channel() {
    BRepBuilderAPI_MakePolygon profile;
    for (const auto& [x, z] : {std::pair{0.0, 0.0},
                               {60.0, 0.0},
                               {60.0, 19.0},
                               {58.0, 19.0},
                               {58.0, 4.0},
                               {2.0, 4.0},
                               {2.0, 19.0},
                               {0.0, 19.0}}) {
        profile.Add(gp_Pnt(x, 0, z));
    }
    profile.Close();
    const TopoDS_Face face = BRepBuilderAPI_MakeFace(profile.Wire()).Face();
    return BRepPrimAPI_MakePrism(face, gp_Vec(0, 40, 0)).Shape();
}

}  // namespace test_walls
