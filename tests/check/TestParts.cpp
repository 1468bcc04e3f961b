#include "tests/check/TestParts.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_NurbsConvert.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
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
#include <utility>
#include <vector>

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

TopoDS_Shape Plate() {
    return BRepPrimAPI_MakeBox(60, 40, 10).Shape();
}

// The solid turned about the vertical line x = 8, y = 20 from a profile of (radius, z) points.
TopoDS_Shape Turned(const std::vector<std::pair<double, double>>& profile) {
    BRepBuilderAPI_MakePolygon polygon;
    for (const auto& [radius, z] : profile) {
        polygon.Add(gp_Pnt(8 + radius, 20, z));
    }
    polygon.Close();
    return BRepPrimAPI_MakeRevol(BRepBuilderAPI_MakeFace(polygon.Wire()).Face(),
                                 gp_Ax1(gp_Pnt(8, 20, 0), gp_Dir(0, 0, 1)))
        .Shape();
}

std::string StepFile(const std::string& data) {
    return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
           "FILE_NAME('','',(''),(''),'','','');\n"
           "FILE_SCHEMA(('AUTOMOTIVE_DESIGN { 1 0 10303 214 1 1 1 1 }'));\nENDSEC;\nDATA;\n" +
           data + "ENDSEC;\nEND-ISO-10303-21;\n";
}

}  // namespace

TopoDS_Shape TwoHalves(const gp_Pnt& base, double radius, double height) {
    const gp_Ax2 first(base, gp_Dir(0, 0, 1), gp_Dir(0, 1, 0));
    const gp_Ax2 second(base, gp_Dir(0, 0, 1), gp_Dir(0, -1, 0));
    BRepAlgoAPI_Fuse fuse(
        BRepPrimAPI_MakeCylinder(first, radius, height, std::numbers::pi).Shape(),
        BRepPrimAPI_MakeCylinder(second, radius, height, std::numbers::pi).Shape());
    if (!fuse.IsDone()) {
        throw std::runtime_error("fuse failed");
    }
    return fuse.Shape();
}

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

TopoDS_Shape DraftedCupWithRib() {
    const double out = Inset(30, 2);
    const double in = Inset(28, 1.5);
    const TopoDS_Shape outside =
        Hexahedron({gp_Pnt(0, 0, 0), gp_Pnt(80, 0, 0), gp_Pnt(80, 60, 0), gp_Pnt(0, 60, 0)},
                   {gp_Pnt(out, out, 30), gp_Pnt(80 - out, out, 30), gp_Pnt(80 - out, 60 - out, 30),
                    gp_Pnt(out, 60 - out, 30)});
    const TopoDS_Shape inside =
        Hexahedron({gp_Pnt(3, 3, -1), gp_Pnt(77, 3, -1), gp_Pnt(77, 57, -1), gp_Pnt(3, 57, -1)},
                   {gp_Pnt(3 + in, 3 + in, 27), gp_Pnt(77 - in, 3 + in, 27),
                    gp_Pnt(77 - in, 57 - in, 27), gp_Pnt(3 + in, 57 - in, 27)});
    const TopoDS_Shape rib =
        BRepPrimAPI_MakeBox(gp_Pnt(2, 29.25, 8), gp_Pnt(78, 30.75, 28)).Shape();
    return BRepAlgoAPI_Fuse(Cut(outside, inside), rib).Shape();
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

TopoDS_Shape Rotated(const TopoDS_Shape& shape, double x, double y, double z, double degrees) {
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(x, y, z)), degrees * M_PI / 180);
    return BRepBuilderAPI_Transform(shape, turn, true).Shape();
}

TopoDS_Shape HolePlate() {
    TopoDS_Shape plate = BRepPrimAPI_MakeBox(60, 40, 10).Shape();
    plate = Cut(
        plate, BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(8, 20, -1), gp_Dir(0, 0, 1)), 3, 12).Shape());
    return Cut(
        plate,
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(30, 20, -1), gp_Dir(0, 0, 1)), 3, 12).Shape());
}

double DrillPointDepth() {
    return 3 / std::tan(59 * std::numbers::pi / 180);
}

TopoDS_Shape SplitHolePlate() {
    return Cut(Plate(), TwoHalves(gp_Pnt(8, 20, -1), 3, 12));
}

