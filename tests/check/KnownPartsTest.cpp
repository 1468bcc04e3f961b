#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <iterator>
#include <numbers>
#include <optional>

#include <pugixml.hpp>

#include "check/CheckError.h"
#include "check/ReportFormat.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestMouldParts.h"
#include "tests/check/TestParts.h"
#include "tests/check/TestWalls.h"

namespace {

struct Expected {
    double value;
    double tolerance;
    std::string what;
    // Compared where given.
    std::optional<double> limit{};
};

struct KnownPart {
    std::string name;
    std::function<TopoDS_Shape()> build;
    std::vector<CheckFixture::Value> values;
    // The findings of each rule under test, in any order.
    std::vector<std::pair<std::string, std::vector<Expected>>> findings;
};

const double kSideHoleArea = 2 * std::numbers::pi * 3 * 3;

const std::vector<CheckFixture::Value> kNoThinWalls{{"Uniform Thickness", 2045, 1, 1},
                                                    {"Uniform Thickness", 2046, 1, 100}};
const std::vector<CheckFixture::Value> kRibLimits{{"Uniform Thickness", 2045, 1, 1.5},
                                                  {"Uniform Thickness", 2046, 1, 2.5}};
const std::vector<std::pair<std::string, std::vector<Expected>>> kRibFindings{
    {"Uniform Thickness", {{1.2, 1e-6, "minimum"}, {1.2, 1e-6, "minimum"}}},
    {"Wall Thickness Variation", {{200.0 / 3, 1e-3, ""}, {200.0 / 3, 1e-3, ""}}}};

// The floor under the rib is 2 thick: the root's radius must be at least 0.5 x 2, and the
// default table allows 4 high on a wall of 0.5 and more.
const std::string kOnTheFloor = "rib on a wall 2 thick";
const std::pair<std::string, std::vector<Expected>> kTooTall{"Rib Height for Thickness",
                                                             {{15, 1e-6, kOnTheFloor, 4}}};

const std::vector<KnownPart>& KnownParts() {
    static const std::vector<KnownPart> parts{
        {"block drafted at 0.3, 1 and 5 degrees",
         [] { return test_parts::DraftedBlock(0.3, 1, 5, 5); },
         {},
         {{"Draft Angle", {{0.3, 0.001, "cavity side"}, {1.0, 0.001, "cavity side"}}},
          {"Undercut Detection", {}}}},
        {"block drafted at 0.3, 1 and 5 degrees, cavity limit 0.5",
         [] { return test_parts::DraftedBlock(0.3, 1, 5, 5); },
         {{"Draft Angle", 2121, 0, 0.5}},
         {{"Draft Angle", {{0.3, 0.001, "cavity side"}}}}},
        {"cup whose inside has 1 degree of reverse draft",
         [] { return test_parts::ReverseDraftedCup(); },
         {},
         {{"Draft Angle",
           {{-1.0, 0.001, "core side"},
            {-1.0, 0.001, "core side"},
            {-1.0, 0.001, "core side"},
            {-1.0, 0.001, "core side"},
            {0.0, 0.001, "both sides"},
            {0.0, 0.001, "both sides"},
            {0.0, 0.001, "both sides"},
            {0.0, 0.001, "both sides"}}},
          {"Undercut Detection", {}}}},
        // The patch is 1 thick between the pocket's bottom and the inside top: both its faces
        // meet the 3 wall around it.
        {"shell 3 thick with a 1 thick patch",
         [] { return test_parts::Cup(true, false); },
         {},
         {{"Uniform Thickness", {{1.0, 0.001, "minimum"}, {1.0, 0.001, "minimum"}}},
          {"Wall Thickness Variation", {{200.0, 0.5, ""}, {200.0, 0.5, ""}}},
          {"Undercut Detection", {}}}},
        {"shell 3 thick, maximum 2.5",
         [] { return test_parts::Cup(false, false); },
         {{"Uniform Thickness", 2046, 1, 2.5}},
         {{"Wall Thickness Variation", {}}}},
        // Under the rib the floor is 2 to 2.18 thick, never the 17 along the rib; the rib's sides
        // are 1.2 and meet the floor's 2.
        {"rib on a floor, in the middle", [] { return test_walls::RibOnFloor(30); }, kRibLimits,
         kRibFindings},
        {"rib on a floor, off the middle", [] { return test_walls::RibOnFloor(15.3); }, kRibLimits,
         kRibFindings},
        {"rib on a floor, near its edge", [] { return test_walls::RibOnFloor(4.1); }, kRibLimits,
         kRibFindings},
        {"rib on a floor, its root sharp",
         [] { return test_walls::RibOnFloor(30); },
         {},
         {{"Minimum Rib Edge Radius", {{0, 0, kOnTheFloor, 1}}}, kTooTall}},
        {"rib on a floor, its root filleted 0.5",
         [] { return test_walls::RibOnFloor(30, 0.5); },
         {},
         {{"Minimum Rib Edge Radius", {{0.5, 1e-6, kOnTheFloor, 1}}}, kTooTall}},
        {"rib near the floor's edge, its root filleted 1.5",
         [] { return test_walls::RibOnFloor(4.1, 1.5); },
         {},
         {{"Minimum Rib Edge Radius", {}}, kTooTall}},
        {"rib drafted on a floor, its root sharp, ratio 0",
         [] { return test_walls::DraftedRibOnFloor(); },
         {{"Minimum Rib Edge Radius", 2237, 0, 0}},
         {{"Minimum Rib Edge Radius", {}}, kTooTall}},
        // The rib stands upright, at 90 degrees to its wall: outside ranges ending at 89 it is
        // not held to the ratio, unless the ranges are switched off.
        {"upright rib, the angle ranges ending at 89",
         [] { return test_walls::RibOnFloor(30); },
         {{"Minimum Rib Edge Radius", 2247, 1, 89}},
         {{"Minimum Rib Edge Radius", {}}}},
        {"upright rib, the angle ranges ending at 89 but switched off",
         [] { return test_walls::RibOnFloor(30); },
         {{"Minimum Rib Edge Radius", 2247, 1, 89}, {"Minimum Rib Edge Radius", 2238, 0, 0}},
         {{"Minimum Rib Edge Radius", {{0, 0, kOnTheFloor, 1}}}}},
        // The channel's walls stand at the base's edges, the boss is round: no ribs.
        {"channel",
         [] { return test_walls::Channel(); },
         {},
         {{"Minimum Rib Edge Radius", {}}, {"Rib Height for Thickness", {}}}},
        {"boss",
         [] { return test_walls::BossOnFloor(); },
         {},
         {{"Minimum Rib Edge Radius", {}}, {"Rib Height for Thickness", {}}}},
        // The boss's wall is 3 across, measured on both its sides; under it the floor is 3.125
        // at most (less by how far the nearest sample falls from the middle of its wall), never
        // the 14 along the boss.
        {"boss 3 thick on a 2 floor, limits 1.9 and 3.2",
         [] { return test_walls::BossOnFloor(); },
         {{"Uniform Thickness", 2045, 1, 1.9}, {"Uniform Thickness", 2046, 1, 3.2}},
         {{"Uniform Thickness", {}}}},
        {"boss 3 thick on a 2 floor, limits 1.9 and 2.05",
         [] { return test_walls::BossOnFloor(); },
         {{"Uniform Thickness", 2045, 1, 1.9}, {"Uniform Thickness", 2046, 1, 2.05}},
         {{"Uniform Thickness",
           {{3.0, 0.01, "maximum"}, {3.0, 0.01, "maximum"}, {3.0, 0.125, "maximum"}}}}},
        // A sphere on a round or at a rim is held by the faces beside it, not by its wall: no
        // reading there, where a ray or a small sphere would read a fraction of a millimetre.
        {"rounds of 2, 2, 0.15 and 0.05, minimum 1",
         [] { return test_parts::FilletedBlock(2, 2, 0.15, 0.05); },
         kNoThinWalls,
         {{"Uniform Thickness", {}}}},
        {"inside corner filleted 2, outside edge rounded 1, minimum 1",
         [] { return test_parts::LBlock(2, 1); },
         kNoThinWalls,
         {{"Uniform Thickness", {}}}},
        // A 4 base meeting 2 walls: the base's faces are 100% thicker than the walls' faces
        // they meet at right angles.
        {"4 base meeting 2 walls, variation 50%",
         [] { return test_walls::Channel(); },
         {{"Wall Thickness Variation", 2136, 0, 50}},
         {{"Wall Thickness Variation",
           {{100.0, 1e-6, ""}, {100.0, 1e-6, ""}, {100.0, 1e-6, ""}, {100.0, 1e-6, ""}}}}},
        // Rounding the outside edges of a block makes no fillets.
        {"pin's root filleted 0.5 in two halves",
         [] { return test_parts::PinPlate(0.5); },
         {},
         {{"Fillet Radius", {{0.5, 1e-6, "largest"}, {0.5, 1e-6, "largest"}}}}},
        {"rounds of 2, 2, 0.15 and 0.05",
         [] { return test_parts::FilletedBlock(2, 2, 0.15, 0.05); },
         {},
         {{"Fillet Radius", {}}}},
        {"inside corner filleted 2, outside edge rounded 1",
         [] { return test_parts::LBlock(2, 1); },
         {},
         {{"Fillet Radius", {{2.0, 1e-6, "largest"}}}}},
        {"inside corner filleted 2, outside edge rounded 1, as B-splines",
         [] { return test_parts::AsBsplines(test_parts::LBlock(2, 1)); },
         {},
         {{"Fillet Radius", {{2.0, 1e-6, "largest"}}}}},
        // Its ends are tangent to its sides, which face each other: neither fillets nor a hole.
        {"slot, limit 10",
         [] { return test_parts::SlotPlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {}}, {"Fillet Radius", {}}}},
        {"inside corner filleted 0.15, limits 0.1 and 0.2",
         [] { return test_parts::LBlock(0.15, 0); },
         {},
         {{"Fillet Radius", {}}}},
        {"sharp inside corner",
         [] { return test_parts::LBlock(0, 1); },
         {},
         {{"Fillet Radius", {{0.0, 0, "sharp inside corner of 90 degrees"}}}}},
        {"hole written as two half-cylinders, limit 10",
         [] { return test_parts::SplitHolePlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{5.0, 1e-6, ""}}}, {"Fillet Radius", {}}}},
        {"drilled hole with a point, limit 10",
         [] { return test_parts::DrilledPlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{5.0, 1e-6, ""}}}, {"Fillet Radius", {}}}},
        // The countersink's rim is the hole's nearest to the edge.
        {"countersunk hole, limit 10",
         [] { return test_parts::CountersunkPlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{3.0, 1e-6, ""}}}, {"Fillet Radius", {}}}},
        // The counterbore's rim is the hole's nearest to the edge; its step lies inside the hole.
        {"counterbored hole, limit 10",
         [] { return test_parts::CounterboredPlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{3.0, 1e-6, ""}}}}},
        // A pin's halves are neither a hole nor fillets; its root meets the plate sharp.
        {"pin written as two halves, limit 10",
         [] { return test_parts::PinPlate(0); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {}},
          {"Fillet Radius",
           {{0.0, 0, "sharp inside corner of 90 degrees"},
            {0.0, 0, "sharp inside corner of 90 degrees"}}}}},
        {"holes 5 and 17 from the edge, limit 10",
         [] { return test_parts::HolePlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{5.0, 1e-6, ""}}}, {"Fillet Radius", {}}}},
        {"holes 5 and 17 from the edge, default limit",
         [] { return test_parts::HolePlate(); },
         {},
         {{"Hole to Part Edge Distance", {}}}},
        // Neither half reaches the hole, flanks included: a slide from outside the wall does,
        // travelling the wall's 3.
        {"side hole through a wall",
         [] { return test_parts::Cup(false, true); },
         {},
         {{"Undercut Detection", {{kSideHoleArea, 0.01 * kSideHoleArea, "released along -X"}}},
          {"Undercut Interference", {{3.0, 1e-6, "required gap, along -X"}}}}},
        {"side hole through a wall, die at least 7 thick, gap up to 3",
         [] { return test_parts::Cup(false, true); },
         {{"Undercut Interference", 2178, 0, 7}, {"Undercut Interference", 2180, 0, 3}},
         {{"Undercut Interference", {{6.0, 0.05, "die thickness, along -X"}}}}},
        // The fillet, tangent to the post, does not let the cavity up past the ball; the plate
        // stops the core. No one slide releases the ring.
        {"post under a ball joined by a tangent fillet",
         [] { return test_mould_parts::PostUnderBall(); },
         {},
         {{"Undercut Detection",
           {{test_mould_parts::PostUnderBallUndercut(),
             0.01 * test_mould_parts::PostUnderBallUndercut(), "no one side releases it"}}}}},
        // Walls without draft that both halves reach: held against the smaller limit, here the
        // core's 0, which they meet.
        {"block without draft, core limit 0",
         [] { return test_parts::DraftedBlock(0, 0, 0, 0); },
         {{"Draft Angle", 2120, 0, 0}},
         {{"Draft Angle", {}}}},
        {"block without draft, cavity limit 0.2",
         [] { return test_parts::DraftedBlock(0, 0, 0, 0); },
         {{"Draft Angle", 2121, 0, 0.2}},
         {{"Draft Angle",
           {{0.0, 1e-9, "both sides"},
            {0.0, 1e-9, "both sides"},
            {0.0, 1e-9, "both sides"},
            {0.0, 1e-9, "both sides"}}}}},
        // The parting line runs round its equator: no draft there to hold against a limit.
        {"ball parted at its equator",
         [] { return test_parts::Ball(10); },
         {},
         {{"Draft Angle", {}}, {"Undercut Detection", {}}}},
        // The fillet and the round turn square to the pull where they meet the walls: their
        // drafts read 0 there, as the walls'.
        {"fillet and round tangent to walls without draft",
         [] { return test_parts::LBlock(2, 1); },
         {},
         {{"Draft Angle",
           {{0.0, 1e-6, "both sides"},
            {0.0, 1e-6, "both sides"},
            {0.0, 1e-6, "both sides"},
            {0.0, 1e-6, "both sides"},
            {0.0, 1e-6, "cavity side"},
            {0.0, 1e-6, "cavity side"},
            {0.0, 1e-6, "cavity side"}}}}},
    };
    return parts;
}

