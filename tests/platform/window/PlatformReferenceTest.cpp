#include <gmock/gmock.h>

#include <functional>
#include <optional>

#include "platform/window/CButton.h"
#include "platform/window/CEdit.h"
#include "platform/window/Clipboard.h"
#include "tests/platform/window/WindowTestSupport.h"

// Behaviours of the real platform's controls and dialogs that people and translations reach, one
// row each: what the platform does, acted out on our window system.
using platform::SimulatedUser;
using testing::ElementsAre;
using namespace windowtest;

namespace {

constexpr int kBox = 1001;
constexpr int kApply = 1500;
constexpr int kCheck = 1078;
constexpr int kGroup = 1600;
constexpr int kLabel = 1700;
constexpr int kList = 2257;
constexpr int kInner = 2258;
constexpr int kMissing = 0xDEAD;

struct ReferenceCase {
    const char* behaviour;
    std::vector<DialogItemTemplate> items;
    // Acts in the running dialog and checks what it sees there.
    std::function<void(CRecordingDialog&, SimulatedUser&)> act;
    // The dialog's notifications of these codes afterwards, in order; no codes checks none.
    std::vector<std::string> codes;
    std::vector<std::string> told;
    // What DoModal returns, when the row is about it.
    std::optional<INT_PTR> result = std::nullopt;
};

std::ostream& operator<<(std::ostream& out, const ReferenceCase& c) {
    return out << c.behaviour;
}

HWND Child(CDialog& dialog, int id) {
    return dialog.GetDlgItem(id)->m_hWnd;
}

DWORD ButtonType(CDialog& dialog, int id) {
    return dialog.GetDlgItem(id)->GetStyle() & BS_TYPEMASK;
}

const std::vector<DialogItemTemplate> kButtons = {EditItem(kBox), ButtonItem(kApply, L"Apply"),
                                                  ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON),
                                                  ButtonItem(IDCANCEL, L"Cancel")};

