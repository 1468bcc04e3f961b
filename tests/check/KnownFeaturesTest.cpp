#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

#include "check/geometry/PartReader.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"
#include "tests/check/TestWalls.h"

namespace {

class KnownFeaturesTest : public CheckFixture {
protected:
    check::Part Read(const TopoDS_Shape& shape) {
        test_parts::WriteStep(shape, Path("part.step"));
        return check::PartReader(1.0, {}).Read(Path("part.step"));
    }
};

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

struct KnownFeatures {
    std::string name;
    std::function<TopoDS_Shape()> build;
    std::vector<check::PartHole> holes;  // face and start not compared
    std::size_t fillets;
    std::size_t rounds;
};

TEST_F(KnownFeaturesTest, HolesAndBlendsAreTheKnownOnes) {
    using enum check::HoleEntry;
    const check::Vec3 up{0, 0, 1};
    const std::vector<KnownFeatures> parts{
        {"hole of one face",
         [] { return test_parts::HolePlate(); },
         {{0, 1, {}, up, 6, 10, 0, 0, 1, Plain}, {0, 1, {}, up, 6, 10, 0, 0, 1, Plain}},
         0,
         0},
        {"two half-cylinders",
         [] { return test_parts::SplitHolePlate(); },
         {{0, 2, {}, up, 6, 10, 0, 0, 1, Plain}},
         0,
         0},
        {"drilled",
         [] { return test_parts::DrilledPlate(); },
         {{0, 2, {}, up, 6, 6 + test_parts::DrillPointDepth(), 0, 0, 0, Plain}},
         0,
         0},
        {"countersunk",
         [] { return test_parts::CountersunkPlate(); },
         {{0, 2, {}, up, 6, 10, 0, 0, 1, Countersink}},
         0,
         0},
        // Its rim only 7 wide: a chamfer that breaks the edge.
        {"chamfered",
         [] { return test_parts::CountersunkPlate(7); },
         {{0, 2, {}, up, 6, 10, 0, 0, 1, Chamfer}},
         0,
         0},
        // Two cylinders joined by a flat step: one hole, not two.
        {"counterbored",
         [] { return test_parts::CounterboredPlate(); },
         {{0, 2, {}, up, 6, 10, 10, 4, 1, Plain}},
         0,
         0},
        {"pin", [] { return test_parts::PinPlate(0); }, {}, 0, 0},
        {"fillet and round", [] { return test_parts::LBlock(2, 1); }, {}, 1, 1},
        {"pin's root filleted in two halves", [] { return test_parts::PinPlate(0.5); }, {}, 2, 0},
        {"fillet and round as B-splines",
         [] { return test_parts::AsBsplines(test_parts::LBlock(2, 1)); },
         {},
         1,
         1},
        {"slot", [] { return test_parts::SlotPlate(); }, {}, 0, 0},
    };
    for (const KnownFeatures& known : parts) {
        SCOPED_TRACE(known.name);
        const check::Part part = Read(known.build());
        ASSERT_EQ(part.holes.size(), known.holes.size());
        for (std::size_t i = 0; i < part.holes.size(); ++i) {
            const check::PartHole& hole = part.holes[i];
            const check::PartHole& wanted = known.holes[i];
            EXPECT_EQ(hole.faceCount, wanted.faceCount);
            EXPECT_NEAR(std::abs(hole.direction.Dot(wanted.direction)), 1, 1e-9);
            EXPECT_NEAR(hole.diameter, wanted.diameter, 1e-6);
            EXPECT_NEAR(hole.depth, wanted.depth, 1e-6);
            EXPECT_NEAR(hole.counterboreDiameter, wanted.counterboreDiameter, 1e-6);
            EXPECT_NEAR(hole.counterboreDepth, wanted.counterboreDepth, 1e-6);
            EXPECT_EQ(hole.through, wanted.through);
            EXPECT_EQ(hole.entry, wanted.entry);
            EXPECT_NEAR(hole.start.y, 20, 1e-6);
        }
        const auto count = [&](bool check::PartFace::*flag) {
            return static_cast<std::size_t>(std::ranges::count_if(part.faces, flag));
        };
        EXPECT_EQ(count(&check::PartFace::blend), known.fillets);
        EXPECT_EQ(count(&check::PartFace::round), known.rounds);
    }
}

struct KnownRib {
    std::string name;
    std::function<TopoDS_Shape()> build;
    double thickness;
    double height;
    double rootRadius;
    double draft;
};

// Each rib stands upright; the cup's hangs from its inside top and its ends meet its walls.
TEST_F(KnownFeaturesTest, RibsAreTheKnownOnes) {
    const std::vector<KnownRib> ribs{
        {"sharp, near the edge", [] { return test_walls::RibOnFloor(4.1); }, 1.2, 15, 0, 0},
        {"filleted 0.5", [] { return test_walls::RibOnFloor(30, 0.5); }, 1.2, 15, 0.5, 0},
        {"drafted", [] { return test_walls::DraftedRibOnFloor(); }, 1.3, 15, 0,
         Degrees(std::atan(0.3 / 15))},
        {"across a cup", [] { return test_parts::DraftedCupWithRib(); }, 1.5, 19, 0, 0},
    };
    for (const KnownRib& known : ribs) {
        SCOPED_TRACE(known.name);
        const check::Part part = Read(known.build());
        ASSERT_EQ(part.ribs.size(), 1u);
        const check::PartRib& rib = part.ribs[0];
        EXPECT_NEAR(rib.thickness, known.thickness, 1e-6);
        EXPECT_NEAR(rib.height, known.height, 1e-6);
        EXPECT_NEAR(rib.rootRadius, known.rootRadius, 1e-6);
        EXPECT_NEAR(rib.draft, known.draft, 1e-6);
        EXPECT_NEAR(rib.angle, 90, 1e-6);
        EXPECT_EQ(part.faces[rib.side].surface, check::SurfaceKind::Plane);
        EXPECT_EQ(part.faces[rib.base].surface, check::SurfaceKind::Plane);
    }
}

struct KnownBoss {
    std::string name;
    std::function<TopoDS_Shape()> build;
    // None where the part has no boss.
    std::optional<check::PartBoss> boss;  // faces not compared
};

// Each boss stands on the top of its floor or plate: its foot there, its axis up.
TEST_F(KnownFeaturesTest, BossesAreTheKnownOnes) {
    const auto boss = [](double x, double y, double z, double outer, double inner, double height,
                         double root, double draft) {
        return check::PartBoss{0, 0, {x, y, z}, {0, 0, 1}, outer, inner, height, root, draft};
    };
    const std::vector<KnownBoss> parts{
        {"hollow, one face", [] { return test_walls::BossOnFloor(); },
         boss(30, 20, 2, 10, 4, 12, 0, 0)},
        {"hollow, two half-cylinders, root filleted 1",
         [] { return test_walls::SplitBossOnFloor(); }, boss(30, 20, 2, 10, 4, 12, 1, 0)},
        {"drafted", [] { return test_walls::DraftedBossOnFloor(); },
         boss(30, 20, 2, 10, 0, 12, 0, Degrees(std::atan(0.5 / 12)))},
        {"pin in two halves, root filleted 0.5", [] { return test_parts::PinPlate(0.5); },
         boss(8, 20, 10, 6, 0, 5, 0.5, 0)},
        // It stands on no wall.
        {"pin that is the whole part", [] { return test_parts::Post(3, 10); }, std::nullopt},
        // Its cylinder bends towards the air.
        {"hole", [] { return test_parts::SplitHolePlate(); }, std::nullopt},
    };
    for (const KnownBoss& known : parts) {
        SCOPED_TRACE(known.name);
        const check::Part part = Read(known.build());
        ASSERT_EQ(part.bosses.size(), known.boss ? 1u : 0u);
        if (!known.boss) {
            continue;
        }
        const check::PartBoss& found = part.bosses[0];
        const check::PartBoss& wanted = *known.boss;
        EXPECT_NEAR((found.foot - wanted.foot).Length(), 0, 1e-6);
        EXPECT_NEAR(found.direction.Dot(wanted.direction), 1, 1e-9);
        EXPECT_NEAR(found.outerDiameter, wanted.outerDiameter, 1e-6);
        EXPECT_NEAR(found.innerDiameter, wanted.innerDiameter, 1e-6);
        EXPECT_NEAR(found.height, wanted.height, 1e-6);
        EXPECT_NEAR(found.rootRadius, wanted.rootRadius, 1e-6);
        EXPECT_NEAR(found.draft, wanted.draft, 1e-6);
        EXPECT_EQ(part.faces[found.base].surface, check::SurfaceKind::Plane);
    }
}

}  // namespace
