#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "check/ReportFormat.h"
#include "check/geometry/PartReader.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"
#include "tests/check/TestWalls.h"

namespace {

class StlPartsTest : public CheckFixture {
protected:
    // The part checked as an STL meshed coarse, as usual and fine; per density what `pick` finds
    // in the report, sorted by `order`.
    template <class Pick, class Order>
    std::vector<std::vector<check::Finding>> AtThreeDensities(const TopoDS_Shape& shape,
                                                              const std::filesystem::path& rules,
                                                              Pick pick, Order order) {
        std::vector<std::vector<check::Finding>> densities;
        for (const double fineness : {0.5, 1.0, 4.0}) {
            SCOPED_TRACE(fineness);
            test_parts::WriteStl(shape, Path("part.stl"), 1.0, fineness);
            std::vector<check::Finding> found = pick(Check(Path("part.stl"), rules));
            std::ranges::sort(found, {}, order);
            densities.push_back(std::move(found));
        }
        return densities;
    }
};

// Where a finding's face is, to a tenth: finer meshes move a faceted face's centre a little.
std::array<double, 3> Place(const check::Finding& finding) {
    const check::Point& c = finding.geometry.centroid;
    return {std::round(c[0] * 10), std::round(c[1] * 10), std::round(c[2] * 10)};
}

// An STL's faces as a designer sees them: each curved surface one face, fitted with its kind
// and radius, and flat walls apart from the curved faces they meet tangentially.
struct MeshedPart {
    std::string name;
    std::function<TopoDS_Shape()> build;
    // Per face, its surface and radius (zero where it has none), in any order.
    std::vector<std::pair<check::SurfaceKind, double>> faces;
};

TEST_F(StlPartsTest, AnStlsFacesAreItsSurfacesFittedWithTheirKind) {
    using enum check::SurfaceKind;
    const std::vector<MeshedPart> parts{
        {"faceted cylinder",
         [] { return test_parts::Post(10, 20); },
         {{Plane, 0}, {Plane, 0}, {Cylinder, 10}}},
        {"faceted cone",
         [] { return test_parts::Frustum(10, 6, 20); },
         {{Plane, 0}, {Plane, 0}, {Cone, 0}}},
        {"faceted ball", [] { return test_parts::Ball(8); }, {{Sphere, 8}}},
        {"plate with two holes through it",
         [] { return test_parts::HolePlate(); },
         {{Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Cylinder, 3},
          {Cylinder, 3}}},
        {"block with rounded edges, each meeting its walls tangentially",
         [] { return test_parts::FilletedBlock(2, 2, 5, 1); },
         {{Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Plane, 0},
          {Cylinder, 1},
          {Cylinder, 2},
          {Cylinder, 2},
          {Cylinder, 5}}},
    };
    for (const MeshedPart& meshed : parts) {
        SCOPED_TRACE(meshed.name);
        test_parts::WriteStl(meshed.build(), Path("part.stl"));
        const check::Part part = check::PartReader(1.0, {}).Read(Path("part.stl"));
        std::vector<std::pair<check::SurfaceKind, double>> found;
        for (const check::PartFace& face : part.faces) {
            found.emplace_back(face.surface, face.radius);
        }
        std::ranges::sort(found);
        ASSERT_EQ(found.size(), meshed.faces.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].first, meshed.faces[i].first) << i;
            EXPECT_NEAR(found[i].second, meshed.faces[i].second, 0.01 * meshed.faces[i].second);
        }
    }
}

// Every face of the rounded block but its top and bottom has no draft, a finding each, read from
// the fitted surface: so the findings are the same however fine the mesh.
TEST_F(StlPartsTest, AnStlGivesTheSameFacesAndFindingsAtEveryMeshDensity) {
    const auto densities = AtThreeDensities(
        test_parts::FilletedBlock(2, 2, 5, 1), Rules("mm"),
        [](const check::CheckReport& report) {
            EXPECT_EQ(report.solids.at(0).faces, 10u);
            EXPECT_NE(check::ReportText(report).find("(cylinder at "), std::string::npos);
            std::vector<check::Finding> found = FindingsOf(report, "Draft Angle", 1);
            EXPECT_EQ(found.size(), 8u) << check::ReportText(report);
            for (const check::Finding& finding : found) {
                EXPECT_NEAR(finding.value, 0.0, 1e-6);
            }
            return found;
        },
        Place);
    ASSERT_EQ(densities[1].size(), densities[0].size());
    ASSERT_EQ(densities[2].size(), densities[0].size());
    for (std::size_t i = 0; i < densities[0].size(); ++i) {
        const check::FaceGeometry& coarse = densities[0][i].geometry;
        for (const std::vector<check::Finding>& finer : densities) {
            const check::FaceGeometry& fine = finer[i].geometry;
            EXPECT_EQ(fine.surface, coarse.surface);
            EXPECT_NEAR(fine.area, coarse.area, 0.01 * coarse.area);
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_NEAR(fine.centroid[axis], coarse.centroid[axis], 0.05);
                EXPECT_NEAR(fine.normal[axis], coarse.normal[axis], 0.01);
            }
        }
    }
}

