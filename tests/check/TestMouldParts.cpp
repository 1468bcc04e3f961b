#include "tests/check/TestMouldParts.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Circ.hxx>

#include <cmath>
#include <numbers>

namespace test_mould_parts {
namespace {

constexpr double kPost = 4;
constexpr double kBall = 8;
constexpr double kFillet = 2;
constexpr double kMeet = 10;

double BallCentre() {
    return kMeet + std::sqrt(kBall * kBall - kPost * kPost);
}

}  // namespace

TopoDS_Shape PostUnderBall() {
    const TopoDS_Shape plate = BRepPrimAPI_MakeBox(gp_Pnt(-20, -20, -4), 40, 40, 4).Shape();
    const TopoDS_Shape post = BRepPrimAPI_MakeCylinder(kPost, kMeet + 2).Shape();
    const TopoDS_Shape ball = BRepPrimAPI_MakeSphere(gp_Pnt(0, 0, BallCentre()), kBall).Shape();
    const TopoDS_Shape joined =
        BRepAlgoAPI_Fuse(BRepAlgoAPI_Fuse(plate, post).Shape(), ball).Shape();
    BRepFilletAPI_MakeFillet fillet(joined);
    for (TopExp_Explorer edges(joined, TopAbs_EDGE); edges.More(); edges.Next()) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(edges.Current()));
        if (curve.GetType() == GeomAbs_Circle && std::abs(curve.Circle().Radius() - kPost) < 1e-9 &&
            std::abs(curve.Circle().Location().Z() - kMeet) < 1e-9) {
            fillet.Add(kFillet, TopoDS::Edge(edges.Current()));
        }
    }
    return fillet.Shape();
}

double PostUnderBallUndercut() {
    const double pi = std::numbers::pi;
    // The fillet's tube runs round the axis at kPost + kFillet, touching the ball where the
    // line from the ball's centre to the tube's centre crosses the ball.
    const double tube = kPost + kFillet;
    const double tubeHeight = BallCentre() - std::sqrt(std::pow(kBall + kFillet, 2) - tube * tube);
    const double turn = std::atan2(BallCentre() - tubeHeight, tube);
    const double touchHeight = tubeHeight + kFillet * std::sin(turn);
    const double postSide = 2 * pi * kPost * tubeHeight;
    const double filletArea = 2 * pi * kFillet * (tube * turn - kFillet * std::sin(turn));
    const double ballBelow = 2 * pi * kBall * (BallCentre() - touchHeight);
    const double shadow = pi * (kBall * kBall - kPost * kPost);
    return postSide + filletArea + ballBelow + shadow;
}

}  // namespace test_mould_parts
