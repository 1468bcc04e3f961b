#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/window/CEdit.h"
#include "platform/window/CListCtrl.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using platform::UserKey;
using testing::ElementsAre;
using testing::ElementsAreArray;
using namespace windowtest;

namespace {

constexpr int kList = 2257;
constexpr int kEditor = 1172;

template <typename List>
class CListDialog : public CRecordingDialog {
public:
    explicit CListDialog(DWORD listStyle = LVS_REPORT, int rows = 6)
        : CRecordingDialog(MakeTemplate({ListItem(kList, listStyle), ButtonItem(IDOK, L"OK")})),
          m_rows(rows) {}
    List m_list;
    int m_rows;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CRecordingDialog::DoDataExchange(dx);
        DDX_Control(dx, kList, m_list);
    }
    BOOL OnInitDialog() override {
        CRecordingDialog::OnInitDialog();
        m_list.InsertColumn(0, L"Thickness", LVCFMT_LEFT, 204);
        m_list.InsertColumn(1, L"Height", LVCFMT_LEFT, 204);
        for (int row = 0; row < m_rows; ++row) {
            m_list.InsertItem(row, std::to_wstring(row + 1).c_str());
            m_list.SetItemText(row, 1, std::to_wstring(10 * (row + 1)).c_str());
        }
        return TRUE;
    }
};

TEST(ListView, ColumnsItemsAndCells) {
    CListDialog<CListCtrl> dialog;
    RunWithUser(dialog, [&](SimulatedUser&) {
        CListCtrl& list = dialog.m_list;
        ASSERT_NE(list.GetHeaderCtrl(), nullptr);
        EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
        EXPECT_EQ(list.GetColumnWidth(1), 204);

        EXPECT_EQ(list.InsertItem(99, L"appended"), 6);
        EXPECT_TRUE(list.DeleteItem(0));
        EXPECT_EQ(list.GetItemText(0, 0), L"2");
        EXPECT_EQ(list.GetItemText(0, 1), L"20");
        EXPECT_EQ(list.GetItemText(5, 0), L"appended");
        EXPECT_EQ(list.GetItemText(5, 1), L"");
        EXPECT_FALSE(list.SetItemText(6, 0, L"beyond the last row"));
        EXPECT_FALSE(list.SetItemText(0, 2, L"beyond the last column"));
        EXPECT_EQ(list.GetItemText(6, 0), L"");
        EXPECT_EQ(list.GetItemCount(), 6);

        EXPECT_EQ(list.SetExtendedStyle(0x471), 0u);
        EXPECT_EQ(list.GetExtendedStyle(), 0x471u);
    });
}

TEST(ListView, WithoutAHeaderThereIsNoHeaderControl) {
    CListDialog<CListCtrl> dialog(LVS_REPORT | LVS_NOCOLUMNHEADER);
    RunWithUser(dialog, [&](SimulatedUser&) { EXPECT_EQ(dialog.m_list.GetHeaderCtrl(), nullptr); });
}

TEST(ListView, EveryCellHasOneRectangleAndEveryPointOneCell) {
    CListDialog<CListCtrl> dialog;
    RunWithUser(dialog, [&](SimulatedUser&) {
        const CListCtrl& list = dialog.m_list;
        CRect first;
        ASSERT_TRUE(list.GetSubItemRect(0, 0, LVIR_LABEL, first));
        EXPECT_EQ(first, CRect(0, 24, 204, 42));
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 2; ++column) {
                CRect cell;
                ASSERT_TRUE(list.GetSubItemRect(row, column, LVIR_LABEL, cell));
                LVHITTESTINFO hit;
                hit.pt = cell.CenterPoint();
                EXPECT_EQ(list.SubItemHitTest(&hit), row);
                EXPECT_EQ(hit.iSubItem, column) << "row " << row;
            }
        }
        CRect missing;
        EXPECT_FALSE(list.GetSubItemRect(6, 0, LVIR_LABEL, missing));
        EXPECT_FALSE(list.GetSubItemRect(0, 2, LVIR_LABEL, missing));
        EXPECT_EQ(missing, CRect()) << "a missing cell leaves the rectangle empty";

        EXPECT_EQ(list.HitTest(CPoint(10, 10)), -1) << "on the header";
        EXPECT_EQ(list.HitTest(CPoint(420, 30)), -1) << "right of the cells";
        dialog.m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        EXPECT_EQ(list.HitTest(CPoint(420, 30)), 0) << "with full-row select";
    });
}