const ReferenceCase kCases[] = {
    {"a press released outside the button clicks nothing",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser&) {
         const HWND apply = Child(dialog, kApply);
         SendMessage(apply, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
         SendMessage(apply, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
     },
     {"BN_CLICKED"},
     {}},
    {"BM_CLICK clicks the button",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser&) {
         SendMessage(Child(dialog, kApply), BM_CLICK, 0, 0);
     },
     {"BN_CLICKED"},
     {"BN_CLICKED 1500 Apply"}},
    {"SetCheck on a push button or group box does nothing",
     {ButtonItem(kApply, L"Apply"), ButtonItem(kGroup, L"Limits", BS_GROUPBOX),
      ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX)},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         for (const int id : {kApply, kGroup, kCheck}) {
             static_cast<CButton*>(dialog.GetDlgItem(id))->SetCheck(BST_CHECKED);
         }
         EXPECT_EQ(dialog.IsDlgButtonChecked(kApply), 0u);
         EXPECT_EQ(dialog.IsDlgButtonChecked(kGroup), 0u);
         EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 1u);
     },
     {},
     {}},
    {"CheckDlgButton and IsDlgButtonChecked go through BM_SETCHECK and BM_GETCHECK",
     {ButtonItem(kCheck, L"Minimum", BS_AUTOCHECKBOX)},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         dialog.CheckDlgButton(kCheck, BST_CHECKED);
         EXPECT_EQ(SendMessage(Child(dialog, kCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
         SendMessage(Child(dialog, kCheck), BM_SETCHECK, BST_UNCHECKED, 0);
         EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 0u);
         EXPECT_EQ(dialog.IsDlgButtonChecked(kBox), 0u) << "no such button";
     },
     {},
     {}},
    {"DM_GETDEFID names the template's default button and DM_SETDEFID moves it, Enter following",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         EXPECT_EQ(dialog.SendMessage(DM_GETDEFID), MAKELONG(IDOK, DC_HASDEFID));
         dialog.SendMessage(DM_SETDEFID, kApply);
         EXPECT_EQ(dialog.SendMessage(DM_GETDEFID), MAKELONG(kApply, DC_HASDEFID));
         EXPECT_EQ(ButtonType(dialog, kApply), static_cast<DWORD>(BS_DEFPUSHBUTTON));
         EXPECT_EQ(ButtonType(dialog, IDOK), static_cast<DWORD>(BS_PUSHBUTTON));
         person.Focus(kBox);
         person.PressKey(platform::UserKey::Enter);
     },
     {"BN_CLICKED"},
     {"BN_CLICKED 1500 Apply"}},
    {"the default look follows the focus among push buttons and comes back when it leaves them",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         person.Focus(kApply);
         EXPECT_EQ(ButtonType(dialog, kApply), static_cast<DWORD>(BS_DEFPUSHBUTTON));
         EXPECT_EQ(ButtonType(dialog, IDOK), static_cast<DWORD>(BS_PUSHBUTTON));
         person.Focus(IDCANCEL);
         EXPECT_EQ(ButtonType(dialog, kApply), static_cast<DWORD>(BS_PUSHBUTTON));
         EXPECT_EQ(ButtonType(dialog, IDCANCEL), static_cast<DWORD>(BS_DEFPUSHBUTTON));
         person.Focus(kBox);
         EXPECT_EQ(ButtonType(dialog, IDOK), static_cast<DWORD>(BS_DEFPUSHBUTTON));
         EXPECT_EQ(ButtonType(dialog, IDCANCEL), static_cast<DWORD>(BS_PUSHBUTTON));
     },
     {},
     {}},
    {"an edit box holds 30,000 characters until the program sets a limit; 0 sets the largest",
     {EditItem(kBox), EditItem(1002, L"", ES_MULTILINE)},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         auto* single = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
         auto* multi = static_cast<CEdit*>(dialog.GetDlgItem(1002));
         EXPECT_EQ(single->GetLimitText(), 30000u);
         single->LimitText(0);
         multi->LimitText(0);
         EXPECT_EQ(single->GetLimitText(), 0x7FFFFFFEu);
         EXPECT_EQ(multi->GetLimitText(), 0xFFFFFFFFu);
     },
     {},
     {}},
    {"EM_REPLACESEL tells one change and WM_CHAR answers 1",
     {EditItem(kBox, L"2.0")},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
         box->SetSel(0, -1);
         box->ReplaceSel(L"2.5");
         EXPECT_EQ(box->SendMessage(WM_CHAR, L'0'), 1);
     },
     {"EN_UPDATE", "EN_CHANGE"},
     {"EN_UPDATE 1001 2.5", "EN_CHANGE 1001 2.5", "EN_UPDATE 1001 2.50", "EN_CHANGE 1001 2.50"}},
    {"ending a dialog tells the focused control that it lost the focus",
     {EditItem(kBox), ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON)},
     [](CRecordingDialog&, SimulatedUser& person) { person.PressKey(platform::UserKey::Enter); },
     {"EN_SETFOCUS", "EN_KILLFOCUS"},
     {"EN_SETFOCUS 1001 ", "EN_KILLFOCUS 1001 "}},
    {"a dialog without tab stops gives the focus to its first control, even a label",
     {Item(DialogItemKind::Static, kLabel, 0, L"Severity:", {10, 10, 60, 18}),
      Item(DialogItemKind::Edit, kBox, WS_BORDER, L"", {70, 10, 120, 24})},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(kLabel));
     },
     {},
     {}},
    {"hiding the focused window or a window around it gives the focus to the hidden one's parent; "
     "disabling either takes the focus away",
     {EditItem(kBox), ListItem(kList)},
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         person.Focus(kBox);
         dialog.GetDlgItem(kBox)->ShowWindow(SW_HIDE);
         EXPECT_EQ(CWnd::GetFocus(), &dialog);
         CWnd* list = dialog.GetDlgItem(kList);
         CEdit inner;
         inner.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 14), list, kInner);
         inner.SetFocus();
         list->ShowWindow(SW_HIDE);
         EXPECT_EQ(CWnd::GetFocus(), &dialog) << "the container's parent, not the container";
         list->ShowWindow(SW_SHOW);
         inner.SetFocus();
         list->EnableWindow(FALSE);
         EXPECT_EQ(CWnd::GetFocus(), nullptr);
     },
     {},
     {}},
    {"EM_REPLACESEL keeps the text limit, telling EN_MAXTEXT before the change",
     {EditItem(kBox, L"1")},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
         box->LimitText(3);
         box->SetSel(1, 1);
         box->ReplaceSel(L"2345");
     },
     {"EN_MAXTEXT", "EN_CHANGE"},
     {"EN_MAXTEXT 1001 1", "EN_CHANGE 1001 123"}},
    {"EM_UNDO takes back the last change and a second undo redoes it; EM_CANUNDO tells whether "
     "there is one",
     {EditItem(kBox, L"2.0")},
     [](CRecordingDialog& dialog, SimulatedUser&) {
         auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
         EXPECT_FALSE(box->CanUndo()) << "the text a box is created with is no change";
         box->SetSel(0, 1);
         box->ReplaceSel(L"4", TRUE);
         EXPECT_TRUE(box->CanUndo());
         EXPECT_TRUE(box->Undo());
         int start = 0;
         int end = 0;
         box->GetSel(start, end);
         EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 1)) << "the selection comes back";
         EXPECT_TRUE(box->SendMessage(WM_UNDO));
     },
     {"EN_CHANGE"},
     {"EN_CHANGE 1001 4.0", "EN_CHANGE 1001 2.0", "EN_CHANGE 1001 4.0"}},
    {"setting the text, EM_EMPTYUNDOBUFFER and a replacement that cannot be undone leave nothing "
     "to undo",
     {EditItem(kBox, L"2.0")},
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
         const auto undoLeft = [&](const std::function<void()>& change) {
             person.Type(kBox, L"7");
             change();
             return box->CanUndo();
         };
         EXPECT_FALSE(undoLeft([&] { box->SetWindowText(L"3"); }));
         EXPECT_FALSE(undoLeft([&] { box->EmptyUndoBuffer(); }));
         EXPECT_FALSE(undoLeft([&] { box->ReplaceSel(L"8", FALSE); }));
         EXPECT_FALSE(box->Undo());
     },
     {},
     {}},
    {"Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z reach the box as their characters",
     {EditItem(kBox, L"2.5"), EditItem(1002)},
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         person.Focus(kBox);
         person.PressKey(platform::UserKey::Right);
         person.PressKey(platform::UserKey::CtrlA);
         person.PressKey(platform::UserKey::CtrlC);
         EXPECT_EQ(platform::GetClipboardText(), L"2.5");
         person.PressKey(platform::UserKey::CtrlX);
         EXPECT_EQ(person.Text(kBox), L"");
         person.Focus(1002);
         person.PressKey(platform::UserKey::CtrlV);
         person.PressKey(platform::UserKey::CtrlZ);
         EXPECT_EQ(person.Text(1002), L"");
         EXPECT_TRUE(static_cast<CEdit*>(dialog.GetDlgItem(1002))->CanUndo()) << "redo is left";
     },
     {"EN_CHANGE"},
     {"EN_CHANGE 1001 ", "EN_CHANGE 1002 2.5", "EN_CHANGE 1002 "}},
    {"Enter asks DM_GETDEFID and sends its id even when no control has it",
     {EditItem(kBox), ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON)},
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         dialog.SendMessage(DM_SETDEFID, kMissing);
         person.PressKey(platform::UserKey::Enter);
         dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
         dialog.SendMessage(DM_SETDEFID, IDOK);
         person.PressKey(platform::UserKey::Enter);
     },
     {"BN_CLICKED"},
     {"BN_CLICKED 57005 "}},
    {"Enter in a multi-line box moves the focus to the default button before pressing it",
     {EditItem(kBox, L"", ES_MULTILINE), ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON)},
     [](CRecordingDialog&, SimulatedUser& person) { person.PressKey(platform::UserKey::Enter); },
     {"EN_KILLFOCUS", "BN_CLICKED"},
     {"EN_KILLFOCUS 1001 ", "BN_CLICKED 1 OK"},
     IDOK},
    {"a dialog that ends itself on WM_CLOSE keeps its own code",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser&) {
         dialog.EndDialog(333);
         dialog.SendMessage(WM_CLOSE);
     },
     {"BN_CLICKED"},
     {},
     333},
    {"a dialog that destroys itself ends with 0",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser&) { dialog.DestroyWindow(); },
     {},
     {},
     0},
    {"the focused control hears that it lost the focus inside EndDialog",
     kButtons,
     [](CRecordingDialog& dialog, SimulatedUser& person) {
         person.Focus(kBox);
         dialog.EndDialog(IDOK);
         EXPECT_EQ(dialog.With("EN_KILLFOCUS"), std::vector<std::string>{"EN_KILLFOCUS 1001 "});
     },
     {},
     {},
     IDOK},
};

class PlatformReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(PlatformReference, BehavesAsThePlatform) {
    const ReferenceCase& c = GetParam();
    CRecordingDialog dialog(MakeTemplate(c.items));
    const INT_PTR result =
        RunWithUser(dialog, [&](SimulatedUser& person) { c.act(dialog, person); });
    if (c.result) {
        EXPECT_EQ(result, *c.result);
    }
    if (c.codes.empty()) {
        return;
    }
    std::vector<std::string> told;
    for (const std::string& notification : dialog.notifications) {
        const std::string code = notification.substr(0, notification.find(' '));
        if (std::find(c.codes.begin(), c.codes.end(), code) != c.codes.end()) {
            told.push_back(notification);
        }
    }
    EXPECT_EQ(told, c.told);
}

INSTANTIATE_TEST_SUITE_P(Window, PlatformReference, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

}  // namespace
