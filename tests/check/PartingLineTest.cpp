#include <gtest/gtest.h>

#include <BRepAlgoAPI_Cut.hxx>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>

#include "check/ReportFormat.h"
#include "check/ReportPartingLine.h"
#include "check/geometry/PartingLine.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

using check::Point;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// A round cup open below, 40 wide at its opening and 30 high: its outside narrows upward by 2
// degrees, its inside by 1.5 degrees from a radius of 17, under a top 3 thick.
TopoDS_Shape RoundCup() {
    const TopoDS_Shape outside = test_parts::Frustum(20, 20 - 30 * std::tan(Radians(2)), 30);
    const double slope = std::tan(Radians(1.5));
    const TopoDS_Shape inside =
        test_parts::Moved(test_parts::Frustum(17 + slope, 17 - 27 * slope, 28), 0, 0, -1);
    return BRepAlgoAPI_Cut(outside, inside).Shape();
}

struct PartingCase {
    const char* name;
    std::function<TopoDS_Shape()> build;
    bool stl;
    Point pull;
    std::size_t lines;
    bool closed;
    double length;
    // Every point of the line lies on the plane where this coordinate is 0 (the opening's).
    int openingAxis;
    // Round: every point this far from the axis along openingAxis through the origin.
    double radius;
};

std::ostream& operator<<(std::ostream& out, const PartingCase& c) {
    return out << c.name;
}

const double kCircle = 2 * std::numbers::pi * 20;
const double kRectangle = 2 * (80 + 60);

const PartingCase kCases[] = {
    {"ARoundCupsLineIsItsOpeningsOuterCircle", RoundCup, false, {0, 0, 1}, 1, true, kCircle, 2, 20},
    {"TheSameCupAsAnStlGivesOneClosedPolyline", RoundCup, true, {0, 0, 1}, 1, true, kCircle, 2, 20},
    {"ARectangularCupsLineIsItsOpeningsOuterEdges",
     test_parts::DraftedCupWithRib,
     false,
     {0, 0, 1},
     4,
     false,
     kRectangle,
     2,
     0},
    {"ACupOnItsSidePulledAlongX",
     [] { return test_parts::Rotated(test_parts::DraftedCupWithRib(), 0, 1, 0, 90); },
     false,
     {1, 0, 0},
     4,
     false,
     kRectangle,
     0,
     0},
    {"AHoleNeitherHalfReachesAddsNoLine",
     [] { return test_parts::Cup(false, true); },
     false,
     {0, 0, 1},
     4,
     false,
     kRectangle,
     2,
     0},
};

class PartingLineTest : public CheckFixture, public ::testing::WithParamInterface<PartingCase> {};

// The face all of whose triangles lie on the opening's plane.
bool OnOpening(const check::SolidMesh& mesh, std::uint32_t face, int axis) {
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        for (const std::uint32_t v : mesh.triangles[t]) {
            if (mesh.triangleFaces[t] == face && std::abs(mesh.vertices[v][axis]) > 1e-6) {
                return false;
            }
        }
    }
    return true;
}

// The line runs round the opening's outer edge, as long as it within the mesh's chord
// tolerance; on a part with surfaces each stretch is an edge between an outside wall (cavity)
// and the opening's rim (core).
TEST_P(PartingLineTest, RunsRoundTheOpeningsOuterEdge) {
    const PartingCase& c = GetParam();
    const std::filesystem::path part = Path(c.stl ? "cup.stl" : "cup.step");
    if (c.stl) {
        test_parts::WriteStl(c.build(), part);
    } else {
        test_parts::WriteStep(c.build(), part);
    }
    check::CheckOptions options;
    options.pull = c.pull;
    const check::CheckReport report = Check(part, Rules("mm"), options);
    ASSERT_EQ(report.solids.size(), 1u);
    const check::PartingLineReport& parting = report.solids[0].partingLine;
    const Point& low = report.size.low;
    const Point& high = report.size.high;
    const double chord =
        check::kMeshChordShare * std::hypot(high[0] - low[0], high[1] - low[1], high[2] - low[2]);
    EXPECT_EQ(parting.count, c.lines) << check::ReportText(report);
    ASSERT_EQ(parting.lines.size(), c.lines);
    EXPECT_NEAR(parting.length, c.length, 2 * std::numbers::pi * chord);
    double listed = 0;
    std::set<std::uint32_t> edges;
    for (const check::PartingPolyline& line : parting.lines) {
        edges.insert(line.edge);
        EXPECT_EQ(line.closed, c.closed);
        listed += line.length;
        for (const Point& p : line.points) {
            EXPECT_NEAR(p[c.openingAxis], 0, 1e-4);
            if (c.radius > 0) {
                EXPECT_NEAR(std::hypot(p[0], p[1]), c.radius, chord);
            }
        }
        if (c.stl) {
            EXPECT_EQ(line.cavityFace, 0u);
            EXPECT_EQ(line.coreFace, 0u);
        } else {
            EXPECT_FALSE(OnOpening(report.meshes[0], line.cavityFace, c.openingAxis));
            EXPECT_TRUE(OnOpening(report.meshes[0], line.coreFace, c.openingAxis));
        }
    }
    EXPECT_NEAR(listed, parting.length, 1e-9);
    // Each stretch is an edge of its own on a part with surfaces; none on an STL.
    if (c.stl) {
        EXPECT_EQ(edges, std::set<std::uint32_t>{0});
    } else {
        EXPECT_EQ(edges.size(), c.lines);
        EXPECT_FALSE(edges.contains(0));
    }
}

