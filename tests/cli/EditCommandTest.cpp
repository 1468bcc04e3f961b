#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

namespace {

using ::testing::HasSubstr;

// The names of the rules whose elements differ between two documents of the same rules. A
// reloaded document writes its empty elements in the short form, so they are compared in it.
std::vector<std::string> ChangedRuleNames(const std::string& before, const std::string& after) {
    const auto rulesOf = [](std::string document) {
        for (std::size_t at = 0; (at = document.find("></Remarks>", at)) != std::string::npos;) {
            document.replace(at, 11, " />");
        }
        const std::string start = "<Rule Name=\"";
        std::map<std::string, std::string> rules;
        for (std::size_t at = document.find(start); at != std::string::npos;) {
            const std::size_t next = document.find(start, at + 1);
            const std::size_t nameEnd = document.find('"', at + start.size());
            rules[document.substr(at + start.size(), nameEnd - at - start.size())] =
                document.substr(at, next - at);
            at = next;
        }
        return rules;
    };
    const std::map<std::string, std::string> old = rulesOf(before);
    std::vector<std::string> changed;
    for (const auto& [name, element] : rulesOf(after)) {
        if (!old.contains(name) || old.at(name) != element) {
            changed.push_back(name);
        }
    }
    return changed;
}

class EditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunVeritorRules(m_folder.Path(), "new doc.xml").status, 0);
        m_original = ReadWholeFile(m_folder.Path() / "doc.xml");
    }
    CommandResult Edit(const std::string& script, const std::string& rule = "Draft Angle") {
        std::ofstream(m_folder.Path() / "script") << script;
        return RunVeritorRules(m_folder.Path(), "edit doc.xml '" + rule + "' --script script");
    }
    std::string Document() const { return ReadWholeFile(m_folder.Path() / "doc.xml"); }

    TemporaryFolder m_folder;
    std::string m_original;
};

TEST_F(EditCommand, OkSavesTheNewOperatorValueAndDescription) {
    const CommandResult result = Edit("type 1113 1.5\nchoose 1111 >\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string document = Document();
    const std::size_t core = document.find("Type=\"2120\"");
    ASSERT_NE(core, std::string::npos);
    EXPECT_THAT(document.substr(core, 200), HasSubstr("<Operator>6</Operator>"));
    EXPECT_THAT(document.substr(core, 200), HasSubstr("<Value>1.500000</Value>"));
    EXPECT_THAT(document,
                HasSubstr("Description=\"Draft angle greater than 1.5 deg on the core side"));
}

TEST_F(EditCommand, CancelOrAScriptEndingWithoutOkLeavesTheFileAsItWas) {
    for (const char* script : {"type 1113 1.5\ncancel\n", "type 1113 1.5\nchoose 1111 >\n"}) {
        const CommandResult result = Edit(script);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(Document(), m_original) << script;
    }
}

// A key of one character selects in a choice list, as a person types a letter into it.
TEST_F(EditCommand, AKeyOfOneCharacterSelectsTheNextItemStartingWithIt) {
    const CommandResult result = Edit("focus 1121\nkey v\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(Document(), HasSubstr("Severity=\"5\""));
}

// The keys drop a list, whose items show; the arrows move its highlight and Enter chooses it,
// neither pressing OK.
TEST_F(EditCommand, F4AndAltDownDropAListThatShowPrintsWithItsItems) {
    const CommandResult result = Edit(
        "focus 1121\nkey F4\nkey Down\nshow\nkey Enter\nkey Alt+Down\nshow\n"
        "key Escape\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out,
                HasSubstr("combobox 1121 \"Low\" items \"Very low\" \"Low\" \"Medium\" "
                          "\"High\" \"Very high\" focus\n  dropped below first row 0 "
                          "items \"Very low\" \"Low\" \"Medium\" \"High\" \"Very high\" "
                          "highlight \"Medium\"\n"));
    EXPECT_THAT(result.out, HasSubstr("highlight \"Medium\"\nbutton"));
    EXPECT_THAT(Document(), HasSubstr("Severity=\"3\""));
}

// What fails is said, once, with a non-zero exit: never taken for a cancelled dialog or a
// finished command, and never with a script's control characters sent to the terminal.
TEST_F(EditCommand, FailuresAreReportedAndNothingIsWritten) {
    std::filesystem::create_directory(m_folder.Path() / "folder");
    std::ofstream(m_folder.Path() / "escape") << "fro\x1B[2Jb\n";
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c : {
             Case{"frob doc.xml", "unknown command \"frob\""},
             Case{"list >/dev/full", "the output could not be written: No space left on device"},
             Case{"edit doc.xml 'Draft Angle' --script folder",
                  "folder: is a folder, not a script"},
             Case{"edit doc.xml 'Draft Angle' --script escape",
                  "script line 1: unknown command \"fro\\x1B[2Jb\""},
         }) {
        const CommandResult result = RunVeritorRules(m_folder.Path(), c.arguments);
        EXPECT_NE(result.status, 0) << c.arguments;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.arguments;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(result.err.find('\x1B'), std::string::npos) << c.arguments;
        EXPECT_EQ(Document(), m_original) << c.arguments;
    }
}

