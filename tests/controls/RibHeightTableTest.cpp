#include <gmock/gmock.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/window/SimulatedUser.h"
#include "rules/CTeskRibHeightForThicknessRule.h"

// The thickness/height table's cell editor as a person drives it in the rib-height dialog: where
// the editor is after a sequence of clicks and keys, what the cells hold, and what was said. The
// new rule's table holds one row, 0.5 and 4.0.
namespace {

using platform::CellClick;
using platform::SimulatedUser;
using platform::UserKey;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Cells = std::vector<std::pair<const wchar_t*, const wchar_t*>>;

constexpr int kTable = 2257;
constexpr int kEditor = 1172;

struct TableCase {
    const char* name;
    std::function<void(SimulatedUser&)> act;
    std::optional<std::pair<int, int>> editorCell;  // the open editor's cell; none when closed
    Cells firstRows;                                // rows 0 to 2 afterwards
    int messageBoxes = 0;
    int topRow = 0;  // the first row shown afterwards; 12 rows fit above the horizontal bar
};

std::ostream& operator<<(std::ostream& out, const TableCase& c) {
    return out << c.name;
}

const TableCase kCases[] = {
    {"AClickOpensTheEditorOverTheCell", [](SimulatedUser& p) { p.ClickCell(kTable, 0, 1); },
     std::pair(0, 1), Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"EnterStoresANumeral",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.Type(kEditor, L"2");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"2", L""}, {L"", L""}}},
    {"TabGoesRightThenToTheNextRowsThickness",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.Type(kEditor, L"2");
         p.PressKey(UserKey::Tab);
         p.Type(kEditor, L"3");
         p.PressKey(UserKey::Tab);
     },
     std::pair(2, 0), Cells{{L"0.5", L"4.0"}, {L"2", L"3"}, {L"", L""}}},
    {"EscapeKeepsTheCellAsItWas",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 0, 1);
         p.Type(kEditor, L"9");
         p.PressKey(UserKey::Escape);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"ATextThatIsNotANumeralIsEmptiedSilently",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 1);
         p.Type(kEditor, L"abc");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"ARepeatedThicknessValueIsRefusedAndEmptied",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.Type(kEditor, L"0.5000001");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}, 1},
    {"AThicknessJustBeyondTheToleranceIsKept",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.Type(kEditor, L"0.500002");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"0.500002", L""}, {L"", L""}}},
    {"HeightsMayRepeat",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 1);
         p.Type(kEditor, L"4.00");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"", L"4.00"}, {L"", L""}}},
    {"ArrowsLeaveACellWithoutChecks",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.Type(kEditor, L"0.50");
         p.PressKey(UserKey::Down);
         p.Type(kEditor, L"x");
         p.PressKey(UserKey::Right);
     },
     std::pair(2, 1), Cells{{L"0.5", L"4.0"}, {L"0.50", L""}, {L"x", L""}}},
    {"LeftAndUpStopAtTheTablesEdge",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 0, 0);
         p.PressKey(UserKey::Left);
         p.ClickCell(kTable, 0, 1);
         p.PressKey(UserKey::Up);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"TabAfterAnEditEndedReopensBesideTheLastCell",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.PressKey(UserKey::Enter);
         p.PressKey(UserKey::Tab);
     },
     std::pair(1, 1), Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"DeleteBlanksTheSelectedRows",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 1);
         p.Type(kEditor, L"7");
         p.ClickCell(kTable, 0, 2);
         p.ClickCell(kTable, 2, 2, CellClick::Shift);
         p.PressKey(UserKey::Delete);
     },
     std::nullopt, Cells{{L"", L""}, {L"", L""}, {L"", L""}}},
    {"DeleteDuringAnEditDeletesText",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 0, 2);
         p.ClickCell(kTable, 0, 0);
         p.PressKey(UserKey::Delete);
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"ACtrlClickBesideTheCellsAddsARowWithoutEditing",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 0, 2);
         p.ClickCell(kTable, 2, 2, CellClick::Ctrl);
         p.PressKey(UserKey::Delete);
     },
     std::nullopt, Cells{{L"", L""}, {L"", L""}, {L"", L""}}},
    {"ADoubleClickOnACellOpensItsEditor",
     [](SimulatedUser& p) { p.ClickCell(kTable, 2, 0, CellClick::Double); }, std::pair(2, 0),
     Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}},
    {"DownPastTheLastRowShownScrollsTheEditorIntoSight",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 11, 0);
         p.PressKey(UserKey::Down);
     },
     std::pair(12, 0), Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}, 0, 1},
    {"UpAboveTheFirstRowShownScrollsBack",
     [](SimulatedUser& p) {
         p.TurnWheel(kTable, 1);
         p.ClickCell(kTable, 3, 1);
         p.PressKey(UserKey::Up);
     },
     std::pair(2, 1), Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}, 0, 2},
    {"TheWheelMovesTheOpenEditorWithItsCell",
     [](SimulatedUser& p) {
         p.ClickCell(kTable, 1, 0);
         p.TurnWheel(kTable, 1);
         p.Type(kEditor, L"2");
         p.PressKey(UserKey::Enter);
     },
     std::nullopt, Cells{{L"0.5", L"4.0"}, {L"2", L""}, {L"", L""}}, 0, 3},
    {"Row200IsEditedOnceScrolledTo",
     [](SimulatedUser& p) {
         EXPECT_FALSE(p.ClickCell(kTable, 200, 0)) << "not in sight";
         p.TurnWheel(kTable, 66);
         p.ClickCell(kTable, 200, 0);
         p.Type(kEditor, L"9");
         p.PressKey(UserKey::Tab);
     },
     std::pair(200, 1), Cells{{L"0.5", L"4.0"}, {L"", L""}, {L"", L""}}, 0, 198},
};

class RibHeightTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(RibHeightTable, KeysAndClicksMoveAndCommitTheCellEditor) {
    const TableCase& c = GetParam();
    CTeskRibHeightForThicknessRule rule(0);
    platform::DialogView view;
    bool open = false;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        c.act(person);
        view = person.View();
        open = person.IsOpen();
    });
    rule.EditRule();
    EXPECT_TRUE(open) << "the table's keys never close the dialog";
    std::optional<std::pair<int, int>> editorCell;
    Cells firstRows;
    for (const platform::ControlView& control : view.controls) {
        if (control.id == kEditor) {
            editorCell = control.cell;
        }
        if (control.id == kTable) {
            EXPECT_EQ(control.rows.size(), 261u) << "no row is ever added or taken away";
            EXPECT_EQ(control.topRow, c.topRow);
            for (std::size_t row = 0; row < 3; ++row) {
                firstRows.emplace_back(control.rows[row][0].GetString(),
                                       control.rows[row][1].GetString());
            }
        }
    }
    EXPECT_EQ(editorCell, c.editorCell);
    ASSERT_EQ(firstRows.size(), c.firstRows.size());
    for (std::size_t row = 0; row < firstRows.size(); ++row) {
        EXPECT_EQ(CString(firstRows[row].first), c.firstRows[row].first) << "row " << row;
        EXPECT_EQ(CString(firstRows[row].second), c.firstRows[row].second) << "row " << row;
    }
    EXPECT_EQ(static_cast<int>(view.messages.size()), c.messageBoxes);
}

INSTANTIATE_TEST_SUITE_P(KeySequences, RibHeightTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RibHeightTable, ARepeatedThicknessNamesTheTypedTextInAnErrorBox) {
    CTeskRibHeightForThicknessRule rule(0);
    std::vector<ShownMessage> messages;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        person.ClickCell(kTable, 1, 0);
        person.Type(kEditor, L"0.50");
        person.PressKey(UserKey::Enter);
        messages = person.Messages();
    });
    rule.EditRule();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, L"Veritor");
    EXPECT_THAT(messages[0].text.str(), ::testing::StartsWith(L"0.50 : "));
    EXPECT_EQ(messages[0].style, MB_ICONERROR | MB_OK);
}

// The last row has no row below it: Down ends the edit there and opens nothing.
TEST(RibHeightTable, DownOnTheLastRowEndsTheEdit) {
    CTeskRibHeightForThicknessRule rule(0);
    std::optional<platform::ControlView> editor;
    CString lastRow;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        person.TurnWheel(kTable, 100);
        person.ClickCell(kTable, 260, 1);
        person.Type(kEditor, L"6");
        EXPECT_TRUE(person.PressKey(UserKey::Down));
        editor = person.Control(kEditor);
        lastRow = person.Control(kTable)->rows.back()[1];
    });
    rule.EditRule();
    EXPECT_FALSE(editor) << "the editor is hidden";
    EXPECT_EQ(lastRow, L"6");
}

}  // namespace
