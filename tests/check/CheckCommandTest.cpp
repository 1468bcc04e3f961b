#include <fmt/format.h>
#include <fmt/ranges.h>
#include <BRep_Builder.hxx>
#include <TopoDS_Compound.hxx>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include <fstream>
#include <sstream>

#include "check/ReportFormat.h"
#include "tests/check/CheckFixture.h"
#include "tests/check/JsonSchemaSubset.h"
#include "tests/check/TestParts.h"
#include "tests/check/TestWalls.h"
#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

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
    EXPECT_NE(text.out.find("\n10 rule(s) checked, "), std::string::npos);
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
    // Around the whole hole the normals cancel.
    EXPECT_EQ(hole["surface"], "cylinder");
    EXPECT_EQ(hole["normal"], nlohmann::json::array({0.0, 0.0, 0.0}));
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

// Under a translated locale a person reads the report in the module's language, units as
// engineers write them; the JSON, a file format, stays as it is.
TEST_F(CheckCommandTest, ATranslatedLocaleReadsTheTextReportInItsLanguageAndLeavesTheJson) {
    test_parts::WriteStep(test_parts::DraftedBlock(0.3, 1, 5, 5), Path("block.step"));
    const std::filesystem::path rules = Rules("um");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(rules.c_str()));
    pugi::xml_node root = document.child("RuleSet");
    for (pugi::xml_node rule = root.first_child(); rule;) {
        const pugi::xml_node next = rule.next_sibling();
        const std::string name = rule.attribute("Name").value();
        if (name != "Draft Angle" && name != "Surface Finish" && name != "Undercut Interference" &&
            name != "Minimum Rib Edge Radius") {
            root.remove_child(rule);
        }
        rule = next;
    }
    ASSERT_TRUE(document.save_file(rules.c_str()));
    const std::pair<const char*, const char*> cases[] = {
        {"ja_JP.UTF-8",
         "製品：block.step\n"
         "単位：µm, deg\n"
         "パーティングライン：4本、計 140000.0 µm\n"
         "形状：穴 0、リブ 0、ボス 0\n"
         "\n"
         "抜き勾配：指摘 2件、重大度 2\n"
         "  面 4（平面、中心 39829.053146, 15000.0, 9793.538734）："
         "1.0 deg、限度値 5.0 deg（キャビティ側）\n"
         "  面 6（平面、中心 51.279318, 15000.0, 9793.538734）："
         "0.3 deg、限度値 5.0 deg（キャビティ側）\n"
         "\n"
         "リブエッジの最小半径：合格\n"
         "  リブ：0.0\n"
         "  角度範囲外のリブ：0.0\n"
         "  肉厚を測定できなかった壁のリブ：0.0\n"
         "\n"
         "ベータ - アンダーカット干渉：合格\n"
         "\n"
         "表面仕上げ：未チェック：表面仕上げが必要ですが、製品ファイルには含まれていません\n"
         "\n"
         "チェックしたルール 3、指摘のあるルール 1、指摘 2件、未チェックのルール 1\n"},
        {"fr_FR.UTF-8",
         "pièce\u00a0: block.step\n"
         "unités\u00a0: µm, deg\n"
         "ligne de joint\u00a0: 4 ligne(s), 140000.0\u00a0µm au total\n"
         "formes reconnues\u00a0: 0 trou(s), 0 nervure(s), 0 bossage(s)\n"
         "\n"
         "Angle de dépouille\u00a0: 2 écart(s), gravité 2\n"
         "  face 4 (plan, centre en 39829.053146, 15000.0, 9793.538734)\u00a0: "
         "1.0\u00a0deg, limite 5.0\u00a0deg (côté empreinte)\n"
         "  face 6 (plan, centre en 51.279318, 15000.0, 9793.538734)\u00a0: "
         "0.3\u00a0deg, limite 5.0\u00a0deg (côté empreinte)\n"
         "\n"
         "Rayon minimal d'arête de nervure\u00a0: conforme\n"
         "  nervures\u00a0: 0.0\n"
         "  nervures hors des plages d'angles\u00a0: 0.0\n"
         "  nervures sur une paroi non mesurée\u00a0: 0.0\n"
         "\n"
         "Bêta - Interférence de contre-dépouille\u00a0: conforme\n"
         "\n"
         "État de surface\u00a0: non vérifiée\u00a0: nécessite l'état de surface, qu'un "
         "fichier de pièce ne contient pas\n"
         "\n"
         "3 règle(s) vérifiée(s), 1 avec écarts, 2 écart(s)\u00a0; 1 non vérifiée(s)\n"},
    };
    const std::string json =
        RunVeritorRules(Folder(), "check block.step rules1.xml --format json").out;
    for (const auto& [locale, expected] : cases) {
        SCOPED_TRACE(locale);
        const ScopedEnvironment language("LC_ALL", locale);
        EXPECT_EQ(RunVeritorRules(Folder(), "check block.step rules1.xml").out, expected);
        EXPECT_EQ(RunVeritorRules(Folder(), "check block.step rules1.xml --format json").out, json);
    }
    EXPECT_NE(json.find("\"units\": \"um, deg\""), std::string::npos) << json;

    // A limit's name with a number in it is worded around the number.
    const ScopedEnvironment japanese("LC_ALL", "ja_JP.UTF-8");
    const std::string rib = std::string(VERITOR_STAGE_DIR) + "/samples/drafted-cup-with-rib.step";
    EXPECT_NE(RunVeritorRules(Folder(), "check '" + rib + "' rules1.xml").out.find("（肉厚"),
              std::string::npos);
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

