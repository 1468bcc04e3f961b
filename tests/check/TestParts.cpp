#include "tests/check/TestParts.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <IGESControl_Writer.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <StlAPI_Writer.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pnt.hxx>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace test_parts {
namespace {

TopoDS_Face Quad(const gp_Pnt& a, const gp_Pnt& b, const gp_Pnt& c, const gp_Pnt& d) {
    return BRepBuilderAPI_MakeFace(BRepBuilderAPI_MakePolygon(a, b, c, d, true).Wire()).Face();
}

// The solid bounded by a bottom and a top quadrilateral, corners in the same order.
TopoDS_Shape Hexahedron(const std::array<gp_Pnt, 4>& bottom, const std::array<gp_Pnt, 4>& top) {
    BRepBuilderAPI_Sewing sewing;
    sewing.Add(Quad(bottom[0], bottom[1], bottom[2], bottom[3]));
    sewing.Add(Quad(top[0], top[1], top[2], top[3]));
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        sewing.Add(Quad(bottom[i], bottom[j], top[j], top[i]));
    }
    sewing.Perform();
    BRepBuilderAPI_MakeSolid made(TopoDS::Shell(sewing.SewedShape()));
    TopoDS_Solid solid = made.Solid();
    BRepLib::OrientClosedSolid(solid);
    return solid;
}

double Inset(double height, double degrees) {
    return height * std::tan(degrees * std::numbers::pi / 180);
}

TopoDS_Shape Cut(const TopoDS_Shape& from, const TopoDS_Shape& tool) {
    BRepAlgoAPI_Cut cut(from, tool);
    if (!cut.IsDone()) {
        throw std::runtime_error("cut failed");
    }
    return cut.Shape();
}

std::string StepFile(const std::string& data) {
    return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
           "FILE_NAME('','',(''),(''),'','','');\n"
           "FILE_SCHEMA(('AUTOMOTIVE_DESIGN { 1 0 10303 214 1 1 1 1 }'));\nENDSEC;\nDATA;\n" +
           data + "ENDSEC;\nEND-ISO-10303-21;\n";
}

}  // namespace

TopoDS_Shape DraftedBlock(double xLow, double xHigh, double yLow, double yHigh) {
    constexpr double w = 40, d = 30, h = 20;
    const double x0 = Inset(h, xLow), x1 = w - Inset(h, xHigh);
    const double y0 = Inset(h, yLow), y1 = d - Inset(h, yHigh);
    return Hexahedron({gp_Pnt(0, 0, 0), gp_Pnt(w, 0, 0), gp_Pnt(w, d, 0), gp_Pnt(0, d, 0)},
                      {gp_Pnt(x0, y0, h), gp_Pnt(x1, y0, h), gp_Pnt(x1, y1, h), gp_Pnt(x0, y1, h)});
}

TopoDS_Shape Cup(bool pocket, bool sideHole) {
    TopoDS_Shape cup = Cut(BRepPrimAPI_MakeBox(80, 60, 30).Shape(),
                           BRepPrimAPI_MakeBox(gp_Pnt(3, 3, -1), gp_Pnt(77, 57, 27)).Shape());
    if (pocket) {
        cup = Cut(cup, BRepPrimAPI_MakeBox(gp_Pnt(30, 20, 28), gp_Pnt(50, 40, 31)).Shape());
    }
    if (sideHole) {
        const gp_Ax2 axis(gp_Pnt(-1, 30, 15), gp_Dir(1, 0, 0));
        cup = Cut(cup, BRepPrimAPI_MakeCylinder(axis, 3, 5).Shape());
    }
    return cup;
}

TopoDS_Shape ReverseDraftedCup() {
    const double below = Inset(1, 1);
    const double above = Inset(27, 1);
    const TopoDS_Shape inside =
        Hexahedron({gp_Pnt(3 + below, 3 + below, -1), gp_Pnt(77 - below, 3 + below, -1),
                    gp_Pnt(77 - below, 57 - below, -1), gp_Pnt(3 + below, 57 - below, -1)},
                   {gp_Pnt(3 - above, 3 - above, 27), gp_Pnt(77 + above, 3 - above, 27),
                    gp_Pnt(77 + above, 57 + above, 27), gp_Pnt(3 - above, 57 + above, 27)});
    return Cut(BRepPrimAPI_MakeBox(80, 60, 30).Shape(), inside);
}