TEST_F(EditCommand, RefusedCharactersNeverShowInTheBox) {
    const CommandResult result = Edit("paste 1113 -2\ntype 1118 a\nshow\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("edit 1113 \"0.5\""));
    EXPECT_THAT(result.out, HasSubstr("edit 1118 \"5.0\""));
}

// A typo never changes a value: the refused "x" leaves the caret where it was, so "9" goes on
// after "0.1", and the person is told why the key did nothing.
TEST_F(EditCommand, ARefusedCharacterChangesNothingAndSaysWhy) {
    const CommandResult result = Edit("type 1113 0.1\nkey x\nkey 9\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("[balloon] Unacceptable character: Only digits and a full "
                                      "stop (.) can be typed here.\n"));
    EXPECT_THAT(Document(), HasSubstr("<Value>0.190000</Value>"));
}

// The Ctrl keys of a box: copy one value into another box, undo the paste and redo it.
TEST_F(EditCommand, CtrlKeysCopyBetweenBoxesAndCtrlZUndoesTheLastChange) {
    const CommandResult result = Edit(
        "type 1113 1.5\nkey Ctrl+A\nkey Ctrl+C\nfocus 1118\nkey Ctrl+V\nkey Ctrl+Z\nshow\n"
        "key ctrl+z\nshow\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::size_t undone = result.out.find("edit 1118 \"5.0\"");
    ASSERT_NE(undone, std::string::npos) << result.out;
    EXPECT_NE(result.out.find("edit 1118 \"1.5\"", undone), std::string::npos) << result.out;
}

TEST_F(EditCommand, BadScriptLinesNameTheirLineAndChangeNothing) {
    struct Case {
        const char* script;
        const char* message;
    };
    for (const Case& c :
         {Case{"show\ntype 9999 1\nok\n", "script line 2: "},
          Case{"# comment\n\nfrobnicate\n", "script line 3: unknown command \"frobnicate\""},
          Case{"type x 1\n", "script line 1: \"type\" needs a control id"},
          Case{"key Hyper\n", "script line 1: unknown key"},
          Case{"wheel 1113 down\n", "script line 1: \"wheel\" takes a control id and a number"},
          Case{"wheel 1113 -2147483648\n", "script line 1: the wheel turns at most 10000"}}) {
        const CommandResult result = Edit(c.script);
        EXPECT_NE(result.status, 0) << c.script;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.script;
        EXPECT_EQ(Document(), m_original) << c.script;
    }
}

// One rule of each dialog family: the script changes its fields, show prints what the person
// sees, and OK saves exactly that rule's new values and description.
TEST_F(EditCommand, EveryDialogFamilyEditsAndSavesItsRule) {
    struct Case {
        const char* rule;
        const char* script;
        std::vector<const char*> shown;
        std::vector<const char*> saved;
    };
    const Case cases[] = {
        {"Mould Wall Thickness",
         "show\nfocus 1084\nkey Space\ntype 1088 2.5\nshow\nok\n",
         {"checkbox 1084 \"Wall thickness:\" unchecked\n", "edit 1088 \"1.0\" disabled\n",
          "checkbox 1084 \"Wall thickness:\" checked\n", "edit 1088 \"2.5\" focus\n"},
         {"<Parameter Name=\"\" Type=\"2095\" Status=\"1\">\n      <Operator>7</Operator>\n"
          "      <ParameterType>1</ParameterType>\n      <Value>2.500000</Value>",
          "Mould walls greater than or equal to 2.5 mm thick."}},
        {"Undercut Interference",
         "type 1186 5\nchoose 1197 High\nshow\nok\n",
         {"static 1195 \"mm\"\n", "combobox 1197 \"High\""},
         {"Die thickness greater than or equal to 5.0 mm", "Severity=\"4\""}},
        {"Surface Finish",
         "type 1151 0.8\nok\n",
         {},
         {"Description=\"Surface finish between 0.05 and 0.8\""}},
        {"Hole to Part Edge Distance",
         "choose 1147 >\ntype 1143 2\nok\n",
         {},
         {"Description=\"Distance from holes to the part edge > 2.0 mm\""}},
    };
    for (const Case& c : cases) {
        std::ofstream(m_folder.Path() / "doc.xml", std::ios::binary) << m_original;
        const CommandResult result = Edit(c.script, c.rule);
        ASSERT_EQ(result.status, 0) << c.rule << ": " << result.err;
        for (const char* line : c.shown) {
            EXPECT_THAT(result.out, HasSubstr(line)) << c.rule;
        }
        const std::string document = Document();
        for (const char* text : c.saved) {
            EXPECT_THAT(document, HasSubstr(text)) << c.rule;
        }
        EXPECT_EQ(ChangedRuleNames(m_original, document), std::vector<std::string>{c.rule});
    }
}