// The schema as the build stages it beside the program.
const nlohmann::json& Schema() {
    static const nlohmann::json schema = nlohmann::json::parse(
        ReadWholeFile(std::filesystem::path(VERITOR_STAGE_DIR) / "bin" / check::kReportSchemaFile));
    return schema;
}

void ExpectValid(const nlohmann::json& value) {
    const std::vector<std::string> problems = SchemaProblems(Schema(), value);
    EXPECT_TRUE(problems.empty()) << fmt::format("{}", fmt::join(problems, "\n")) << "\n"
                                  << value.dump(2);
}

std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(nlohmann::json::parse(line));
    }
    return lines;
}

TEST_F(CheckCommandTest, JsonFollowsTheSchemaAndTellsWhereEachFindingIs) {
    test_parts::WriteStep(test_parts::CupOverBoard(), Path("assembly.step"));
    Rules("mm");
    const CommandResult text = RunVeritorRules(Folder(), "check assembly.step rules1.xml");
    const std::string none = "features: 0 hole(s), 0 rib(s), 0 boss(es)\n";
    EXPECT_NE(text.out.find("\nsolid 1 of 2:\n" + none + "\nDraft Angle: "), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nsolid 2 of 2:\n" + none + "\nDraft Angle: "), std::string::npos)
        << text.out;

    const CommandResult json = RunVeritorRules(
        Folder(), "check assembly.step rules1.xml --solid 2 --pull 0,0,2 --format json");
    const nlohmann::json report = nlohmann::json::parse(json.out);
    ExpectValid(report);
    EXPECT_EQ("veritor-rules " + report["version"].get<std::string>() + "\n",
              RunVeritorRules(Folder(), "--version").out);
    EXPECT_EQ(report["schema version"], check::kReportSchemaVersion);
    EXPECT_EQ(report["pull"], nlohmann::json::array({0.0, 0.0, 1.0}));
    EXPECT_EQ(report["size"]["high"], nlohmann::json::array({80.0, 60.0, 30.0}));
    EXPECT_EQ(report["solid count"], 2);
    ASSERT_EQ(report["solids"].size(), 1u);
    EXPECT_EQ(report["solids"][0]["solid"], 2);
    EXPECT_EQ(report["solids"][0]["size"]["low"], nlohmann::json::array({30.0, 20.0, 10.0}));
    EXPECT_EQ(report["warnings"], nlohmann::json::array());
    ASSERT_EQ(report["rules"].size(), 13u);
    const nlohmann::json& draft = RuleNamed(report, "Draft Angle");
    EXPECT_EQ(draft["solid"], 2);
    ASSERT_EQ(draft["findings"].size(), 4u);
    for (const nlohmann::json& side : draft["findings"]) {
        EXPECT_EQ(side["surface"], "plane");
        EXPECT_NEAR(side["area"].get<double>(), 32.0, 1e-6);
        EXPECT_NEAR(side["centroid"][2].get<double>(), 10.8, 1e-6);
        const double nx = side["normal"][0], ny = side["normal"][1], nz = side["normal"][2];
        EXPECT_NEAR(nx * nx + ny * ny, 1.0, 1e-9);
        EXPECT_EQ(nz, 0.0);
    }
}

// --pull auto reports the directions tried, in text and in JSON that follows the schema.
TEST_F(CheckCommandTest, PullAutoReportsTheDirectionsTried) {
    test_parts::WriteStep(test_parts::Cup(false, false), Path("cup.step"));
    Rules("mm");
    const CommandResult text = RunVeritorRules(Folder(), "check cup.step rules1.xml --pull auto");
    EXPECT_NE(text.out.find("\npull: 0.0, 0.0, 1.0 (the least undercut area of "),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("  0.0, 0.0, 1.0 (axis Z): undercut area 0.0\n"), std::string::npos)
        << text.out;

    const CommandResult json =
        RunVeritorRules(Folder(), "check cup.step rules1.xml --pull auto --format json");
    const nlohmann::json report = nlohmann::json::parse(json.out);
    ExpectValid(report);
    EXPECT_EQ(report["pull"], nlohmann::json::array({0.0, 0.0, 1.0}));
    ASSERT_TRUE(report.contains("pull candidates"));
    EXPECT_EQ(report["pull candidates"][0]["from"], "axis Z");

    const CommandResult refused = RunVeritorRules(Folder(), "check cup.step rules1.xml --pull up");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("not all zero, or auto"), std::string::npos) << refused.err;
}

