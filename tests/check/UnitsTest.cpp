#include "check/ReportFormat.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"

namespace {

class UnitsTest : public CheckFixture {
protected:
    // Every rule's findings as (face, value, limit), for comparing reports.
    static std::vector<std::tuple<std::string, std::uint32_t, double, double>> Findings(
        const check::CheckReport& report) {
        std::vector<std::tuple<std::string, std::uint32_t, double, double>> all;
        for (const check::RuleResult& rule : report.rules) {
            for (const check::Finding& finding : rule.findings) {
                all.emplace_back(rule.rule, finding.face, finding.value, finding.limit);
            }
        }
        return all;
    }

    static void ExpectSameFindings(const check::CheckReport& a, const check::CheckReport& b) {
        const auto first = Findings(a);
        const auto second = Findings(b);
        ASSERT_EQ(first.size(), second.size()) << check::ReportText(a) << check::ReportText(b);
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(std::get<0>(first[i]), std::get<0>(second[i]));
            EXPECT_EQ(std::get<1>(first[i]), std::get<1>(second[i]));
            EXPECT_NEAR(std::get<2>(first[i]), std::get<2>(second[i]),
                        1e-3 * (1 + std::abs(std::get<2>(first[i]))))
                << std::get<0>(first[i]);
            EXPECT_EQ(std::get<3>(first[i]), std::get<3>(second[i]));
        }
    }
};

TEST_F(UnitsTest, AnInchPartAgainstAMillimetreDocumentGivesTheMillimetrePartsFindings) {
    const TopoDS_Shape plate = test_parts::HolePlate();
    test_parts::WriteStep(plate, Path("mm.step"), "MM");
    test_parts::WriteStep(plate, Path("in.step"), "INCH");
    const std::filesystem::path rules = Rules("mm", {{"Hole to Part Edge Distance", 2048, 0, 10}});
    const check::CheckReport inMillimetres = Check(Path("mm.step"), rules);
    ASSERT_FALSE(Findings(inMillimetres).empty());
    ExpectSameFindings(inMillimetres, Check(Path("in.step"), rules));
}

TEST_F(UnitsTest, AnStlTakesTheUnitItIsGiven) {
    const TopoDS_Shape block = test_parts::DraftedBlock(0.3, 1, 5, 5);
    test_parts::WriteStl(block, Path("mm.stl"));
    test_parts::WriteStl(block, Path("in.stl"), 25.4);
    const std::filesystem::path rules = Rules("mm");
    const check::CheckReport inMillimetres = Check(Path("mm.stl"), rules);
    check::CheckOptions inches;
    inches.partUnit = 3;
    ExpectSameFindings(inMillimetres, Check(Path("in.stl"), rules, inches));

    // Without a unit the STL is taken in the document's: here inches, so the same numbers.
    const std::filesystem::path inchRules = Rules("in");
    const check::CheckReport byDocument = Check(Path("in.stl"), inchRules);
    const check::RuleResult& draft = Rule(byDocument, "Draft Angle");
    ASSERT_EQ(draft.findings.size(), 2u);
    EXPECT_NEAR(draft.findings[0].value + draft.findings[1].value, 1.3, 1e-3);
}

TEST_F(UnitsTest, AnIgesPartGivesTheStepPartsFindings) {
    const TopoDS_Shape plate = test_parts::HolePlate();
    test_parts::WriteStep(plate, Path("plate.step"));
    test_parts::WriteIges(plate, Path("plate.igs"));
    const std::filesystem::path rules = Rules("mm", {{"Hole to Part Edge Distance", 2048, 0, 10}});
    ExpectSameFindings(Check(Path("plate.step"), rules), Check(Path("plate.igs"), rules));
}

}  // namespace