class KnownPartsTest : public CheckFixture {};

TEST_F(KnownPartsTest, FindingsMatchTheKnownAnswers) {
    for (const KnownPart& known : KnownParts()) {
        SCOPED_TRACE(known.name);
        const std::filesystem::path part = Path("part.step");
        test_parts::WriteStep(known.build(), part);
        const check::CheckReport report = Check(part, Rules("mm", known.values));
        for (const auto& [name, expected] : known.findings) {
            const check::RuleResult& rule = Rule(report, name);
            ASSERT_TRUE(rule.checked) << name << ": " << rule.reason;
            ASSERT_EQ(rule.findings.size(), expected.size()) << check::ReportText(report);
            std::vector<check::Finding> found = rule.findings;
            std::ranges::sort(found, {}, [](const check::Finding& finding) {
                return std::pair(finding.value, finding.what);
            });
            std::vector<Expected> wanted = expected;
            std::ranges::sort(wanted, {}, [](const Expected& expected) {
                return std::pair(expected.value, expected.what);
            });
            for (std::size_t i = 0; i < found.size(); ++i) {
                EXPECT_NEAR(found[i].value, wanted[i].value, wanted[i].tolerance)
                    << name << "\n"
                    << check::ReportText(report);
                EXPECT_EQ(found[i].what, wanted[i].what) << name << "\n"
                                                         << check::ReportText(report);
                if (wanted[i].limit) {
                    EXPECT_NEAR(found[i].limit, *wanted[i].limit, 1e-6) << name;
                }
                EXPECT_EQ(found[i].severity, rule.severity);
            }
        }
    }
}

