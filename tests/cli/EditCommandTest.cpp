#include <gmock/gmock.h>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

namespace {

using ::testing::HasSubstr;

class EditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunVeritorRules(m_folder.Path(), "new doc.xml").status, 0);
        m_original = ReadWholeFile(m_folder.Path() / "doc.xml");
    }
    CommandResult Edit(const std::string& script) {
        std::ofstream(m_folder.Path() / "script") << script;
        return RunVeritorRules(m_folder.Path(), "edit doc.xml 'Draft Angle' --script script");
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

TEST_F(EditCommand, RefusedCharactersNeverShowInTheBox) {
    const CommandResult result = Edit("paste 1113 -2\ntype 1118 a\nshow\nok\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("edit 1113 \"0.5\""));
    EXPECT_THAT(result.out, HasSubstr("edit 1118 \"5.0\""));
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
          Case{"key Hyper\n", "script line 1: unknown key"}}) {
        const CommandResult result = Edit(c.script);
        EXPECT_NE(result.status, 0) << c.script;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.script;
        EXPECT_EQ(Document(), m_original) << c.script;
    }
}

}  // namespace
