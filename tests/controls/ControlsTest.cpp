#include <gmock/gmock.h>

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "platform/window/DataExchange.h"
#include "tests/platform/window/WindowTestSupport.h"

namespace {

using ::testing::ElementsAre;

constexpr int kValueBox = 1001;
constexpr int kChoiceBox = 1002;

// A dialog holding one numeric box and one choice box, noting the box's notifications it hears.
class CNumberDialog : public CDialog {
public:
    CNumberDialog() {
        InitModalIndirect(windowtest::MakeTemplate(
            {windowtest::EditItem(kValueBox), windowtest::ComboItem(kChoiceBox),
             windowtest::ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON)}));
    }

    CDoubleEditEx m_value;
    CWrapperComboCtrl m_choice;
    std::vector<std::string> heard;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kValueBox, m_value);
        DDX_Control(dx, kChoiceBox, m_choice);
    }
    afx_msg void OnValueUpdate() { heard.push_back("EN_UPDATE"); }
    afx_msg void OnValueChange() { heard.push_back("EN_CHANGE"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNumberDialog, CDialog)
ON_EN_UPDATE(kValueBox, &CNumberDialog::OnValueUpdate)
ON_EN_CHANGE(kValueBox, &CNumberDialog::OnValueChange)
END_MESSAGE_MAP()

struct FilterCase {
    const char* name;
    std::function<void(CNumberDialog&, platform::SimulatedUser&)> act;
    const wchar_t* shown;
    const wchar_t* lastAccepted;
};

TEST(DoubleEditEx, KeepsOnlyDigitsAndFullStops) {
    const std::vector<FilterCase> cases{
        {"typed number",
         [](CNumberDialog&, platform::SimulatedUser& u) { u.Type(kValueBox, L"12.5"); }, L"12.5",
         L"12.5"},
        {"letter behind a number",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"3");
             u.PressKey(platform::UserKey::Right);
             u.Type(kValueBox, L"a");
         },
         L"3", L"3"},
        // A refused paste leaves the box as it was: here, empty.
        {"paste into emptied box",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"7");
             u.Clear(kValueBox);
             u.Paste(kValueBox, L" 4");
         },
         L"", L"7"},
        // The caret and the selection stay where the refused character would have gone.
        {"stray letter between digits",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"0.1");
             u.PressCharacter(L'x');
             u.PressCharacter(L'9');
         },
         L"0.19", L"0.19"},
        {"refused letter over a selection",
         [](CNumberDialog& d, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"12.5");
             d.m_value.SetSel(0, 2);
             u.PressCharacter(L'q');
             u.PressCharacter(L'7');
         },
         L"7.5", L"7.5"},
        // Undo takes back the characters typed in a row; the refused one was never among them.
        {"Ctrl+Z after a typo",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"0.1");
             u.PressCharacter(L'x');
             u.PressCharacter(L'9');
             u.PressKey(platform::UserKey::CtrlZ);
         },
         L"", L"0.19"},
        {"clearing is allowed",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"7");
             u.Clear(kValueBox);
         },
         L"", L"7"},
        {"several full stops",
         [](CNumberDialog&, platform::SimulatedUser& u) { u.Paste(kValueBox, L"1.2.3"); }, L"1.2.3",
         L"1.2.3"},
        {"program sets a refused text",
         [](CNumberDialog& d, platform::SimulatedUser&) { d.m_value.SetWindowText(L"-2"); }, L"",
         L""},
        {"program sets a number",
         [](CNumberDialog& d, platform::SimulatedUser&) { d.m_value.SetWindowText(L"0.5"); },
         L"0.5", L"0.5"},
        {"sign, comma and exponent",
         [](CNumberDialog&, platform::SimulatedUser& u) {
             u.Type(kValueBox, L"5");
             for (const wchar_t* refused : {L"-1", L"1,5", L"1e3", L"+2"}) {
                 u.Paste(kValueBox, refused);
             }
         },
         L"5", L"5"},
    };
    for (const FilterCase& c : cases) {
        CNumberDialog dialog;
        CString shown;
        CString accepted;
        platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
            c.act(dialog, person);
            shown = person.Text(kValueBox);
            accepted = dialog.m_value.GetLastAccepted();
        });
        dialog.DoModal();
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(accepted, c.lastAccepted) << c.name;
    }
}

// A refused character shows the platform's balloon for a number box, in the module's language.
TEST(DoubleEditEx, ARefusedCharacterShowsTheNumberBoxBalloon) {
    CNumberDialog dialog;
    std::optional<platform::BalloonTip> balloon;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        person.Type(kValueBox, L"1,");
        balloon = dialog.m_value.GetVisibleBalloonTip();
    });
    dialog.DoModal();
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->icon, TTI_ERROR);
}

// The box takes its own change notification; the dialog hears only that the text will change.
TEST(DoubleEditEx, ParentHearsUpdatesButNoChanges) {
    CNumberDialog dialog;
    platform::SimulatedUserScope scope(
        [](platform::SimulatedUser& person) { person.Type(kValueBox, L"12"); });
    dialog.DoModal();
    EXPECT_THAT(dialog.heard, ElementsAre("EN_UPDATE", "EN_UPDATE"));
}

TEST(WrapperComboCtrl, FillingReplacesEveryEntryInListOrder) {
    CNumberDialog dialog;
    std::vector<CString> first;
    std::vector<CString> second;
    int selection = 0;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        CStringList texts;
        texts.AddTail(L"b");
        texts.AddTail(L"a");
        dialog.m_choice.FillFromList(texts);
        first = person.Control(kChoiceBox)->items;
        dialog.m_choice.FillFromList(CStringList());
        second = person.Control(kChoiceBox)->items;
        selection = dialog.m_choice.GetCurSel();
    });
    dialog.DoModal();
    EXPECT_THAT(first, ElementsAre(L"b", L"a"));
    EXPECT_TRUE(second.empty());
    EXPECT_EQ(selection, CB_ERR);
}

}  // namespace
