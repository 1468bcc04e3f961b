#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CEdit.h"
#include "platform/window/CListCtrl.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::ElementsAre;
using namespace windowtest;

namespace {

constexpr int kList = 2257;
constexpr int kEditor = 1172;

template <typename List>
class CListDialog : public CRecordingDialog {
public:
    explicit CListDialog(DWORD listStyle = LVS_REPORT)
        : CRecordingDialog(MakeTemplate({ListItem(kList, listStyle), ButtonItem(IDOK, L"OK")})) {}
    List m_list;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CRecordingDialog::DoDataExchange(dx);
        DDX_Control(dx, kList, m_list);
    }
    BOOL OnInitDialog() override {
        CRecordingDialog::OnInitDialog();
        m_list.InsertColumn(0, L"Thickness", LVCFMT_LEFT, 204);
        m_list.InsertColumn(1, L"Height", LVCFMT_LEFT, 204);
        for (int row = 0; row < 6; ++row) {
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

}  // namespace