// The range dialog: a refused OK prints its message and keeps the dialog open, the bounds follow
// as typed, a balloon warns beyond 90 degrees, and the second OK saves the chained ranges.
TEST_F(EditCommand, RibEdgeRadiusRangesAreCheckedAndSavedChained) {
    const CommandResult result =
        Edit("type 2269 30\ntype 2272 20\nok\nshow\ntype 2272 60\ntype 2275 95\nshow\nok\n",
             "Minimum Rib Edge Radius");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("message \"Veritor Rules\" \"The start of an angle range"));
    EXPECT_THAT(result.out, HasSubstr("edit 2272 \"20\" focus\n"));
    EXPECT_THAT(result.out, HasSubstr("static 2274 \"60\"\n"));
    EXPECT_THAT(result.out, HasSubstr("edit 2275 \"95\" focus\n  balloon warning \"Angle out of "
                                      "range\" \"Enter an angle from 0 to 90 degrees.\"\n"));
    struct Range {
        const char* type;
        const char* values;
    };
    const std::string document = Document();
    for (const Range& range :
         {Range{"Type=\"2246\"", "<Value>0.000000</Value>\n      <Value>30.000000</Value>"},
          Range{"Type=\"2248\"", "<Value>30.000000</Value>\n      <Value>60.000000</Value>"},
          Range{"Type=\"2247\"", "<Value>60.000000</Value>\n      <Value>95.000000</Value>"}}) {
        const std::size_t at = document.find(range.type);
        ASSERT_NE(at, std::string::npos);
        EXPECT_THAT(document.substr(at, 200), HasSubstr(range.values)) << range.type;
    }
    EXPECT_EQ(ChangedRuleNames(m_original, document),
              std::vector<std::string>{"Minimum Rib Edge Radius"});
}

// The table: cells clicked and typed, Tab and Enter, a refused repeated thickness, and the rows
// saved sorted; show prints the open editor with its cell.
TEST_F(EditCommand, RibHeightTableEditsCellsAndSavesTheRowsSorted) {
    const CommandResult result = Edit(
        "cell 1 0\ntype 1172 0.25\nkey Tab\ntype 1172 3\nshow\nkey Enter\n"
        "cell 2 0\ntype 1172 0.50\nkey Enter\ncell 2 1\ntype 1172 9\nkey Escape\nshow\nok\n",
        "Rib Height for Thickness");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("edit 1172 \"3\" cell 1 1 focus\n"));
    EXPECT_THAT(result.out, HasSubstr("  row 1 \"0.25\" \"3\"\n"));
    EXPECT_THAT(result.out,
                HasSubstr("message \"Veritor\" \"0.50 : This wall thickness is already"));
    EXPECT_THAT(Document(), HasSubstr("<Value Attribute1=\"0.25\" Attribute2=\"3.0\" />\n"
                                      "      <Value Attribute1=\"0.5\" Attribute2=\"4.0\" />\n"));
}

// A row out of sight is reached with the wheel or the keys, as on screen: show prints the first
// row shown, and a cell scrolled away cannot be clicked.
TEST_F(EditCommand, TheTableScrollsToTheRowsItEdits) {
    const CommandResult refused = Edit("cell 200 0\nok\n", "Rib Height for Thickness");
    EXPECT_NE(refused.status, 0);
    EXPECT_THAT(refused.err, HasSubstr("script line 1: control 2257 shows rows 0 to 12, not row "
                                       "200: scroll to it first"));

    const CommandResult result = Edit(
        "wheel 2257 63\nshow\ncell 200 0\ntype 1172 9\nkey Tab\ntype 1172 20\nkey Down\n"
        "show\nkey Escape\nok\n",
        "Rib Height for Thickness");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("rows 261 first row 189\n"));
    EXPECT_THAT(result.out, HasSubstr("rows 261 first row 189\n  row 0 \"0.5\" \"4.0\"\n"
                                      "  row 200 \"9\" \"20\"\n"));
    EXPECT_THAT(result.out, HasSubstr("edit 1172 \"\" cell 201 1 focus\n"));
    EXPECT_THAT(Document(), HasSubstr("<Value Attribute1=\"0.5\" Attribute2=\"4.0\" />\n"
                                      "      <Value Attribute1=\"9.0\" Attribute2=\"20.0\" />\n"));
}

TEST_F(EditCommand, TheTablesKeysMoveItsSelectionAndScrollToIt) {
    const CommandResult result =
        Edit("focus 2257\nkey End\nkey Shift+Up\nshow\nkey PageUp\nkey Home\nshow\ncancel\n",
             "Rib Height for Thickness");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("rows 261 first row 248 focus\n  row 0 \"0.5\" \"4.0\"\n"
                                      "  row 259 \"\" \"\" selected\n"
                                      "  row 260 \"\" \"\" selected\n"));
    EXPECT_THAT(result.out,
                HasSubstr("rows 261 first row 0 focus\n  row 0 \"0.5\" \"4.0\" selected\n"));
}

}  // namespace