TopoDS_Shape DrilledPlate() {
    return Cut(Plate(), Turned({{0, 11}, {3, 11}, {3, 4}, {0, 4 - DrillPointDepth()}}));
}

TopoDS_Shape CountersunkPlate(double rimWidth) {
    const double rim = rimWidth / 2;
    return Cut(Plate(), Turned({{0, -1}, {3, -1}, {3, 10 - (rim - 3)}, {rim + 1, 11}, {0, 11}}));
}

TopoDS_Shape CounterboredPlate() {
    return Cut(Plate(), Turned({{0, -1}, {3, -1}, {3, 6}, {5, 6}, {5, 11}, {0, 11}}));
}

TopoDS_Shape SlotPlate() {
    BRepAlgoAPI_Fuse slot(
        BRepPrimAPI_MakeBox(gp_Pnt(5, 17, -1), gp_Pnt(11, 23, 11)).Shape(),
        Cut(BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(8, 17, -1), gp_Dir(0, 0, 1)), 3, 12).Shape(),
            BRepPrimAPI_MakeBox(gp_Pnt(4, 17, -2), gp_Pnt(12, 24, 12)).Shape()));
    BRepAlgoAPI_Fuse far(
        slot.Shape(),
        Cut(BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(8, 23, -1), gp_Dir(0, 0, 1)), 3, 12).Shape(),
            BRepPrimAPI_MakeBox(gp_Pnt(4, 16, -2), gp_Pnt(12, 23, 12)).Shape()));
    return Cut(Plate(), far.Shape());
}

TopoDS_Shape AsBsplines(const TopoDS_Shape& shape) {
    return BRepBuilderAPI_NurbsConvert(shape, true).Shape();
}

TopoDS_Shape PinPlate(double rootRadius) {
    BRepAlgoAPI_Fuse fuse(Plate(), TwoHalves(gp_Pnt(8, 20, 10), 3, 5));
    if (!fuse.IsDone()) {
        throw std::runtime_error("fuse failed");
    }
    if (rootRadius == 0) {
        return fuse.Shape();
    }
    BRepFilletAPI_MakeFillet fillet(fuse.Shape());
    for (TopExp_Explorer edges(fuse.Shape(), TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        double first = 0, last = 0;
        const gp_Pnt middle = BRep_Tool::Curve(edge, first, last)->Value((first + last) / 2);
        if (std::abs(middle.Z() - 10) < 1e-9 &&
            std::abs(middle.Distance(gp_Pnt(8, 20, 10)) - 3) < 1e-9) {
            fillet.Add(rootRadius, edge);
        }
    }
    fillet.Build();
    if (!fillet.IsDone()) {
        throw std::runtime_error("fillet failed");
    }
    return fillet.Shape();
}

TopoDS_Shape LBlock(double filletRadius, double roundRadius) {
    BRepBuilderAPI_MakePolygon profile;
    for (const auto& [x, z] : std::vector<std::pair<double, double>>{
             {0, 0}, {40, 0}, {40, 10}, {10, 10}, {10, 30}, {0, 30}}) {
        profile.Add(gp_Pnt(x, 0, z));
    }
    profile.Close();
    const TopoDS_Shape block =
        BRepPrimAPI_MakePrism(BRepBuilderAPI_MakeFace(profile.Wire()).Face(), gp_Vec(0, 30, 0))
            .Shape();
    BRepFilletAPI_MakeFillet fillet(block);
    for (TopExp_Explorer edges(block, TopAbs_EDGE); edges.More(); edges.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(edges.Current());
        double first = 0, last = 0;
        const gp_Pnt middle = BRep_Tool::Curve(edge, first, last)->Value((first + last) / 2);
        const bool alongY = std::abs(middle.Y() - 15) < 1e-9;
        if (alongY && filletRadius > 0 && middle.Distance(gp_Pnt(10, 15, 10)) < 1e-9) {
            fillet.Add(filletRadius, edge);
        }
        if (alongY && roundRadius > 0 && middle.Distance(gp_Pnt(10, 15, 30)) < 1e-9) {
            fillet.Add(roundRadius, edge);
        }
    }
    if (fillet.NbContours() == 0) {
        return block;
    }
    fillet.Build();
    if (!fillet.IsDone()) {
        throw std::runtime_error("fillet failed");
    }
    return fillet.Shape();
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
