#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "platform/ResourceTable.h"
#include "platform/window/WindowStyles.h"
#include "resources/tools/DialogFile.h"
#include "resources/tools/LineReader.h"
#include "resources/tools/ResourceSource.h"

using testing::HasSubstr;

namespace {

resgen::DialogTable Parse(const std::string& text) {
    std::istringstream in(text);
    return resgen::ParseDialogTemplates(in, "dialogs.txt");
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const resgen::ParseError& error) {
        return error.message;
    }
    return "no error";
}

TEST(DialogFile, ATemplateGetsItsDefaultsIdsAndStyles) {
    const resgen::DialogTable table = Parse(
        "# comment\n"
        "dialog 206 0 0 252 106 \"Draft \\\"Angle\\\"\" WS_EX_CONTEXTHELP\r\n"
        "    font 8 \"Sans\"\n"
        "\n"
        "    static IDC_STATIC 7 10 96 8 \"Core side:\"\n"
        "    edit 1113 144 8 56 14 \"\" WS_BORDER WS_TABSTOP\n"
        "    button IDOK 141 85 50 14 \"OK\" BS_DEFPUSHBUTTON\n"
        "end\n");
    ASSERT_EQ(table.size(), 1u);
    const resgen::DialogDefinition& dialog = table.at(206);
    EXPECT_EQ(dialog.caption, "Draft \"Angle\"");
    EXPECT_EQ(dialog.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog.exStyle, WS_EX_CONTEXTHELP);
    EXPECT_EQ(dialog.fontName, "Sans");
    EXPECT_EQ(dialog.fontPoints, 8u);
    ASSERT_EQ(dialog.items.size(), 3u);
    EXPECT_EQ(dialog.items[0].id, -1);
    EXPECT_EQ(dialog.items[0].kind, kTeskDialogItemStatic);
    EXPECT_EQ(dialog.items[1].style, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    EXPECT_EQ(dialog.items[1].cx, 56);
    EXPECT_EQ(dialog.items[2].id, 1);
    EXPECT_EQ(dialog.items[2].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST(DialogFile, EachMistakeIsReportedWithItsFileAndLine) {
    const std::string open = "dialog 1 0 0 10 10 \"D\"\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {open + "slider 5 0 0 1 1 \"\"\nend\n", "dialogs.txt:2: unknown keyword slider"},
        {open + "edit 5 0 0 1 1 \"\" ES_NUMBER\nend\n", "dialogs.txt:2: unknown style ES_NUMBER"},
        {open + "edit 5 0 0 1 1\nend\n", "dialogs.txt:2: expected the text in double quotes"},
        {open + "edit 5 0 0 1 1 \"open\nend\n",
         "dialogs.txt:2: the text is missing its closing quote"},
        {open + "edit 5 0 0 -1 1 \"\"\nend\n", "dialogs.txt:2: width -1 is outside 0 to 32767"},
        {open + "edit 70000 0 0 1 1 \"\"\nend\n",
         "dialogs.txt:2: control id 70000 is outside -1 to 65535"},
        {open + "edit 5 0 0 1 1 \"\"\nedit 5 0 0 1 1 \"\"\nend\n",
         "dialogs.txt:3: control 5 appears twice in dialog 1"},
        {open + "font 8 \"A\"\nfont 9 \"B\"\nend\n", "dialogs.txt:3: the font is given twice"},
        {"edit 5 0 0 1 1 \"\"\n", "dialogs.txt:1: a control outside a dialog"},
        {"end\n", "dialogs.txt:1: end outside a dialog"},
        {open + "end\n" + open + "end\n", "dialogs.txt:3: dialog 1 is defined twice"},
        {open + open, "dialogs.txt:2: dialog 1 needs its end line before the next dialog"},
        {"\n" + open + "edit 5 0 0 1 1 \"\"\n", "dialogs.txt:2: dialog 1 has no end line"},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(ErrorOf(c.text), HasSubstr(c.message)) << c.text;
    }
}

TEST(ResourceSource, ALanguageWithoutDialogsExportsAnEmptyDialogTable) {
    const std::string source = resgen::GenerateSource({{2000, "mm"}}, {});
    EXPECT_THAT(source, HasSubstr("TeskStrings = {1u, kEntries}"));
    EXPECT_THAT(source, HasSubstr("TeskDialogs = {0u, nullptr}"));
}

TEST(ResourceSource, ADialogWithoutControlsHasNoItemArray) {
    const std::string source =
        resgen::GenerateSource({}, Parse("dialog 7 0 0 9 9 \"Empty\"\nend\n"));
    EXPECT_THAT(source, HasSubstr("TeskStrings = {0u, nullptr}"));
    EXPECT_THAT(source, HasSubstr("\"Empty\", \"\", 0u, 0u, nullptr}"));
}

}  // namespace