TEST(ListView, ItemStatesAndTheSelection) {
    CListDialog<CListCtrl> dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        CListCtrl& list = dialog.m_list;
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
        EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
        EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED), -1);
        EXPECT_EQ(list.GetSelectedCount(), 2u);
        list.SetItemState(-1, 0, LVIS_SELECTED);
        EXPECT_EQ(list.GetSelectedCount(), 0u);

        person.ClickCell(kList, 2, 1);
        EXPECT_EQ(person.FocusId(), kList);
        person.ClickCell(kList, 4, 0, platform::CellClick::Ctrl);
        EXPECT_THAT(person.Control(kList)->selectedRows, ElementsAre(2, 4));
        person.ClickCell(kList, 2, 2,
                         platform::CellClick::Ctrl);  // right of the cells: no row there
        EXPECT_THAT(person.Control(kList)->selectedRows, ElementsAre(2, 4));
        person.ClickCell(kList, 2, 0, platform::CellClick::Ctrl);
        person.PressKey(platform::UserKey::Down);
        EXPECT_THAT(person.Control(kList)->selectedRows, ElementsAre(3));
        EXPECT_FALSE(person.ClickCell(kList, 6, 0));
    });
}

// A table edited in place: a click on a cell opens an editor over it instead of selecting.
class CEditableList : public CListCtrl {
public:
    CEdit m_editor;

protected:
    afx_msg void OnLButtonDown(UINT flags, CPoint point) {
        LVHITTESTINFO hit;
        hit.pt = point;
        if (SubItemHitTest(&hit) < 0 || hit.iSubItem < 0) {
            CListCtrl::OnLButtonDown(flags, point);
            return;
        }
        CRect cell;
        GetSubItemRect(hit.iItem, hit.iSubItem, LVIR_LABEL, cell);
        if (!m_editor.m_hWnd) {
            m_editor.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_MULTILINE, cell,
                            this, kEditor);
        }
        m_editor.MoveWindow(cell);
        m_editor.ShowWindow(SW_SHOW);
        m_editor.SetWindowText(GetItemText(hit.iItem, hit.iSubItem));
        m_editor.SetSel(0, -1);
        m_editor.SetFocus();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditableList, CListCtrl)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

TEST(ListView, AControlOfItsOwnCanEditCellsInPlace) {
    CListDialog<CEditableList> dialog;
    dialog.m_list.m_editor.LimitText(3);  // no window yet: does nothing
    const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_FALSE(person.Control(kEditor)) << "created on the first click";
        person.ClickCell(kList, 1, 1);
        EXPECT_EQ(person.FocusId(), kEditor);
        EXPECT_EQ(person.Text(kEditor), L"20");
        EXPECT_TRUE(person.Control(kList)->selectedRows.empty()) << "the list kept the click";

        person.Type(kEditor, L"25");
        person.PressKey(platform::UserKey::Enter);
        person.PressKey(platform::UserKey::Tab);
        EXPECT_TRUE(person.IsOpen());
        EXPECT_EQ(person.Text(kEditor), L"25");

        dialog.m_list.m_editor.ShowWindow(SW_HIDE);
        EXPECT_EQ(person.FocusId(), kList);
        EXPECT_FALSE(person.Type(kEditor, L"1")) << "a hidden box cannot be typed into";

        dialog.m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        person.ClickCell(kList, 3, 2);  // right of the cells: the list's own handling
        EXPECT_THAT(person.Control(kList)->selectedRows, ElementsAre(3));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(dialog.With("EN_CHANGE").empty()) << "the editor tells the list, not the dialog";
    EXPECT_EQ(dialog.m_list.m_editor.m_hWnd, nullptr) << "destroyed with the list";
}