// The parting line: a line in the text, and in JSON that follows the schema its stretches, on a
// STEP part as edges between two faces and on an STL as polylines.
TEST_F(CheckCommandTest, ReportsThePartingLineInTextAndJson) {
    test_parts::WriteStep(test_parts::DraftedCupWithRib(), Path("cup.step"));
    test_parts::WriteStl(test_parts::DraftedCupWithRib(), Path("cup.stl"));
    Rules("mm");
    const CommandResult text = RunVeritorRules(Folder(), "check cup.step rules1.xml");
    EXPECT_NE(text.out.find("\nparting line: 4 line(s), 280.0 mm in all\n"), std::string::npos)
        << text.out;
    struct Case {
        const char* part;
        std::size_t lines;
        bool edges;
    };
    for (const Case& c : {Case{"cup.step", 4, true}, Case{"cup.stl", 1, false}}) {
        const nlohmann::json report = nlohmann::json::parse(
            RunVeritorRules(Folder(), fmt::format("check {} rules1.xml --format json", c.part))
                .out);
        ExpectValid(report);
        const nlohmann::json& parting = report["solids"][0]["parting line"];
        EXPECT_EQ(parting["count"], c.lines) << c.part;
        EXPECT_EQ(parting["left out"], 0) << c.part;
        EXPECT_NEAR(parting["length"].get<double>(), 280.0, 1e-5) << c.part;
        ASSERT_EQ(parting["lines"].size(), c.lines) << c.part;
        for (const nlohmann::json& line : parting["lines"]) {
            EXPECT_EQ(line.contains("cavity face"), c.edges) << c.part;
            EXPECT_EQ(line.contains("edge"), c.edges) << c.part;
            EXPECT_EQ(line["closed"], !c.edges) << c.part;
            // A straight edge keeps its two ends; the loop its four corners.
            EXPECT_EQ(line["points"].size(), c.edges ? 2u : 4u) << line.dump();
        }
    }
}