// The part's nominal wall is its 2 floor: the boss's 3 wall, on each side, and the floor under
// it are thicker by more than 20%, each a region of its own.
TEST_F(KnownPartsTest, ThickSectionsAreTheRegionsThickerThanTheNominalWall) {
    const std::filesystem::path part = Path("boss.step");
    test_parts::WriteStep(test_walls::BossOnFloor(), part);
    const check::CheckReport report =
        Check(part, Rules("mm", {{"Wall Thickness Variation", 2136, 0, 20}}));
    std::vector<check::Finding> thick;
    std::ranges::copy_if(
        FindingsOf(report, "Wall Thickness Variation", 1), std::back_inserter(thick),
        [](const check::Finding& finding) { return finding.what == "thick section"; });
    ASSERT_EQ(thick.size(), 3u) << check::ReportText(report);
    for (const check::Finding& finding : thick) {
        EXPECT_EQ(finding.limit, 20);
        if (finding.geometry.surface == "cylinder") {
            EXPECT_NEAR(finding.value, 50, 0.5);
        } else {
            EXPECT_NEAR(finding.geometry.normal[2], -1, 1e-9);
            EXPECT_NEAR(finding.value, 40.625, 15.625);
        }
    }
    EXPECT_EQ(std::ranges::count(thick, std::string("cylinder"),
                                 [](const check::Finding& f) { return f.geometry.surface; }),
              2);
}

