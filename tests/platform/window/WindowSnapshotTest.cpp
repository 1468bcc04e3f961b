#include <gtest/gtest.h>

#include "platform/window/CComboBox.h"
#include "platform/window/WindowSnapshot.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::FindChild;
using platform::SimulatedUser;
using platform::WindowKind;
using platform::WindowSnapshot;
using namespace windowtest;

namespace {

DialogTemplate ThreeControls() {
    return MakeTemplate(
        {EditItem(10, L"1.5"), ComboItem(11), ButtonItem(IDOK, L"OK"),
         Item(DialogItemKind::Button, 12, BS_AUTOCHECKBOX, L"On", {200, 10, 260, 20})});
}

class SnapshotDialog : public CRecordingDialog {
public:
    using CRecordingDialog::CRecordingDialog;
    BOOL OnInitDialog() override {
        CRecordingDialog::OnInitDialog();
        auto* combo = static_cast<CComboBox*>(GetDlgItem(11));
        combo->AddString(L">");
        combo->AddString(L">=");
        combo->SetCurSel(1);
        return TRUE;
    }
};

TEST(WindowSnapshot, HoldsEachWindowWithItsClassRectangleAndState) {
    SnapshotDialog dialog(ThreeControls());
    RunWithUser(dialog, [&](SimulatedUser&) {
        const WindowSnapshot tree = platform::TakeWindowSnapshot(dialog.m_hWnd);
        EXPECT_EQ(tree.kind, WindowKind::Dialog);
        EXPECT_EQ(tree.text, L"Test");
        ASSERT_EQ(tree.children.size(), 4u);
        EXPECT_EQ(tree.children[3].kind, WindowKind::CheckBox);

        const WindowSnapshot& edit = tree.children[0];
        EXPECT_EQ(edit.kind, WindowKind::Edit);
        EXPECT_EQ(edit.id, 10);
        EXPECT_EQ(edit.text, L"1.5");
        EXPECT_EQ(edit.rect, CRect(15, 16, 90, 39));  // dialog units 10, 10, 60, 24
        EXPECT_TRUE(edit.focused);
        EXPECT_EQ(std::make_pair(edit.selectionStart, edit.selectionEnd), std::make_pair(0, 3));

        const WindowSnapshot& combo = tree.children[1];
        EXPECT_EQ(combo.kind, WindowKind::ComboBox);
        EXPECT_EQ(combo.items, (std::vector<CString>{L">", L">="}));
        EXPECT_EQ(combo.selection, 1);
        EXPECT_FALSE(combo.dropped);

        EXPECT_EQ(tree.children[2].kind, WindowKind::Button);
        EXPECT_EQ(tree.FindId(IDOK), &tree.children[2]);
    });
}

TEST(WindowSnapshot, TheRevisionMovesWithEveryChangeAndOnlyThen) {
    SnapshotDialog dialog(ThreeControls());
    RunWithUser(dialog, [&](SimulatedUser& person) {
        const std::uint64_t before = platform::WindowRevision();
        platform::TakeWindowSnapshot(dialog.m_hWnd);
        EXPECT_EQ(platform::WindowRevision(), before) << "taking a snapshot changes nothing";
        person.Type(10, L"2");
        EXPECT_GT(platform::WindowRevision(), before);
        const std::uint64_t typed = platform::WindowRevision();
        EnableWindow(FindChild(dialog.m_hWnd, IDOK), FALSE);
        EXPECT_GT(platform::WindowRevision(), typed);
    });
}

TEST(WindowSnapshot, HitTestingFindsTheWindowUnderAPointAndADroppedList) {
    SnapshotDialog dialog(ThreeControls());
    RunWithUser(dialog, [&](SimulatedUser&) {
        const HWND edit = FindChild(dialog.m_hWnd, 10);
        const HWND combo = FindChild(dialog.m_hWnd, 11);
        platform::WindowHit hit = platform::HitTestWindow(dialog.m_hWnd, {20, 20});
        EXPECT_EQ(hit.window, edit);
        EXPECT_EQ(hit.point, CPoint(5, 4));
        EXPECT_EQ(platform::HitTestWindow(dialog.m_hWnd, {300, 300}).window, dialog.m_hWnd);
        EXPECT_EQ(platform::HitTestWindow(dialog.m_hWnd, {-1, 5}).window, nullptr);

        const CPoint belowTheBox{20, 71 + 8};  // under the selection field, inside the list
        EXPECT_EQ(platform::HitTestWindow(dialog.m_hWnd, belowTheBox).window, dialog.m_hWnd);
        SendMessage(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        const std::vector<HWND> lists = platform::OwnedWindows(combo);
        ASSERT_EQ(lists.size(), 1u);
        hit = platform::HitTestWindow(dialog.m_hWnd, belowTheBox);
        EXPECT_EQ(hit.window, lists[0]);
        EXPECT_EQ(hit.point, CPoint(5, 8));
        const WindowSnapshot tree = platform::TakeWindowSnapshot(dialog.m_hWnd);
        const WindowSnapshot& list = tree.children[1].popups.at(0);
        EXPECT_EQ(list.kind, WindowKind::DroppedList);
        EXPECT_EQ(list.rect, CRect(15, 71, 120, 71 + 2 * 16)) << "on the screen, two rows";
    });
}

}  // namespace