// A boss with its hole in one solid, a rib in the other: each solid's own features, named by
// the report's face numbers, and the rib rules checked on the second solid as on a part alone.
TEST_F(CheckCommandTest, EachSolidListsItsHolesRibsAndBosses) {
    BRep_Builder builder;
    TopoDS_Compound parts;
    builder.MakeCompound(parts);
    builder.Add(parts, test_walls::SplitBossOnFloor());
    builder.Add(parts, test_parts::Moved(test_walls::RibOnFloor(30), 100, 0, 0));
    test_parts::WriteStep(parts, Path("parts.step"));
    test_parts::WriteStl(test_walls::SplitBossOnFloor(), Path("boss.stl"));
    Rules("mm");

    const CommandResult text = RunVeritorRules(Folder(), "check parts.step rules1.xml");
    EXPECT_NE(text.out.find("\nsolid 1 of 2:\nfeatures: 1 hole(s), 0 rib(s), 1 boss(es)\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nsolid 2 of 2:\nfeatures: 0 hole(s), 1 rib(s), 0 boss(es)\n"),
              std::string::npos)
        << text.out;

    const nlohmann::json report = nlohmann::json::parse(
        RunVeritorRules(Folder(), "check parts.step rules1.xml --format json").out);
    ExpectValid(report);
    const nlohmann::json& first = report["solids"][0]["features"];
    ASSERT_EQ(first["bosses"].size(), 1u) << first.dump(2);
    const nlohmann::json& boss = first["bosses"][0];
    EXPECT_NEAR(boss["outer diameter"].get<double>(), 10, 1e-6);
    EXPECT_NEAR(boss["inner diameter"].get<double>(), 4, 1e-6);
    EXPECT_NEAR(boss["height"].get<double>(), 12, 1e-6);
    EXPECT_NEAR(boss["root radius"].get<double>(), 1, 1e-6);
    EXPECT_EQ(boss["foot"], nlohmann::json::array({30.0, 20.0, 2.0}));
    // Its side, root fillet and top, each written in two halves.
    EXPECT_EQ(boss["faces"].size(), 6u);
    ASSERT_EQ(first["holes"].size(), 1u);
    EXPECT_EQ(first["holes"][0]["kind"], "blind");
    EXPECT_NEAR(first["holes"][0]["depth"].get<double>(), 12, 1e-6);
    EXPECT_TRUE(first["ribs"].empty());

    const std::uint32_t firstFaces = report["solids"][0]["faces"];
    const nlohmann::json& second = report["solids"][1]["features"];
    ASSERT_EQ(second["ribs"].size(), 1u) << second.dump(2);
    EXPECT_NEAR(second["ribs"][0]["thickness"].get<double>(), 1.2, 1e-6);
    for (const nlohmann::json& face : second["ribs"][0]["faces"]) {
        EXPECT_GT(face.get<std::uint32_t>(), firstFaces);
    }
    // The rib's sharp root is held to the ratio of its 2 floor.
    for (const nlohmann::json& rule : report["rules"]) {
        if (rule["rule"] == "Minimum Rib Edge Radius" && rule["solid"] == 2) {
            EXPECT_EQ(rule["findings"].size(), 1u) << rule.dump(2);
        }
    }

    // A mesh holds no edges to tell features by: it lists none rather than none found.
    const CommandResult mesh = RunVeritorRules(Folder(), "check boss.stl rules1.xml --format json");
    const nlohmann::json meshed = nlohmann::json::parse(mesh.out);
    ExpectValid(meshed);
    EXPECT_FALSE(meshed["solids"][0].contains("features"));
    EXPECT_EQ(RunVeritorRules(Folder(), "check boss.stl rules1.xml").out.find("features:"),
              std::string::npos);
}

TEST_F(CheckCommandTest, WarningsGoToStandardErrorAndIntoTheJson) {
    test_parts::WriteStep(test_parts::BlockBesideOpenBox(), Path("open.step"));
    Rules("mm");
    const CommandResult json =
        RunVeritorRules(Folder(), "check open.step rules1.xml --format json");
    const std::string warning = "shell 1 outside any solid is not closed";
    EXPECT_EQ(json.err.rfind("veritor-rules: warning: " + warning, 0), 0u) << json.err;
    const nlohmann::json report = nlohmann::json::parse(json.out);
    ExpectValid(report);
    ASSERT_EQ(report["warnings"].size(), 1u);
    EXPECT_EQ(report["warnings"][0].get<std::string>().rfind(warning, 0), 0u);
}

