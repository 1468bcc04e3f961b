#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/window/CButton.h"
#include "platform/window/CComboBox.h"
#include "platform/window/CEdit.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using namespace windowtest;

namespace {

constexpr int kBox = 1001;
constexpr int kCombo = 1003;
constexpr int kCheck = 1078;

DialogTemplate FullTemplate() {
    return MakeTemplate(
        {EditItem(kBox), ComboItem(kCombo), ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX),
         ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON), ButtonItem(IDCANCEL, L"Cancel")});
}

class CBindingDialog : public CDialog {
public:
    explicit CBindingDialog(const DialogTemplate& dialogTemplate) {
        InitModalIndirect(dialogTemplate);
    }

    CEdit m_edit;
    CComboBox m_combo;
    int m_nCheckState = 5;
    bool membersBoundAtInit = false;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kBox, m_edit);
        DDX_Control(dx, kCombo, m_combo);
        DDX_Check(dx, kCheck, m_nCheckState);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        membersBoundAtInit = GetDlgItem(kCombo) == &m_combo;
        m_combo.AddString(L">");
        m_combo.AddString(L">=");
        return TRUE;
    }
};

TEST(Dialog, InitialisingBindsTheMembersAndOkSavesBeforeEnding) {
    CBindingDialog dialog(FullTemplate());
    const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_EQ(dialog.GetDlgItem(kBox), &dialog.m_edit);
        EXPECT_EQ(person.Control(kCheck)->check, BST_CHECKED) << "loaded from the member";
        person.Click(kCheck);
        EXPECT_EQ(dialog.m_nCheckState, 5) << "nothing saved before OK";
        person.PressOk();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(dialog.membersBoundAtInit);
    EXPECT_EQ(dialog.m_nCheckState, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_edit.m_hWnd, nullptr) << "the windows are gone, the objects stay";
}

TEST(Dialog, CancelSavesNothing) {
    CBindingDialog dialog(FullTemplate());
    const INT_PTR result = RunWithUser(dialog, [](SimulatedUser& person) {
        person.Click(kCheck);
        person.PressCancel();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_nCheckState, 5);
}

TEST(Dialog, ControlsMissingFromTheTemplateAreNullAndTheirMembersHarmless) {
    DialogTemplate layout = FullTemplate();
    layout.RemoveItem(kBox);
    layout.RemoveItem(kCheck);
    CBindingDialog dialog(layout);
    const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_EQ(dialog.GetDlgItem(kBox), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(kCheck), nullptr);
        EXPECT_EQ(dialog.m_edit.m_hWnd, nullptr);
        EXPECT_EQ(dialog.GetDlgItem(kCombo), &dialog.m_combo) << "later bindings still happen";
        dialog.m_edit.SetWindowText(L"lost");
        dialog.m_edit.SetSel(0, -1);
        CString text = L"stale";
        dialog.m_edit.GetWindowText(text);
        EXPECT_EQ(text, L"");
        EXPECT_EQ(dialog.m_edit.GetWindowTextLength(), 0);
        EXPECT_FALSE(dialog.m_edit.IsWindowEnabled());
        EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 0u);
        EXPECT_FALSE(person.Type(kBox, L"1"));
        person.PressOk();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nCheckState, 5) << "a missing check box saves nothing";
}

TEST(Dialog, AMissingTemplateRunsNothing) {
    CDialog dialog(4242);
    int runs = 0;
    EXPECT_EQ(RunWithUser(dialog, [&](SimulatedUser&) { ++runs; }), -1);
    EXPECT_EQ(runs, 0);
}

TEST(Dialog, AnOverrideReplacesTheTemplateOfThatIdFromAnyLibrary) {
    DialogTemplate layout = FullTemplate();
    layout.id = 4242;
    layout.RemoveItem(kBox);
    const DialogTemplateOverride replacement(layout);
    CBindingDialog dialog(MakeTemplate({}));
    CDialog byId(4242);
    const INT_PTR result = RunWithUser(byId, [&](SimulatedUser& person) {
        EXPECT_EQ(person.Control(kBox), std::nullopt);
        EXPECT_TRUE(person.Control(kCombo));
        person.PressOk();
    });
    EXPECT_EQ(result, IDOK);
}