// The table's thicknesses are steps: the 2 floor lies between the rows of 1 and 3, so the rib is
// held to the 10 of the thinner row, not to a height between 10 and 20.
TEST_F(KnownPartsTest, ARibIsHeldToTheTableRowOfTheThickestWallNotAboveItsOwn) {
    const std::filesystem::path rules = Rules("mm");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(rules.c_str()));
    pugi::xml_node table =
        document
            .select_node("/RuleSet/Rule[@Name='Rib Height for Thickness']/Parameter[@Type='2227']")
            .node();
    ASSERT_TRUE(table);
    while (table.remove_child("Value")) {
    }
    for (const auto& [thickness, height] : {std::pair{"3", "20"}, {"1", "10"}}) {
        pugi::xml_node row = table.append_child("Value");
        row.append_attribute("Attribute1") = thickness;
        row.append_attribute("Attribute2") = height;
    }
    ASSERT_TRUE(document.save_file(rules.c_str()));
    test_parts::WriteStep(test_walls::RibOnFloor(30), Path("rib.step"));
    const std::vector<check::Finding> found =
        FindingsOf(Check(Path("rib.step"), rules), "Rib Height for Thickness", 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(found[0].value, 15, 1e-6);
    EXPECT_EQ(found[0].limit, 10);
}