// The boss's wall is measured across, whatever the facets the sphere meets: at each density the
// same faces fail, by the same amounts.
TEST_F(StlPartsTest, WallThicknessFindingsAreTheSameAtEveryMeshDensity) {
    const auto rules = Rules("mm", {{"Uniform Thickness", 2045, 1, 1.9},
                                    {"Uniform Thickness", 2046, 1, 2.05},
                                    {"Wall Thickness Variation", 2136, 0, 20}});
    const auto densities = AtThreeDensities(
        test_walls::BossOnFloor(), rules,
        [](const check::CheckReport& report) {
            std::vector<check::Finding> found = FindingsOf(report, "Uniform Thickness", 1);
            for (const check::Finding& finding :
                 FindingsOf(report, "Wall Thickness Variation", 1)) {
                if (finding.what == "thick section") {
                    found.push_back(finding);
                }
            }
            EXPECT_EQ(found.size(), 6u) << check::ReportText(report);
            return found;
        },
        [](const check::Finding& f) { return std::pair(f.what, Place(f)); });
    ASSERT_EQ(densities[1].size(), densities[0].size());
    ASSERT_EQ(densities[2].size(), densities[0].size());
    for (const std::vector<check::Finding>& finer : densities) {
        for (std::size_t i = 0; i < finer.size(); ++i) {
            const check::Finding& coarse = densities[0][i];
            EXPECT_EQ(finer[i].what, coarse.what);
            EXPECT_EQ(finer[i].geometry.surface, coarse.geometry.surface);
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_NEAR(finer[i].geometry.centroid[axis], coarse.geometry.centroid[axis], 0.05);
            }
            // Both cylinders read their wall exactly at every density; the floor under the boss
            // as near to its 3.125 as its samples come.
            const double tolerance = coarse.geometry.surface == "cylinder" ? 0.01 : 0.05;
            EXPECT_NEAR(finer[i].value, coarse.value,
                        tolerance * (coarse.what == "thick section" ? 50 : 1));
        }
    }
}

// Single-precision corners far from the origin put more doubt on a wall's draft than a hundred-
// thousandth of a degree: walls drafted exactly at the limit still meet it.
TEST_F(StlPartsTest, AnStlsRoundOffGivesNoFalseFindingsAtTheLimit) {
    test_parts::WriteStl(
        test_parts::Moved(test_parts::DraftedBlock(1, 1, 1, 1), 2900.3, 1900.7, 1000.1),
        Path("far.stl"));
    const check::CheckReport report =
        Check(Path("far.stl"), Rules("mm", {{"Draft Angle", 2121, 0, 1.0}}));
    EXPECT_TRUE(FindingsOf(report, "Draft Angle", 1).empty()) << check::ReportText(report);
    EXPECT_EQ(report.solids[0].faces, 6u);
}

// A faceted cone drafted 1 degree is one face, read at its axis's draft: one finding, where
// reading it per facet would give one per facet.
TEST_F(StlPartsTest, AFacetedConeIsOneFaceReadAtItsAxissDraft) {
    const double top = 10 - 20 * std::tan(std::numbers::pi / 180);
    test_parts::WriteStl(test_parts::Frustum(10, top, 20), Path("cone.stl"));
    const check::CheckReport report =
        Check(Path("cone.stl"), Rules("mm", {{"Draft Angle", 2121, 0, 2.0}}));
    const std::vector<check::Finding> found = FindingsOf(report, "Draft Angle", 1);
    ASSERT_EQ(found.size(), 1u) << check::ReportText(report);
    EXPECT_NEAR(found[0].value, 1.0, 1e-3);
    EXPECT_EQ(found[0].geometry.surface, "cone");
    EXPECT_NEAR(found[0].geometry.area, std::numbers::pi * (10 + top) * std::hypot(20, 10 - top),
                0.01 * found[0].geometry.area);
}

}  // namespace