INSTANTIATE_TEST_SUITE_P(Cups, PartingLineTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class PartingSilhouetteTest : public CheckFixture {};

// A ball parts where its one face turns square to the pull, round its equator: one closed line
// across that face, on no edge of the file, as long as the equator within the mesh's tolerance.
TEST_F(PartingSilhouetteTest, ABallPartsRoundItsEquator) {
    test_parts::WriteStep(test_parts::Ball(20), Path("ball.step"));
    const check::CheckReport report = Check(Path("ball.step"), Rules("mm"));
    const check::PartingLineReport& parting = report.solids.at(0).partingLine;
    const double chord = check::kMeshChordShare * 40 * std::sqrt(3.0);
    ASSERT_EQ(parting.lines.size(), 1u) << check::ReportText(report);
    const check::PartingPolyline& line = parting.lines[0];
    EXPECT_TRUE(line.closed);
    EXPECT_EQ(line.cavityFace, line.coreFace);
    EXPECT_EQ(line.edge, 0u);
    EXPECT_NEAR(line.length, kCircle, 2 * std::numbers::pi * chord);
    for (const Point& p : line.points) {
        EXPECT_NEAR(p[2], 0, chord);
    }
}

// A loop thinned within a tolerance keeps fewer points, and every point it lost lies within the
// tolerance of what it kept.
TEST(PartingLineThinning, KeepsTheLoopWithinTheTolerance) {
    check::PartingCurve circle;
    circle.closed = true;
    constexpr int kPoints = 1000;
    for (int i = 0; i < kPoints; ++i) {
        const double angle = 2 * std::numbers::pi * i / kPoints;
        circle.points.push_back({20 * std::cos(angle), 20 * std::sin(angle), 0});
    }
    constexpr double kTolerance = 0.05;
    const check::PartingCurve thinned = check::PartingLine::Simplified(circle, kTolerance);
    EXPECT_TRUE(thinned.closed);
    // No chord of the circle strays less than the tolerance over more than 2 acos(1 - 0.05 / 20)
    // of it: at least 45 points stay.
    EXPECT_LT(thinned.points.size(), 100u);
    EXPECT_GE(thinned.points.size(), 45u);
    const std::size_t kept = thinned.points.size();
    for (const check::Vec3& p : circle.points) {
        double nearest = 1e300;
        for (std::size_t i = 0; i < kept; ++i) {
            const check::Vec3& a = thinned.points[i];
            const check::Vec3 along = thinned.points[(i + 1) % kept] - a;
            const double t = std::clamp((p - a).Dot(along) / along.Dot(along), 0.0, 1.0);
            nearest = std::min(nearest, (p - (a + along * t)).Length());
        }
        EXPECT_LE(nearest, kTolerance);
    }
}

// A zigzag that no thinning shortens, as a flat strip whose triangles alternate cavity and core:
// a line of more points than the report lists is counted and measured but left out.
TEST(PartingLineThinning, ALineOfTooManyPointsIsCountedButNotListed) {
    constexpr std::uint32_t kQuads = check::PartingLineReport::kMostPoints;
    constexpr double kHeight = 1e6;
    check::Part strip;
    strip.faces.resize(2);
    for (std::uint32_t i = 0; i <= kQuads; ++i) {
        strip.vertices.push_back({static_cast<double>(i), 0, 0});
        strip.vertices.push_back({static_cast<double>(i), kHeight, 0});
    }
    strip.vertexNormals.assign(strip.vertices.size(), {0, 0, 1});
    for (std::uint32_t i = 0; i < kQuads; ++i) {
        strip.triangles.push_back({{2 * i, 2 * i + 2, 2 * i + 3}, 0});
        strip.triangles.push_back({{2 * i, 2 * i + 3, 2 * i + 1}, 1});
    }
    std::vector<check::FaceSides> sides(2);
    sides[0].side = check::MouldSide::Cavity;
    sides[1].side = check::MouldSide::Core;
    const check::TriangleAdjacency adjacency(check::TriangleAdjacency::CornerPoints(strip));
    const check::PartingLineReport report =
        check::ReportPartingLine(strip, adjacency, sides, {0, 0, 1}, 0, check::DocumentUnits(0, 0));
    EXPECT_EQ(report.count, 1u);
    EXPECT_TRUE(report.lines.empty());
    // Every quad's diagonal, and every side between two quads.
    const double zigzag = kQuads * std::hypot(1.0, kHeight) + (kQuads - 1) * kHeight;
    EXPECT_NEAR(report.length, zigzag, 1e-9 * zigzag);
}

}  // namespace