// The scrolling list: 40 rows, of which 15 fit wholly below the header (the 16th shows in part),
// so the first row shown goes from 0 to 25.
constexpr int kManyRows = 40;

struct ScrollCase {
    const char* name;
    std::function<void(SimulatedUser&, CListCtrl&)> act;
    int top;                    // the first row shown afterwards
    std::vector<int> selected;  // the rows selected afterwards
};

// Two columns of 204 and 300 pixels, in rows 435 pixels wide narrowed by
// the vertical scroll bar.
constexpr int kWideOriginLimit = 504 - (435 - CListCtrl::kScrollBarWidth);

std::ostream& operator<<(std::ostream& out, const ScrollCase& c) {
    return out << c.name;
}

void Press(SimulatedUser& person, UserKey key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        person.PressKey(key);
    }
}

const ScrollCase kScrollCases[] = {
    {"DownPastTheLastRowShownScrollsOneRow",
     [](SimulatedUser& p, CListCtrl&) {
         p.ClickCell(kList, 0, 0);
         Press(p, UserKey::Down, 15);
     },
     1,
     {15}},
    {"PageDownGoesToTheLastRowShownThenAPageOn",
     [](SimulatedUser& p, CListCtrl&) {
         p.ClickCell(kList, 0, 0);
         Press(p, UserKey::PageDown, 2);
     },
     14,
     {28}},
    {"PageUpGoesToTheFirstRowShownThenAPageBack",
     [](SimulatedUser& p, CListCtrl&) {
         p.ClickCell(kList, 0, 0);
         Press(p, UserKey::End);
         Press(p, UserKey::PageUp, 2);
     },
     11,
     {11}},
    {"HomeAndEndGoToTheFirstAndLastRow",
     [](SimulatedUser& p, CListCtrl&) {
         p.ClickCell(kList, 5, 0);
         Press(p, UserKey::End);
         EXPECT_EQ(p.Control(kList)->topRow, 25);
         Press(p, UserKey::Home);
     },
     0,
     {0}},
    {"ShiftUpAndDownExtendTheSelectionFromTheRowClicked",
     [](SimulatedUser& p, CListCtrl&) {
         p.ClickCell(kList, 14, 0);
         Press(p, UserKey::ShiftDown, 2);
         EXPECT_THAT(p.Control(kList)->selectedRows, ElementsAre(14, 15, 16));
         Press(p, UserKey::ShiftUp, 3);
     },
     2,
     {13, 14}},
    {"TheWheelScrollsThreeRowsANotchWithinTheRows",
     [](SimulatedUser& p, CListCtrl&) {
         p.TurnWheel(kList, 2);
         EXPECT_EQ(p.Control(kList)->topRow, 6);
         p.TurnWheel(kList, -1);
         EXPECT_EQ(p.Control(kList)->topRow, 3);
         p.TurnWheel(kList, 100);
     },
     25,
     {}},
    {"TheScrollBarsCodes",
     [](SimulatedUser&, CListCtrl& list) {
         const auto bar = [&list](UINT code, UINT position = 0) {
             list.SendMessage(WM_VSCROLL, MAKEWPARAM(code, position));
             return list.GetTopIndex();
         };
         EXPECT_EQ(bar(SB_PAGEDOWN), 15);
         EXPECT_EQ(bar(SB_LINEDOWN), 16);
         EXPECT_EQ(bar(SB_THUMBTRACK, 20), 20);
         EXPECT_EQ(bar(SB_LINEUP), 19);
         EXPECT_EQ(bar(SB_PAGEUP), 4);
         EXPECT_EQ(bar(SB_BOTTOM), 25);
         EXPECT_EQ(bar(SB_ENDSCROLL), 25);
         bar(SB_TOP);
         bar(SB_THUMBPOSITION, 7);
     },
     7,
     {}},
    {"LvmScrollMovesWholeRowsRoundedToTheNearest",
     [](SimulatedUser&, CListCtrl& list) {
         list.Scroll(CSize(0, 9));
         EXPECT_EQ(list.GetTopIndex(), 1);
         list.Scroll(CSize(0, 8));
         EXPECT_EQ(list.GetTopIndex(), 1);
         list.Scroll(CSize(0, 100));
         EXPECT_EQ(list.GetTopIndex(), 7);
         list.Scroll(CSize(0, -27));
     },
     5,
     {}},
    {"EnsureVisibleScrollsAsLittleAsShowsTheRow",
     [](SimulatedUser&, CListCtrl& list) {
         list.EnsureVisible(15, TRUE);
         EXPECT_EQ(list.GetTopIndex(), 0) << "row 15 shows in part already";
         list.EnsureVisible(15, FALSE);
         EXPECT_EQ(list.GetTopIndex(), 1);
         list.EnsureVisible(30, FALSE);
         EXPECT_EQ(list.GetTopIndex(), 16);
         EXPECT_FALSE(list.EnsureVisible(kManyRows, FALSE));
         list.EnsureVisible(3, FALSE);
     },
     3,
     {}},
    {"AClickOnTheRowShownInPartScrollsItIntoSight",
     [](SimulatedUser&, CListCtrl& list) {
         CRect cell;
         list.GetSubItemRect(15, 0, LVIR_LABEL, cell);
         list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, cell.top + 2));
     },
     1,
     {15}},
    {"ColumnsWiderThanTheRowsScrollByPixelsUnderAHorizontalBar",
     [](SimulatedUser& p, CListCtrl& list) {
         list.SetColumnWidth(1, 300);
         EXPECT_TRUE(list.GetStyle() & WS_HSCROLL);
         EXPECT_EQ(list.GetCountPerPage(), 14) << "the horizontal bar takes a row's room";
         const auto bar = [&list](UINT code, UINT position = 0) {
             list.SendMessage(WM_HSCROLL, MAKEWPARAM(code, position));
             POINT origin;
             EXPECT_TRUE(list.GetOrigin(&origin));
             return origin.x;
         };
         EXPECT_EQ(bar(SB_LINERIGHT), 8);
         EXPECT_EQ(bar(SB_RIGHT), kWideOriginLimit);
         EXPECT_EQ(p.Control(kList)->horizontalOrigin, kWideOriginLimit);
         EXPECT_EQ(bar(SB_LINELEFT), kWideOriginLimit - 8);
         EXPECT_EQ(bar(SB_PAGELEFT), 0);
         EXPECT_EQ(bar(SB_THUMBTRACK, 30), 30);
         list.Scroll(CSize(-10, 18));
         EXPECT_EQ(bar(SB_ENDSCROLL), 20);
         CRect cell;
         ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_LABEL, cell));
         EXPECT_EQ(cell, CRect(184, 24, 484, 42));
         EXPECT_EQ(list.HitTest(CPoint(10, 30)), 1) << "the first column's right part";
         bar(SB_RIGHT);
         CRect client;
         list.GetClientRect(&client);
         ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_LABEL, cell));
         EXPECT_EQ(cell.right, client.right) << "the last column ends at the client area's edge";
         EXPECT_EQ(list.HitTest(CPoint(cell.right - 1, 30)), 1);
         EXPECT_EQ(list.HitTest(CPoint(client.right, 30)), -1) << "on the vertical bar";
         EXPECT_EQ(list.HitTest(CPoint(10, client.bottom)), -1) << "on the horizontal bar";
     },
     1,
     {}},
    {"NarrowerColumnsTakeTheHorizontalBarAwayAndScrollBack",
     [](SimulatedUser&, CListCtrl& list) {
         list.SetColumnWidth(1, 300);
         list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0));
         list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
         EXPECT_EQ(list.GetTopIndex(), kManyRows - 14);
         list.SetColumnWidth(1, 204);
         EXPECT_FALSE(list.GetStyle() & WS_HSCROLL);
         POINT origin;
         list.GetOrigin(&origin);
         EXPECT_EQ(origin.x, 0);
     },
     kManyRows - 15,
     {}},
};

