#include "tests/check/TestWalls.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <stdexcept>

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

TopoDS_Shape RibOnFloor(double x) {
    return Fused(Floor(), BRepPrimAPI_MakeBox(gp_Pnt(x - 0.6, 5, 2), 1.2, 30, 15).Shape());
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
