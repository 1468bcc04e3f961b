#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/window/CButton.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CEdit.h"
#include "platform/window/CListCtrl.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using platform::UserActionResult;
using platform::UserKey;
using testing::ElementsAre;
using namespace windowtest;

namespace {

DialogTemplate SampleTemplate() {
    DialogTemplate layout =
        MakeTemplate({StaticItem(-1, L"Severity:"), EditItem(1113, L"0.5"), ComboItem(1121),
                      ButtonItem(1078, L"Minimum", BS_AUTOCHECKBOX), ListItem(2257),
                      ButtonItem(IDOK, L"OK"), StaticItem(1500, L"hidden")});
    layout.items[3].style |= WS_DISABLED;
    layout.items[6].style &= ~WS_VISIBLE;
    return layout;
}

class CSampleDialog : public CDialog {
public:
    CSampleDialog() { InitModalIndirect(SampleTemplate()); }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* combo = static_cast<CComboBox*>(GetDlgItem(1121));
        combo->AddString(L"Low");
        combo->AddString(L"High");
        combo->SetCurSel(1);
        CheckDlgButton(1078, BST_CHECKED);
        auto* list = static_cast<CListCtrl*>(GetDlgItem(2257));
        list->InsertColumn(0, L"Thickness", LVCFMT_LEFT, 100);
        list->InsertColumn(1, L"Height", LVCFMT_LEFT, 100);
        for (int row = 0; row < 3; ++row) {
            list->InsertItem(row, L"");
        }
        list->SetItemText(1, 0, L"2");
        list->SetItemText(1, 1, L"5");
        list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        return TRUE;
    }
};

TEST(SimulatedUser, TheViewShowsWhatThePersonSees) {
    CSampleDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        static_cast<CEdit*>(dialog.GetDlgItem(1113))
            ->ShowBalloonTip(L"Out of range", L"Enter \"0\" to 90.", TTI_WARNING);
        dialog.MessageBox(L"Saved");
        dialog.MessageBox(L"Duplicate", L"Veritor", MB_OK | MB_ICONERROR);
        EXPECT_THAT(
            platform::RenderDialogView(person.View()),
            ElementsAre(L"dialog \"Test\"", L"static -1 \"Severity:\"", L"edit 1113 \"0.5\" focus",
                        L"  balloon warning \"Out of range\" \"Enter \\\"0\\\" to 90.\"",
                        L"combobox 1121 \"High\" items \"Low\" \"High\"",
                        L"checkbox 1078 \"Minimum\" checked disabled",
                        L"listview 2257 \"\" columns \"Thickness\" \"Height\" rows 3 first row 0",
                        L"  row 1 \"2\" \"5\"", L"  row 2 \"\" \"\" selected", L"button 1 \"OK\"",
                        L"message \"Veritor Rules\" \"Saved\"",
                        L"message \"Veritor\" \"Duplicate\"", L"focus 1113"));
        ASSERT_EQ(person.Messages().size(), 3u) << "the balloon tip and the message boxes";
        EXPECT_EQ(person.Messages()[2].style, MB_OK | MB_ICONERROR);
    });
}

TEST(SimulatedUser, WhatThePersonCannotReachIsNotDone) {
    struct Case {
        const char* name;
        std::function<UserActionResult(SimulatedUser&)> action;
        const wchar_t* reason;
    };
    const Case cases[] = {
        {"missing", [](SimulatedUser& p) { return p.Click(9999); },
         L"the dialog has no control 9999"},
        {"hidden", [](SimulatedUser& p) { return p.Click(1500); }, L"control 1500 is hidden"},
        {"disabled", [](SimulatedUser& p) { return p.Click(1078); }, L"control 1078 is disabled"},
        {"type into a combo box", [](SimulatedUser& p) { return p.Type(1121, L"x"); },
         L"control 1121 is not an edit box"},
        {"choose in an edit box", [](SimulatedUser& p) { return p.Choose(1113, L"x"); },
         L"control 1113 is not a combo box"},
        {"cell of an edit box", [](SimulatedUser& p) { return p.ClickCell(1113, 0, 0); },
         L"control 1113 is not a list"},
        {"missing cell", [](SimulatedUser& p) { return p.ClickCell(2257, 3, 0); },
         L"control 2257 has no cell at row 3, column 0"},
        {"focus on a label", [](SimulatedUser& p) { return p.Focus(-1); },
         L"control -1 cannot take the focus"},
        {"type a tab", [](SimulatedUser& p) { return p.Type(1113, L"1\t2"); },
         L"only printable characters are typed; keys are pressed"},
    };
    CSampleDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        const std::vector<CString> before = platform::RenderDialogView(person.View());
        for (const Case& c : cases) {
            const UserActionResult result = c.action(person);
            EXPECT_FALSE(result) << c.name;
            EXPECT_EQ(result.reason, c.reason) << c.name;
        }
        EXPECT_EQ(platform::RenderDialogView(person.View()), before);
    });
}

TEST(SimulatedUser, AfterTheDialogClosesNothingIsDone) {
    CSampleDialog dialog;
    RunWithUser(dialog, [](SimulatedUser& person) {
        EXPECT_TRUE(person.PressOk());
        EXPECT_FALSE(person.IsOpen());
        EXPECT_EQ(person.PressKey(UserKey::Tab).reason, L"no dialog is open");
        EXPECT_EQ(person.Type(1113, L"1").reason, L"no dialog is open");
        EXPECT_TRUE(person.View().controls.empty());
    });
}

TEST(SimulatedUser, KeysAreNamedWithoutRegardToCase) {
    EXPECT_EQ(platform::UserKeyFromName(L"tab"), UserKey::Tab);
    EXPECT_EQ(platform::UserKeyFromName(L"ENTER"), UserKey::Enter);
    EXPECT_EQ(platform::UserKeyFromName(L"F1"), UserKey::F1);
    EXPECT_EQ(platform::UserKeyFromName(L"shift+down"), UserKey::ShiftDown);
    EXPECT_EQ(platform::UserKeyFromName(L"Insert"), std::nullopt);
}

}  // namespace
