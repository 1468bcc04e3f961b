#pragma once

#include <TopoDS_Shape.hxx>
#include <gp_Pnt.hxx>

#include <filesystem>
#include <string>

// Parts whose answers are known, built with OpenCASCADE, in millimetres.
namespace test_parts {

// A 40 x 30 x 20 block on the XY plane whose four sides lean inward towards +Z by these
// angles in degrees (x = 0, x = 40, y = 0, y = 30 sides).
TopoDS_Shape DraftedBlock(double xLow, double xHigh, double yLow, double yHigh);

// An 80 x 60 x 30 box open at the bottom with walls 3 thick; a 20 x 20 pocket 2 deep in the
// middle of the top leaves a 1 thick patch. With sideHole, a 6 wide hole through the x = 0 wall
// at mid height.
TopoDS_Shape Cup(bool pocket, bool sideHole);

// The same box without pocket or hole, its inside widening upward by 1 degree on every side:
// the inside walls have reverse draft for the core.
TopoDS_Shape ReverseDraftedCup();

// An 80 x 60 x 30 cup open at the bottom, its outside drafted 2 degrees and its inside 1.5
// degrees for the core, with a 1.5 thick rib without draft across the inside at y = 30, from
// 8 above the opening up to the top.
TopoDS_Shape DraftedCupWithRib();

// A 40 x 30 x 20 block whose four vertical edges are rounded with these radii.
TopoDS_Shape FilletedBlock(double r1, double r2, double r3, double r4);

// A 60 x 40 x 10 plate with two 6 wide holes through it: one centred 8 from the x = 0 edge
// (its rim 5 from the edge), one in the middle (17 from the nearest edge).
TopoDS_Shape HolePlate();

// The hole plate's holes as other systems write them, each 6 wide and centred 8 from the x = 0
// edge at y = 20 of a 60 x 40 x 10 plate:
// a through hole written as two half-cylinders;
TopoDS_Shape SplitHolePlate();
// a drilled hole 6 deep from the top with a 118 degree point;
TopoDS_Shape DrilledPlate();
// a through hole with a 90 degree countersink this wide at the top (10: its rim 3 from the
// edge);
TopoDS_Shape CountersunkPlate(double rimWidth = 10);
// a through hole 6 wide counterbored 10 wide and 4 deep from the top (its rim 3 from the edge);
TopoDS_Shape CounterboredPlate();
// and, where the hole would be, a pin 5 high standing on the plate, written as two halves, its
// root filleted with this radius (0: sharp).
TopoDS_Shape PinPlate(double rootRadius);
// A 6 wide slot through the plate from (8, 14) to (8, 26), its ends half-cylinders tangent to
// its sides.
TopoDS_Shape SlotPlate();
// The drill point's depth below the drilled hole's cylinder.
double DrillPointDepth();

// An L: a 40 x 30 x 10 base with a 10 thick upright 20 high along its x = 0 end. Its inside
// corner is filleted with filletRadius and the upright's outer top edge rounded with
// roundRadius; a radius of 0 leaves the edge sharp.
TopoDS_Shape LBlock(double filletRadius, double roundRadius);

// The shape with every surface written as a B-spline.
TopoDS_Shape AsBsplines(const TopoDS_Shape& shape);

// An assembly of two solids: the cup without pocket or hole, and a 20 x 20 x 1.6 board inside it
// under its top (from z = 10), which the cup's core could not reach were they one part.
TopoDS_Shape CupOverBoard();

// The shell of a 10 cube from (x, 0, 0) without one of its faces: four edges bound one face
// only.
TopoDS_Shape OpenBox(double x);

// The block drafted 1 degree on every side, and beside it two shells outside any solid: the open
// box (at x = 50) and a whole 10 cube's (at x = 80).
TopoDS_Shape BlockBesideOpenBox();

// A cylinder of this radius and height standing on the XY plane at the origin.
TopoDS_Shape Post(double radius, double height);
// A cone cut square to its axis (Z): radius bottom on the XY plane, radius top at this height.
TopoDS_Shape Frustum(double bottom, double top, double height);
// A ball of this radius round the origin.
TopoDS_Shape Ball(double radius);
// The shape moved by this offset.
TopoDS_Shape Moved(const TopoDS_Shape& shape, double x, double y, double z);
// The shape turned by this angle in degrees round an axis through the origin.
TopoDS_Shape Rotated(const TopoDS_Shape& shape, double x, double y, double z, double degrees);

// A cylinder on the Z axis through this point, of this radius and height, written as two
// half-cylinders.
TopoDS_Shape TwoHalves(const gp_Pnt& base, double radius, double height);

// A single square face: no solid.
TopoDS_Shape LoneFace();

// Hostile STEP files, as text. A point whose coordinates sit in a list nested this deep: the
// reader recurses once a level.
std::string NestedListStep(int depth);
// A solid whose one face is bounded by an edge that is itself: the reader follows it for ever.
std::string SelfReferencingEdgeStep();

// Writes a STEP file in this unit ("MM", "INCH").
void WriteStep(const TopoDS_Shape& shape, const std::filesystem::path& path,
               const std::string& unit = "MM");
// Writes an IGES file of the solid, in millimetres.
void WriteIges(const TopoDS_Shape& shape, const std::filesystem::path& path);
// Writes a binary STL of the shape's mesh, its coordinates divided by unitInMillimetres; a finer
// mesh the larger fineness is (its deflections divided by it).
void WriteStl(const TopoDS_Shape& shape, const std::filesystem::path& path,
              double unitInMillimetres = 1.0, double fineness = 1.0);

}  // namespace test_parts