TEST_F(CheckCommandTest, ARefusalWithJsonFormatIsAJsonErrorObject) {
    std::ofstream(Path("broken.step")) << "ISO-10303-21;\nHEADER;\n";
    test_parts::WriteStep(test_parts::DraftedBlock(1, 1, 1, 1), Path("block.step"));
    Rules("mm");
    for (const auto& [arguments, part] : std::vector<std::pair<std::string, std::string>>{
             {"check broken.step rules1.xml --format json", "broken.step"},
             {"check block.step missing.xml --format json", "block.step"},
             {"check block.step rules1.xml --solid 2 --format json", "block.step"}}) {
        SCOPED_TRACE(arguments);
        const CommandResult result = RunVeritorRules(Folder(), arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        const nlohmann::json refusal = nlohmann::json::parse(result.out);
        ExpectValid(refusal);
        EXPECT_EQ(refusal["part"], part);
        EXPECT_EQ("veritor-rules: " + refusal["error"].get<std::string>() + "\n", result.err);
    }
}

// The drafted block's findings all have severity 2 (among them 0.3 and 1 degree of draft
// against 5).
TEST_F(CheckCommandTest, TheExitStatusFollowsFailOnAndMaxFindings) {
    test_parts::WriteStep(test_parts::DraftedBlock(0.3, 1, 5, 5), Path("block.step"));
    Rules("mm");
    const nlohmann::json report = nlohmann::json::parse(
        RunVeritorRules(Folder(), "check block.step rules1.xml --format json").out);
    std::size_t count = 0;
    for (const nlohmann::json& rule : report["rules"]) {
        for (const nlohmann::json& finding : rule["findings"]) {
            EXPECT_EQ(finding["severity"], 2);
            ++count;
        }
    }
    ASSERT_GE(count, 2u);
    const std::vector<std::pair<std::string, int>> cases{
        {"", 0},
        {"--fail-on 2", 1},
        {"--fail-on 3", 0},
        {"--fail-on 0", 1},
        {fmt::format("--max-findings {}", count), 0},
        {fmt::format("--max-findings {}", count - 1), 1},
        {fmt::format("--fail-on 2 --max-findings {}", count), 1},
        {"--fail-on 9 --max-findings 0", 1},
    };
    for (const auto& [options, status] : cases) {
        SCOPED_TRACE(options);
        const CommandResult result =
            RunVeritorRules(Folder(), "check block.step rules1.xml " + options);
        EXPECT_EQ(result.status, status) << result.err;
    }
}

TEST_F(CheckCommandTest, BatchWritesOneJsonLinePerPartAndGoesOnPastABadOne) {
    const std::filesystem::path parts = Path("parts");
    std::filesystem::create_directory(parts);
    test_parts::WriteStep(test_parts::DraftedBlock(0.3, 1, 5, 5), parts / "a-block.step");
    std::ofstream(parts / "b-broken.step") << "ISO-10303-21;\nHEADER;\n";
    test_parts::WriteStl(test_parts::Cup(false, true), parts / "c-cup.stl");
    std::ofstream(parts / "notes.txt") << "not a part\n";
    Rules("mm");

    const CommandResult folder =
        RunVeritorRules(Folder(), "check --batch parts rules1.xml --jobs 2 --fail-on 2");
    EXPECT_EQ(folder.status, 2) << folder.err;
    const std::vector<nlohmann::json> lines = JsonLines(folder.out);
    ASSERT_EQ(lines.size(), 3u) << folder.out;
    for (const nlohmann::json& line : lines) {
        ExpectValid(line);
    }
    EXPECT_EQ(lines[0]["part"], "parts/a-block.step");
    EXPECT_EQ(RuleNamed(lines[0], "Draft Angle")["findings"].size(), 2u);
    EXPECT_EQ(lines[1]["part"], "parts/b-broken.step");
    EXPECT_NE(lines[1]["error"].get<std::string>().find("not a readable STEP file"),
              std::string::npos);
    EXPECT_EQ(lines[2]["part"], "parts/c-cup.stl");
    EXPECT_FALSE(RuleNamed(lines[2], "Undercut Detection")["findings"].empty());

    // A list gives its parts in its own order; the findings alone set the status.
    std::ofstream(Path("list.txt")) << "parts/c-cup.stl\n\nparts/a-block.step\n";
    const CommandResult listed =
        RunVeritorRules(Folder(), "check --batch list.txt rules1.xml --jobs 0");
    EXPECT_EQ(listed.status, 1) << listed.err;  // the cup's undercut has severity 3
    const std::vector<nlohmann::json> listedLines = JsonLines(listed.out);
    ASSERT_EQ(listedLines.size(), 2u) << listed.out;
    EXPECT_EQ(listedLines[0]["part"], "parts/c-cup.stl");
    EXPECT_EQ(listedLines[1]["part"], "parts/a-block.step");

    const CommandResult missing = RunVeritorRules(Folder(), "check --batch nowhere rules1.xml");
    EXPECT_EQ(missing.status, 2);
    const std::vector<nlohmann::json> refusal = JsonLines(missing.out);
    ASSERT_EQ(refusal.size(), 1u) << missing.out;
    ExpectValid(refusal[0]);
    EXPECT_FALSE(refusal[0].contains("part"));
}

}  // namespace