// A mesh holds no edges between its faces: the rib rules say so rather than pass the part.
TEST_F(KnownPartsTest, TheRibRulesAreNotCheckedOnAMesh) {
    test_parts::WriteStl(test_walls::RibOnFloor(30), Path("rib.stl"));
    const check::CheckReport report = Check(Path("rib.stl"), Rules("mm"));
    for (const std::string name : {"Minimum Rib Edge Radius", "Rib Height for Thickness"}) {
        EXPECT_FALSE(Rule(report, name).checked);
        EXPECT_EQ(Rule(report, name).reason,
                  "the part is a mesh: it holds no edges to tell ribs by");
    }
}

// Were the cup and the board one ray scene, the board would hide the cup's inside top from the
// core and the cup the board's top from the cavity: 400 mm² of false undercut on each.
TEST_F(KnownPartsTest, EachSolidOfAnAssemblyIsCheckedOnItsOwn) {
    const std::filesystem::path part = Path("assembly.step");
    test_parts::WriteStep(test_parts::CupOverBoard(), part);
    const std::filesystem::path rules = Rules("mm");
    const check::CheckReport report = Check(part, rules);
    EXPECT_EQ(report.solidCount, 2u);
    ASSERT_EQ(report.solids.size(), 2u);
    EXPECT_EQ(report.rules.size(), 26u);
    EXPECT_TRUE(report.warnings.empty());
    for (const std::uint32_t solid : {1u, 2u}) {
        EXPECT_TRUE(FindingsOf(report, "Undercut Detection", solid).empty())
            << check::ReportText(report);
    }
    // The board's four upright sides have no draft; its faces follow the cup's in the file.
    const std::vector<check::Finding> board = FindingsOf(report, "Draft Angle", 2);
    ASSERT_EQ(board.size(), 4u) << check::ReportText(report);
    for (const check::Finding& finding : board) {
        EXPECT_GT(finding.face, report.solids[0].faces);
        EXPECT_NEAR(finding.geometry.area, 20 * 1.6, 1e-6);
        EXPECT_NEAR(finding.geometry.centroid[2], 10.8, 1e-6);
    }

    check::CheckOptions second;
    second.solid = 2;
    const check::CheckReport alone = Check(part, rules, second);
    EXPECT_EQ(alone.solidCount, 2u);
    ASSERT_EQ(alone.solids.size(), 1u);
    EXPECT_EQ(alone.solids[0].number, 2u);
    EXPECT_EQ(alone.rules.size(), 13u);
    const std::vector<check::Finding> boardAlone = FindingsOf(alone, "Draft Angle", 2);
    ASSERT_EQ(boardAlone.size(), board.size());
    for (std::size_t i = 0; i < board.size(); ++i) {
        EXPECT_EQ(boardAlone[i].face, board[i].face);
        EXPECT_EQ(boardAlone[i].value, board[i].value);
    }

    check::CheckOptions third;
    third.solid = 3;
    try {
        Check(part, rules, third);
        ADD_FAILURE() << "solid 3 accepted";
    } catch (const check::CheckError& error) {
        EXPECT_EQ(std::string(error.what()), part.string() + ": has 2 solid(s), no solid 3");
    }
}