TopoDS_Shape FilletedBlock(double r1, double r2, double r3, double r4) {
    const TopoDS_Shape block = BRepPrimAPI_MakeBox(40, 30, 20).Shape();
    BRepFilletAPI_MakeFillet fillet(block);
    const std::array<double, 4> radii{r1, r2, r3, r4};
    int vertical = 0;
    for (TopExp_Explorer edges(block, TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        TopExp_Explorer ends(edge, TopAbs_VERTEX);
        gp_Pnt first = BRep_Tool::Pnt(TopoDS::Vertex(ends.Current()));
        ends.Next();
        gp_Pnt last = BRep_Tool::Pnt(TopoDS::Vertex(ends.Current()));
        if (std::abs(first.X() - last.X()) < 1e-9 && std::abs(first.Y() - last.Y()) < 1e-9 &&
            vertical < 4) {
            fillet.Add(radii[vertical++], edge);
        }
    }
    fillet.Build();
    if (!fillet.IsDone()) {
        throw std::runtime_error("fillet failed");
    }
    return fillet.Shape();
}

TopoDS_Shape Post(double radius, double height) {
    return BRepPrimAPI_MakeCylinder(radius, height).Shape();
}

TopoDS_Shape Frustum(double bottom, double top, double height) {
    return BRepPrimAPI_MakeCone(bottom, top, height).Shape();
}

TopoDS_Shape Ball(double radius) {
    return BRepPrimAPI_MakeSphere(radius).Shape();
}

TopoDS_Shape Moved(const TopoDS_Shape& shape, double x, double y, double z) {
    gp_Trsf move;
    move.SetTranslation(gp_Vec(x, y, z));
    return BRepBuilderAPI_Transform(shape, move, true).Shape();
}

TopoDS_Shape HolePlate() {
    TopoDS_Shape plate = BRepPrimAPI_MakeBox(60, 40, 10).Shape();
    plate = Cut(
        plate, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(8, 20, -1), gp_Dir(0, 0, 1)), 3, 12).Shape());
    return Cut(
        plate,
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(30, 20, -1), gp_Dir(0, 0, 1)), 3, 12).Shape());
}

TopoDS_Shape CupOverBoard() {
    BRep_Builder builder;
    TopoDS_Compound assembly;
    builder.MakeCompound(assembly);
    builder.Add(assembly, Cup(false, false));
    builder.Add(assembly, BRepPrimAPI_MakeBox(gp_Pnt(30, 20, 10), gp_Pnt(50, 40, 11.6)).Shape());
    return assembly;
}

TopoDS_Shape OpenBox(double x) {
    BRep_Builder builder;
    TopoDS_Shell shell;
    builder.MakeShell(shell);
    const TopoDS_Shape box = BRepPrimAPI_MakeBox(gp_Pnt(x, 0, 0), 10, 10, 10).Shape();
    TopExp_Explorer faces(box, TopAbs_FACE);
    for (faces.Next(); faces.More(); faces.Next()) {
        builder.Add(shell, faces.Current());
    }
    return shell;
}

TopoDS_Shape BlockBesideOpenBox() {
    BRep_Builder builder;
    TopoDS_Compound assembly;
    builder.MakeCompound(assembly);
    builder.Add(assembly, DraftedBlock(1, 1, 1, 1));
    builder.Add(assembly, OpenBox(50));
    TopExp_Explorer closed(BRepPrimAPI_MakeBox(gp_Pnt(80, 0, 0), 10, 10, 10).Shape(), TopAbs_SHELL);
    builder.Add(assembly, closed.Current());
    return assembly;
}

TopoDS_Shape LoneFace() {
    return Quad(gp_Pnt(0, 0, 0), gp_Pnt(10, 0, 0), gp_Pnt(10, 10, 0), gp_Pnt(0, 10, 0));
}

void WriteStep(const TopoDS_Shape& shape, const std::filesystem::path& path,
               const std::string& unit) {
    // The writer converts to the unit it is given, once the controller that starts its
    // settings has started (it would set them back to millimetres).
    STEPControl_Controller::Init();
    Interface_Static::SetCVal("write.step.unit", unit.c_str());
    STEPControl_Writer writer;
    writer.Transfer(shape, STEPControl_AsIs);
    if (writer.Write(path.c_str()) != IFSelect_RetDone) {
        throw std::runtime_error("STEP not written");
    }
    Interface_Static::SetCVal("write.step.unit", "MM");
}

void WriteIges(const TopoDS_Shape& shape, const std::filesystem::path& path) {
    IGESControl_Writer writer("MM", 1);  // faces as a boundary representation
    writer.AddShape(shape);
    writer.ComputeModel();
    if (!writer.Write(path.c_str())) {
        throw std::runtime_error("IGES not written");
    }
}

std::string NestedListStep(int depth) {
    return StepFile("#1=CARTESIAN_POINT(''," + std::string(depth, '(') + "0." +
                    std::string(depth, ')') + ");\n");
}

std::string SelfReferencingEdgeStep() {
    return StepFile(
        "#1=MANIFOLD_SOLID_BREP('',#2);\n#2=CLOSED_SHELL('',(#3));\n"
        "#3=ADVANCED_FACE('',(#4),#8,.T.);\n#4=FACE_OUTER_BOUND('',#5,.T.);\n"
        "#5=EDGE_LOOP('',(#6));\n#6=ORIENTED_EDGE('',*,*,#6,.T.);\n#8=PLANE('',#9);\n"
        "#9=AXIS2_PLACEMENT_3D('',#10,#11,#12);\n#10=CARTESIAN_POINT('',(0.,0.,0.));\n"
        "#11=DIRECTION('',(0.,0.,1.));\n#12=DIRECTION('',(1.,0.,0.));\n");
}

void WriteStl(const TopoDS_Shape& shape, const std::filesystem::path& path,
              double unitInMillimetres, double fineness) {
    gp_Trsf scale;
    scale.SetScale(gp_Pnt(0, 0, 0), 1 / unitInMillimetres);
    const TopoDS_Shape scaled = BRepBuilderAPI_Transform(shape, scale, true).Shape();
    BRepMesh_IncrementalMesh mesh(scaled, 0.01 / unitInMillimetres / fineness, false,
                                  0.2 / fineness);
    StlAPI_Writer writer;
    writer.ASCIIMode() = false;
    if (!writer.Write(scaled, path.c_str())) {
        throw std::runtime_error("STL not written");
    }
}

}  // namespace test_parts
