#pragma once

#include <TopoDS_Shape.hxx>

// Parts whose mould halves and undercuts are known, built with OpenCASCADE, in millimetres.
namespace test_mould_parts {

// A 40 x 40 x 4 plate under the XY plane, centred on the Z axis; on it a post of radius 4 up
// into a ball of radius 8 whose surface meets the post at height 10, the post joined to the
// ball by a fillet of radius 2 tangent to both.
TopoDS_Shape PostUnderBall();

// What neither half reaches along Z: the post's side under the fillet, the fillet, the ball
// below its equator down to the fillet, and the plate's top in the ball's shadow, in mm².
double PostUnderBallUndercut();

}  // namespace test_mould_parts