// A base with its own OK handler, and dialogs that name either it or CDialog as their base map.
class CIntermediateDialog : public CDialog {
public:
    explicit CIntermediateDialog(const DialogTemplate& dialogTemplate) {
        InitModalIndirect(dialogTemplate);
    }

protected:
    afx_msg void OnIntermediateOk() { EndDialog(77); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIntermediateDialog, CDialog)
ON_BN_CLICKED(IDOK, &CIntermediateDialog::OnIntermediateOk)
END_MESSAGE_MAP()

class CSkippingDialog : public CIntermediateDialog {
public:
    using CIntermediateDialog::CIntermediateDialog;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSkippingDialog, CDialog)
END_MESSAGE_MAP()

class CInheritingDialog : public CIntermediateDialog {
public:
    using CIntermediateDialog::CIntermediateDialog;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInheritingDialog, CIntermediateDialog)
END_MESSAGE_MAP()

// Overrides OnOK; CDialog's own map reaches the override through the virtual call.
class COverridingDialog : public CSkippingDialog {
public:
    using CSkippingDialog::CSkippingDialog;

protected:
    void OnOK() override { EndDialog(88); }
};

TEST(Dialog, AMessageMapFallsToTheBaseMapItNames) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CDialog>(const DialogTemplate&)> make;
        INT_PTR result;
    };
    const Case cases[] = {
        {"names CDialog", [](const auto& t) { return std::make_unique<CSkippingDialog>(t); }, IDOK},
        {"names its base", [](const auto& t) { return std::make_unique<CInheritingDialog>(t); },
         77},
        {"overrides OnOK", [](const auto& t) { return std::make_unique<COverridingDialog>(t); },
         88},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<CDialog> dialog = c.make(FullTemplate());
        EXPECT_EQ(RunWithUser(*dialog, [](SimulatedUser& person) { person.PressOk(); }), c.result)
            << c.name;
    }
}

// Routes clicks on the frame explicitly, passing them on to the default handling.
class CFrameDialog : public CDialog {
public:
    explicit CFrameDialog(const DialogTemplate& dialogTemplate) {
        InitModalIndirect(dialogTemplate);
    }
    std::vector<UINT> hitTests;

protected:
    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point) {
        hitTests.push_back(hitTest);
        CDialog::OnNcLButtonDown(hitTest, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameDialog, CDialog)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

TEST(Dialog, CancelWithoutACancelButtonUsesTheCloseBox) {
    CFrameDialog dialog(MakeTemplate({EditItem(kBox)}));
    const INT_PTR result = RunWithUser(dialog, [](SimulatedUser& person) {
        EXPECT_FALSE(person.PressOk()) << "no OK button to press";
        EXPECT_TRUE(person.PressCancel());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.hitTests, std::vector<UINT>{HTCLOSE});
}

TEST(Focus, ADisabledOrHiddenWindowDoesNotKeepTheFocus) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox), EditItem(1002), EditItem(1003)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        CWnd* second = dialog.GetDlgItem(1002);
        second->EnableWindow(FALSE);
        EXPECT_EQ(second->SetFocus(), nullptr);
        EXPECT_EQ(person.FocusId(), kBox) << "a disabled window cannot take the focus";

        dialog.GetDlgItem(kBox)->EnableWindow(FALSE);
        EXPECT_EQ(person.FocusId(), std::nullopt);

        person.Focus(1003);
        dialog.GetDlgItem(1003)->ShowWindow(SW_HIDE);
        EXPECT_EQ(CWnd::GetFocus(), &dialog) << "hiding hands the focus to the parent";
    });
    EXPECT_EQ(dialog.With("EN_KILLFOCUS"),
              (std::vector<std::string>{"EN_KILLFOCUS 1001 ", "EN_KILLFOCUS 1003 "}));
}

TEST(Focus, OnInitDialogReturningFalseKeepsTheFocusItSet) {
    struct CFocusingDialog : CRecordingDialog {
        using CRecordingDialog::CRecordingDialog;
        BOOL OnInitDialog() override {
            CRecordingDialog::OnInitDialog();
            GetDlgItem(1002)->SetFocus();
            return FALSE;
        }
    } dialog(MakeTemplate({EditItem(kBox), EditItem(1002)}));
    RunWithUser(dialog, [](SimulatedUser& person) { EXPECT_EQ(person.FocusId(), 1002); });
}

}  // namespace

namespace {

TEST(Dialog, ClosingSendsNothingToTheControlsOnTheirWayOut) {
    CRecordingDialog dialog(FullTemplate());
    RunWithUser(dialog, [](SimulatedUser& person) {
        person.Type(kBox, L"4");
        person.PressOk();
    });
    ASSERT_FALSE(dialog.notifications.empty());
    EXPECT_EQ(dialog.notifications.back(), "BN_CLICKED 1 OK") << "no EN_KILLFOCUS after OK";
}

// Destroys the button whose click it is handling, while the button is still at work.
class CSelfDestroyingDialog : public CDialog {
public:
    CSelfDestroyingDialog() { InitModalIndirect(MakeTemplate({ButtonItem(1500, L"Remove me")})); }

protected:
    afx_msg void OnRemove() { GetDlgItem(1500)->DestroyWindow(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDestroyingDialog, CDialog)
ON_BN_CLICKED(1500, &CSelfDestroyingDialog::OnRemove)
END_MESSAGE_MAP()

TEST(Dialog, AWindowDestroyedByItsOwnNotificationIsGoneSafely) {
    CSelfDestroyingDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_TRUE(person.Click(1500));
        EXPECT_EQ(dialog.GetDlgItem(1500), nullptr);
        EXPECT_FALSE(person.Click(1500));
    });
}

}  // namespace
