#pragma once

#include <TopoDS_Shape.hxx>

// Parts whose wall thickness is known, built with OpenCASCADE, in millimetres.
namespace test_walls {

// A 60 x 40 floor 2 thick on the XY plane with a rib 1.2 thick, 15 high and 30 long (from
// y = 5 to y = 35) standing on it, centred at this x. Under the rib the largest sphere in the
// floor is 2 + 0.6² / 2 = 2.18 across at most; along the rib the floor is 17.
// Its root filleted with this radius along the rib's sides and ends.
TopoDS_Shape RibOnFloor(double x, double rootRadius = 0);

// The floor with a rib drafted on both sides standing in its middle: 1.6 thick at its root, 1
// at its top 15 above the floor (1.3 halfway up), its sides drafted atan(0.3 / 15).
TopoDS_Shape DraftedRibOnFloor();

// The same floor with a hollow boss standing in its middle: 10 wide outside, 4 inside, 12 high,
// its hole reaching down to the floor. Its wall is 3 thick; under its wall the largest sphere
// is 2 + 1.5² / 2 = 3.125 across at most.
TopoDS_Shape BossOnFloor();

// The floor with a boss as a CAD system writes it: its outer side two half-cylinders 10 wide,
// 12 high, its root filleted 1, a hole 4 wide down to the floor in it.
TopoDS_Shape SplitBossOnFloor();

// The floor with a solid boss drafted on its outer side: 10 wide at the floor, 9 at its top
// 12 above, its root sharp.
TopoDS_Shape DraftedBossOnFloor();

// A channel 60 wide and 40 long: a base 4 thick with walls 2 thick and 15 high along its two
// long edges, written as one profile so that each flat side is one face.
TopoDS_Shape Channel();

}  // namespace test_walls
