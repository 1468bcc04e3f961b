#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CButton.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::ElementsAre;
using testing::IsEmpty;
using namespace windowtest;

namespace {

constexpr int kCheck = 1078;

// Reads the check box's state at the moment its click is told.
class CCheckDialog : public CRecordingDialog {
public:
    using CRecordingDialog::CRecordingDialog;
    std::vector<int> statesSeen;

protected:
    BOOL OnInitDialog() override {
        CRecordingDialog::OnInitDialog();
        CheckDlgButton(kCheck, BST_CHECKED);
        return TRUE;
    }
    afx_msg void OnCheckClicked() {
        statesSeen.push_back(static_cast<int>(IsDlgButtonChecked(kCheck)));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckDialog, CRecordingDialog)
ON_BN_CLICKED(kCheck, &CCheckDialog::OnCheckClicked)
END_MESSAGE_MAP()

TEST(CheckBox, AClickTogglesAnAutomaticBoxBeforeTellingTheParent) {
    struct Case {
        DWORD type;
        std::vector<int> statesSeen;
    };
    const Case cases[] = {{BS_AUTOCHECKBOX, {0, 1}}, {BS_CHECKBOX, {1, 1}}};
    for (const Case& c : cases) {
        CCheckDialog dialog(MakeTemplate({ButtonItem(kCheck, L"Minimum", c.type)}));
        RunWithUser(dialog, [&](SimulatedUser& person) {
            EXPECT_TRUE(dialog.statesSeen.empty()) << "setting the state sends nothing";
            person.Click(kCheck);
            person.Click(kCheck);
        });
        EXPECT_EQ(dialog.statesSeen, c.statesSeen) << "type " << c.type;
    }
}

// The key goes down and comes up on the focused box; the click is told once, on release.
TEST(CheckBox, TheSpaceKeyTogglesTheFocusedBox) {
    CCheckDialog dialog(MakeTemplate({ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Focus(kCheck);
        person.PressKey(platform::UserKey::Space);
        EXPECT_EQ(person.Control(kCheck)->check, BST_UNCHECKED);
        person.PressKey(platform::UserKey::Space);
    });
    EXPECT_THAT(dialog.statesSeen, ElementsAre(0, 1));
}

TEST(CheckBox, ADisabledBoxTakesNoClick) {
    CCheckDialog dialog(MakeTemplate({ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        dialog.GetDlgItem(kCheck)->EnableWindow(FALSE);
        const platform::UserActionResult result = person.Click(kCheck);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.reason, L"control 1078 is disabled");
        EXPECT_EQ(person.Control(kCheck)->check, BST_CHECKED);
    });
    EXPECT_THAT(dialog.statesSeen, IsEmpty());
}

TEST(CheckBox, AnyNonZeroStateChecksATwoStateBox) {
    CCheckDialog dialog(MakeTemplate({ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX)}));
    RunWithUser(dialog, [&](SimulatedUser&) {
        auto* box = static_cast<CButton*>(dialog.GetDlgItem(kCheck));
        box->SetCheck(7);
        EXPECT_EQ(box->GetCheck(), BST_CHECKED);
        box->SetCheck(BST_UNCHECKED);
        EXPECT_EQ(box->GetCheck(), BST_UNCHECKED);
    });
}

TEST(PushButton, AClickTakesTheFocusAndTellsTheParentOnce) {
    CRecordingDialog dialog(MakeTemplate({EditItem(1001), ButtonItem(1500, L"Apply")}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Click(1500);
        EXPECT_EQ(person.FocusId(), 1500);
    });
    EXPECT_THAT(dialog.With("BN_CLICKED"), ElementsAre("BN_CLICKED 1500 Apply"));
}

TEST(PushButton, TheSpaceKeyPressesTheFocusedButton) {
    CRecordingDialog dialog(MakeTemplate({EditItem(1001), ButtonItem(1500, L"Apply")}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Focus(1500);
        person.PressKey(platform::UserKey::Space);
    });
    EXPECT_THAT(dialog.With("BN_CLICKED"), ElementsAre("BN_CLICKED 1500 Apply"));
}

}  // namespace
