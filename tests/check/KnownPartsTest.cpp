#include <algorithm>
#include <functional>
#include <numbers>

#include "check/ReportFormat.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

struct Expected {
    double value;
    double tolerance;
    std::string what;
};

struct KnownPart {
    std::string name;
    std::function<TopoDS_Shape()> build;
    std::vector<CheckFixture::Value> values;
    // The findings of each rule under test, in any order.
    std::vector<std::pair<std::string, std::vector<Expected>>> findings;
};

const double kSideHoleArea = 2 * std::numbers::pi * 3 * 3;

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
            {0.0, 0.001, "cavity side"},
            {0.0, 0.001, "cavity side"},
            {0.0, 0.001, "cavity side"},
            {0.0, 0.001, "cavity side"}}},
          {"Undercut Detection", {}}}},
        {"shell 3 thick with a 1 thick patch",
         [] { return test_parts::Cup(true, false); },
         {},
         {{"Uniform Thickness", {{1.0, 0.001, "minimum"}, {1.0, 0.001, "minimum"}}},
          {"Wall Thickness Variation", {{200.0, 0.5, ""}}},
          {"Undercut Detection", {}}}},
        {"shell 3 thick, maximum 2.5",
         [] { return test_parts::Cup(false, false); },
         {{"Uniform Thickness", 2046, 1, 2.5}},
         {{"Wall Thickness Variation", {}}}},
        {"fillets of 2, 2, 0.15 and 0.05",
         [] { return test_parts::FilletedBlock(2, 2, 0.15, 0.05); },
         {},
         {{"Fillet Radius",
           {{2.0, 1e-6, "largest"}, {2.0, 1e-6, "largest"}, {0.05, 1e-6, "smallest"}}}}},
        {"holes 5 and 17 from the edge, limit 10",
         [] { return test_parts::HolePlate(); },
         {{"Hole to Part Edge Distance", 2048, 0, 10}},
         {{"Hole to Part Edge Distance", {{5.0, 1e-6, ""}}}, {"Fillet Radius", {}}}},
        {"holes 5 and 17 from the edge, default limit",
         [] { return test_parts::HolePlate(); },
         {},
         {{"Hole to Part Edge Distance", {}}}},
        {"side hole through a wall",
         [] { return test_parts::Cup(false, true); },
         {},
         // Neither half reaches the hole's upper and lower sides; a pull grazes its flanks.
         {{"Undercut Detection", {{0.85 * kSideHoleArea, 0.05 * kSideHoleArea, ""}}}}},
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
            std::ranges::sort(found, {}, &check::Finding::value);
            std::vector<Expected> wanted = expected;
            std::ranges::sort(wanted, {}, &Expected::value);
            for (std::size_t i = 0; i < found.size(); ++i) {
                EXPECT_NEAR(found[i].value, wanted[i].value, wanted[i].tolerance)
                    << name << "\n"
                    << check::ReportText(report);
                EXPECT_EQ(found[i].what, wanted[i].what) << name;
                EXPECT_EQ(found[i].severity, rule.severity);
            }
        }
    }
}

}  // namespace