class ScrollingList : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollingList, TheFirstRowShownFollowsTheKeysTheWheelAndTheScrollBar) {
    const ScrollCase& c = GetParam();
    CListDialog<CListCtrl> dialog(LVS_REPORT, kManyRows);
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_EQ(dialog.m_list.GetCountPerPage(), 15);
        c.act(person, dialog.m_list);
        EXPECT_EQ(dialog.m_list.GetTopIndex(), c.top);
        EXPECT_EQ(person.Control(kList)->topRow, c.top);
        EXPECT_THAT(person.Control(kList)->selectedRows, ElementsAreArray(c.selected));
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollingList, testing::ValuesIn(kScrollCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListView, ScrolledRowsHaveTheirRectanglesOutOfSightWhereNothingHitsThem) {
    CListDialog<CListCtrl> dialog(LVS_REPORT, kManyRows);
    RunWithUser(dialog, [&](SimulatedUser& person) {
        CListCtrl& list = dialog.m_list;
        EXPECT_TRUE(list.GetStyle() & WS_VSCROLL) << "more rows than fit";
        list.Scroll(CSize(0, 10 * CListCtrl::kRowHeight));
        CRect cell;
        ASSERT_TRUE(list.GetSubItemRect(10, 1, LVIR_LABEL, cell));
        EXPECT_EQ(cell, CRect(204, 24, 408, 42));
        ASSERT_TRUE(list.GetSubItemRect(9, 1, LVIR_LABEL, cell));
        EXPECT_EQ(cell.top, 6) << "above the first row shown, under the header";
        EXPECT_EQ(list.HitTest(CPoint(10, 30)), 10);
        EXPECT_EQ(list.HitTest(CPoint(10, 10)), -1) << "the header hides row 9";
        EXPECT_EQ(list.HitTest(CPoint(10, 400)), -1) << "below the list";

        const platform::UserActionResult click = person.ClickCell(kList, 2, 0);
        EXPECT_FALSE(click);
        EXPECT_EQ(click.reason, L"control 2257 shows rows 10 to 24, not row 2: scroll to it first");
        EXPECT_TRUE(person.ClickCell(kList, 24, 0));

        while (list.GetItemCount() > 10) {
            list.DeleteItem(0);
        }
        EXPECT_EQ(list.GetTopIndex(), 0) << "all the rows left fit";
        EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
    });
}

// A cell editor is a child of the list: it moves with its cell, in sight or not, as the rows and
// the columns scroll, and the wheel turned over it scrolls the list.
TEST(ListView, TheListsChildWindowsMoveWithTheRows) {
    CListDialog<CEditableList> dialog(LVS_REPORT, kManyRows);
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.ClickCell(kList, 2, 1);
        CRect before;
        dialog.m_list.m_editor.GetWindowRect(&before);
        person.TurnWheel(kEditor, 1);
        EXPECT_EQ(dialog.m_list.GetTopIndex(), 3);
        CRect after;
        dialog.m_list.m_editor.GetWindowRect(&after);
        EXPECT_EQ(after.top, before.top - 3 * CListCtrl::kRowHeight);
        EXPECT_EQ(person.Control(kEditor)->cell, std::make_pair(2, 1)) << "out of sight";
        EXPECT_EQ(person.FocusId(), kEditor);
        person.TurnWheel(kList, -1);
        dialog.m_list.m_editor.GetWindowRect(&after);
        EXPECT_EQ(after, before);
        dialog.m_list.SetColumnWidth(1, 300);
        dialog.m_list.Scroll(CSize(30, 0));
        dialog.m_list.m_editor.GetWindowRect(&after);
        EXPECT_EQ(after.left, before.left - 30) << "and with the columns";
    });
}

}  // namespace