bool Warned(const check::CheckReport& report, const std::string& text) {
    return std::ranges::any_of(report.warnings, [&](const std::string& warning) {
        return warning.find(text) != std::string::npos;
    });
}

TEST_F(KnownPartsTest, AShellThatClosesIsASolidAndOneThatDoesNotIsNamedInAWarning) {
    const std::filesystem::path rules = Rules("mm");
    test_parts::WriteStep(test_parts::BlockBesideOpenBox(), Path("open.step"));
    const check::CheckReport report = Check(Path("open.step"), rules);
    // The shell that closes is checked as a solid.
    EXPECT_EQ(report.solidCount, 2u);
    ASSERT_EQ(report.solids.size(), 2u);
    EXPECT_EQ(report.solids[1].size.low, (check::Point{80, 0, 0}));
    EXPECT_EQ(report.warnings,
              std::vector<std::string>{"shell 1 outside any solid is not closed (4 edges bound one "
                                       "face only): not checked"});
    // The block reads as it does alone: the open shell is no wall in its rays' way.
    const std::vector<check::Finding> block = FindingsOf(report, "Draft Angle", 1);
    ASSERT_EQ(block.size(), 4u) << check::ReportText(report);
    for (const check::Finding& finding : block) {
        EXPECT_NEAR(finding.value, 1.0, 0.001);
    }

    test_parts::WriteStl(test_parts::OpenBox(0), Path("open.stl"));
    EXPECT_TRUE(Warned(Check(Path("open.stl"), rules), "solid 1 is not closed (4 edge(s)"));
    test_parts::WriteStl(test_parts::DraftedBlock(1, 1, 1, 1), Path("closed.stl"));
    EXPECT_TRUE(Check(Path("closed.stl"), rules).warnings.empty());
}

}  // namespace
