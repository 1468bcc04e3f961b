#include <nlohmann/json.hpp>

#include <fstream>

#include "tests/check/CheckFixture.h"
#include "tests/check/TestParts.h"
#include "tests/cli/CommandRunner.h"

namespace {

class CheckCommandTest : public CheckFixture {};

const nlohmann::json& RuleNamed(const nlohmann::json& report, const std::string& name) {
    for (const auto& rule : report["rules"]) {
        if (rule["rule"] == name) {
            return rule;
        }
    }
    throw std::runtime_error("no rule " + name);
}

TEST_F(CheckCommandTest, ReportsFindingsAsTextAndJsonAndExitsByTheirSeverity) {
    test_parts::WriteStep(test_parts::DraftedBlock(0.3, 1, 5, 5), Path("block.step"));
    test_parts::WriteStep(test_parts::Cup(false, true), Path("side-hole.step"));
    Rules("mm");  // rules1.xml

    const CommandResult text = RunVeritorRules(Folder(), "check block.step rules1.xml");
    EXPECT_EQ(text.status, 0) << text.err;  // draft findings have severity 2
    EXPECT_NE(text.out.find("part: block.step\nunits: mm, deg\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nDraft Angle: 2 finding(s), severity 2\n"), std::string::npos);
    EXPECT_NE(text.out.find(": 0.3 deg, limit 5.0 deg (cavity side)\n"), std::string::npos);
    EXPECT_NE(text.out.find(": 1.0 deg, limit 5.0 deg (cavity side)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\nUndercut Detection: pass\n"), std::string::npos);
    EXPECT_NE(text.out.find("\nSurface Finish: not checked: "), std::string::npos);
    EXPECT_NE(text.out.find("\n7 rule(s) checked, "), std::string::npos);
    EXPECT_EQ(text.err, "");

    const CommandResult json =
        RunVeritorRules(Folder(), "check side-hole.step rules1.xml --format json");
    EXPECT_EQ(json.status, 1) << json.err;  // the undercut has severity 3
    const nlohmann::json report = nlohmann::json::parse(json.out);
    EXPECT_EQ(report["part"], "side-hole.step");
    EXPECT_EQ(report["units"], "mm, deg");
    ASSERT_EQ(report["rules"].size(), 13u);
    const nlohmann::json& undercut = RuleNamed(report, "Undercut Detection");
    EXPECT_EQ(undercut["checked"], true);
    ASSERT_EQ(undercut["findings"].size(), 1u);
    const nlohmann::json& hole = undercut["findings"][0];
    EXPECT_EQ(hole["severity"], 3);
    EXPECT_EQ(hole["limit"], 0.0);
    EXPECT_GT(hole["value"].get<double>(), 40.0);
    const nlohmann::json& snapFit = RuleNamed(report, "Snap-Fit Mould Parameters");
    EXPECT_EQ(snapFit["checked"], false);
    EXPECT_FALSE(snapFit["reason"].get<std::string>().empty());

    // Pulled along the hole, the hole releases (the inside of the cup then does not).
    const CommandResult sideways =
        RunVeritorRules(Folder(), "check side-hole.step rules1.xml --pull -1,0,0 --format json");
    const nlohmann::json pulledSideways = nlohmann::json::parse(sideways.out);
    for (const auto& finding : RuleNamed(pulledSideways, "Undercut Detection")["findings"]) {
        EXPECT_NE(finding["face"], hole["face"]);
    }
}

TEST_F(CheckCommandTest, UnusableInputExitsTwoWithOneLine) {
    test_parts::WriteStep(test_parts::DraftedBlock(1, 1, 1, 1), Path("block.step"));
    std::ofstream(Path("broken.step")) << "ISO-10303-21;\nHEADER;\n";
    Rules("mm");
    for (const std::string arguments :
         {"check broken.step rules1.xml", "check block.step missing.xml",
          "check block.step rules1.xml --pull 0,0,0", "check block.step rules1.xml --format xml",
          "check block.stl rules1.xml --part-units furlong"}) {
        SCOPED_TRACE(arguments);
        const CommandResult result = RunVeritorRules(Folder(), arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("veritor-rules: ", 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

}  // namespace
