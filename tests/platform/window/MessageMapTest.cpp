#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CComboBox.h"
#include "platform/window/CEdit.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::ElementsAre;
using namespace windowtest;

namespace {

constexpr int kBox = 1001;
constexpr int kCombo = 1121;
constexpr int kCreated = 1300;

// Writes down each window message with its unpacked arguments, then lets the box handle it.
class CLoggingEdit : public CEdit {
public:
    std::vector<std::string> log;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT create) {
        log.push_back("create " + std::to_string(create->id));
        return CEdit::OnCreate(create);
    }
    afx_msg void OnSetFocus(CWnd* oldWnd) {
        log.push_back(std::string("setfocus from ") + (oldWnd ? "a window" : "none"));
        CEdit::OnSetFocus(oldWnd);
    }
    afx_msg void OnKillFocus(CWnd* newWnd) {
        log.push_back("killfocus to " + std::to_string(newWnd ? newWnd->GetDlgCtrlID() : 0));
        CEdit::OnKillFocus(newWnd);
    }
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags) {
        log.push_back("keydown " + std::to_string(key) + " " + std::to_string(repeat));
        CEdit::OnKeyDown(key, repeat, flags);
    }
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags) {
        log.push_back("char " + std::string(1, static_cast<char>(ch)));
        CEdit::OnChar(ch, repeat, flags);
    }
    afx_msg void OnLButtonDown(UINT flags, CPoint point) {
        log.push_back("down " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
                      std::to_string(point.y));
        CEdit::OnLButtonDown(flags, point);
    }
    afx_msg void OnLButtonUp(UINT flags, CPoint point) {
        log.push_back("up " + std::to_string(point.x) + "," + std::to_string(point.y));
        CEdit::OnLButtonUp(flags, point);
    }
    afx_msg void OnLButtonDblClk(UINT, CPoint point) {
        log.push_back("double " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) {
        log.push_back("vscroll " + std::to_string(code) + " " + std::to_string(position) +
                      (scrollBar ? " bar" : ""));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingEdit, CEdit)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

class CEntriesDialog : public CDialog {
public:
    CEntriesDialog() {
        InitModalIndirect(
            MakeTemplate({EditItem(kBox), ComboItem(kCombo), ButtonItem(IDOK, L"OK")}));
    }
    CLoggingEdit m_created;
    std::vector<std::string> log;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_created.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 100, 110, 120), this,
                         kCreated);
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kCombo));
        combo->AddString(L"a");
        combo->AddString(L"b");
        return TRUE;
    }
    afx_msg void OnUpdate() { log.push_back("update"); }
    afx_msg void OnChange() { log.push_back("change"); }
    afx_msg void OnFocusIn() { log.push_back("focus in"); }
    afx_msg void OnFocusOut() { log.push_back("focus out"); }
    afx_msg void OnChoice() { log.push_back("choice"); }
    afx_msg void OnOkCommand() {
        log.push_back("ok");
        EndDialog(IDOK);
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        log.push_back("private " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 42;
    }
    DECLARE_MESSAGE_MAP()
};

constexpr UINT kPrivateMessage = 0x8001;

BEGIN_MESSAGE_MAP(CEntriesDialog, CDialog)
ON_EN_UPDATE(kBox, &CEntriesDialog::OnUpdate)
ON_EN_CHANGE(kBox, &CEntriesDialog::OnChange)
ON_EN_SETFOCUS(kCreated, &CEntriesDialog::OnFocusIn)
ON_EN_KILLFOCUS(kCreated, &CEntriesDialog::OnFocusOut)
ON_CBN_SELCHANGE(kCombo, &CEntriesDialog::OnChoice)
ON_COMMAND(IDOK, &CEntriesDialog::OnOkCommand)
ON_MESSAGE(kPrivateMessage, &CEntriesDialog::OnPrivate)
END_MESSAGE_MAP()

TEST(MessageMap, EveryKindOfEntryReachesItsHandlerWithItsArguments) {
    CEntriesDialog dialog;
    const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Type(kBox, L"7");
        person.Choose(kCombo, L"b");
        person.Click(kCreated);
        person.Type(kCreated, L"x");
        person.Focus(kBox);
        dialog.m_created.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 4));
        dialog.m_created.SendMessage(WM_VSCROLL, MAKEWPARAM(5, 6));
        EXPECT_EQ(dialog.SendMessage(kPrivateMessage, 1, 2), 42);
        person.PressOk();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_THAT(dialog.log, ElementsAre("update", "change", "choice", "focus in", "focus out",
                                        "private 1 2", "ok"));
    EXPECT_THAT(
        dialog.m_created.log,
        ElementsAre("create 1300", "down 1 50,10", "setfocus from a window", "up 50,10",
                    "keydown 88 1", "char x", "killfocus to 1001", "double 3,4", "vscroll 5 6"));
}

TEST(Dialog, TemplatesAreLaidOutInDialogUnitsAndControlsGetTheDialogFont) {
    DialogTemplate layout = MakeTemplate({EditItem(kBox)});
    layout.rect = CRect(10, 8, 210, 108);
    layout.fontName = L"Sans";
    layout.fontPoints = 8;
    CDialog dialog;
    dialog.InitModalIndirect(layout);
    RunWithUser(dialog, [&](SimulatedUser&) {
        CRect box;
        dialog.GetDlgItem(kBox)->GetWindowRect(&box);
        // Dialog at (15, 13); box at (10, 10)-(60, 24) units = (15, 16)-(90, 39) pixels.
        EXPECT_EQ(box, CRect(30, 29, 105, 52));
        CFont* font = dialog.GetDlgItem(kBox)->GetFont();
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font, dialog.GetFont());
        LOGFONT logFont;
        font->GetLogFont(&logFont);
        EXPECT_EQ(CString(logFont.lfFaceName), L"Sans");
        EXPECT_EQ(logFont.lfHeight, -11);
    });
}

TEST(Font, AWindowNeverReadsBackAFontThatIsGone) {
    CDialog dialog;
    dialog.InitModalIndirect(MakeTemplate({EditItem(kBox)}));
    RunWithUser(dialog, [&](SimulatedUser&) {
        CWnd* box = dialog.GetDlgItem(kBox);
        {
            CFont courier;
            ASSERT_TRUE(courier.CreatePointFont(120, L"Courier"));
            LOGFONT logFont;
            courier.GetLogFont(&logFont);
            EXPECT_EQ(logFont.lfHeight, -16);
            box->SetFont(&courier);
            EXPECT_EQ(box->GetFont(), &courier);
        }
        EXPECT_EQ(box->GetFont(), nullptr);
    });
}

}  // namespace
