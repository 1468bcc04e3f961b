#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CComboBox.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::ElementsAre;
using testing::IsEmpty;
using namespace windowtest;

namespace {

constexpr int kCombo = 1121;

class CComboDialog : public CRecordingDialog {
public:
    CComboDialog() : CRecordingDialog(MakeTemplate({ComboItem(kCombo), EditItem(1001)})) {}
    CComboBox m_combo;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CRecordingDialog::DoDataExchange(dx);
        DDX_Control(dx, kCombo, m_combo);
    }
    BOOL OnInitDialog() override {
        CRecordingDialog::OnInitDialog();
        for (const wchar_t* text : {L"Very low", L"Low", L"Medium", L"High", L"Very high"}) {
            m_combo.AddString(text);
        }
        return TRUE;
    }
};

TEST(ComboBox, ItemsKeepTheirOrderAndNoneIsSelectedAtFirst) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        const auto combo = person.Control(kCombo);
        ASSERT_TRUE(combo);
        EXPECT_THAT(combo->items,
                    ElementsAre(L"Very low", L"Low", L"Medium", L"High", L"Very high"));
        EXPECT_EQ(dialog.m_combo.GetCurSel(), CB_ERR);
        EXPECT_EQ(combo->text, L"");
    });
}

TEST(ComboBox, FindStringExactMatchesWholeItemsWithoutCase) {
    CComboDialog dialog;
    RunWithUser(dialog,
                [&](SimulatedUser&) {
                    dialog.m_combo.AddString(L"low");
                    struct Case {
                        int start;
                        const wchar_t* text;
                        int found;
                    };
                    dialog.m_combo.AddString(L"Très élevée");
                    const Case cases[] = {
                        {-1, L"high", 3},        {-1, L"VERY HIGH", 4}, {-1, L"Hig", CB_ERR},
                        {-1, L"", CB_ERR},       {-1, nullptr, CB_ERR}, {1, L"Low", 5},
                        {5, L"low", 1},           // the search starts after start and goes round
                        {-1, L"TRÈS ÉLEVÉE", 6},  // accented letters too, as on the platform
                    };
                    for (const Case& c : cases) {
                        EXPECT_EQ(dialog.m_combo.FindStringExact(c.start, c.text), c.found)
                            << "start " << c.start << " text "
                            << (c.text ? CString(c.text) : CString(L"(null)"));
                    }
                });
}

TEST(ComboBox, OnlyThePersonChangingTheSelectionIsTold) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_EQ(dialog.m_combo.SetCurSel(2), 2);
        EXPECT_EQ(person.Text(kCombo), L"Medium");
        EXPECT_THAT(dialog.With("CBN_SELCHANGE"), IsEmpty());

        person.Choose(kCombo, L"low");
        person.Choose(kCombo, L"Low");
        person.PressKey(platform::UserKey::Down);
        EXPECT_EQ(person.Text(kCombo), L"Medium");
        EXPECT_FALSE(dialog.m_combo.GetDroppedState());

        EXPECT_EQ(dialog.m_combo.SetCurSel(99), CB_ERR);
        EXPECT_EQ(dialog.m_combo.GetCurSel(), CB_ERR);
        dialog.m_combo.SetCurSel(1);
        EXPECT_EQ(dialog.m_combo.SetCurSel(-1), CB_ERR);
        EXPECT_EQ(dialog.m_combo.GetCurSel(), CB_ERR);
    });
    EXPECT_THAT(dialog.With("CBN_SELCHANGE"),
                ElementsAre("CBN_SELCHANGE 1121 Low", "CBN_SELCHANGE 1121 Medium"));
}

TEST(ComboBox, ChoosingAnItemThatIsNotThereIsNotDone) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        const platform::UserActionResult result = person.Choose(kCombo, L"Extreme");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.reason, L"control 1121 has no item \"Extreme\"");
    });
    EXPECT_THAT(dialog.With("CBN_SELCHANGE"), IsEmpty());
}

TEST(ComboBox, TheSelectedItemKeepsItsSelectionWhileOthersComeAndGo) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser&) {
        CComboBox& combo = dialog.m_combo;
        combo.SetCurSel(2);
        EXPECT_EQ(combo.InsertString(0, L"None"), 0);
        EXPECT_EQ(combo.GetCurSel(), 3);
        EXPECT_EQ(combo.InsertString(99, L"past"), CB_ERR);
        EXPECT_EQ(combo.DeleteString(0), 5);
        EXPECT_EQ(combo.GetCurSel(), 2);
        combo.DeleteString(2);
        EXPECT_EQ(combo.GetCurSel(), CB_ERR);
        combo.ResetContent();
        combo.AddString(L"only");
        EXPECT_EQ(combo.GetCount(), 1);
        EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    });
}

// As the platform's drop-down list: the person's choice is confirmed, then told as a change when
// it is one; a typed letter selects the next item starting with it, going round the list.
TEST(ComboBox, TheChoiceIsConfirmedThenToldAndALetterSelectsTheNextItemWithIt) {
    CComboDialog dialog;
    std::vector<CString> afterLetters;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Choose(kCombo, L"Medium");
        person.Choose(kCombo, L"Medium");
        for (const wchar_t letter : {L'v', L'V', L'v', L'x', L'l'}) {
            person.PressCharacter(letter);
            afterLetters.push_back(person.Text(kCombo));
        }
    });
    EXPECT_THAT(afterLetters,
                ElementsAre(L"Very high", L"Very low", L"Very high", L"Very high", L"Low"));
    std::vector<std::string> told;
    for (const std::string& notification : dialog.notifications) {
        if (notification.rfind("CBN_", 0) == 0) {
            told.push_back(notification);
        }
    }
    EXPECT_THAT(told, ElementsAre("CBN_SELENDOK 1121 Medium", "CBN_SELCHANGE 1121 Medium",
                                  "CBN_SELENDOK 1121 Medium", "CBN_SELENDOK 1121 Very high",
                                  "CBN_SELCHANGE 1121 Very high", "CBN_SELENDOK 1121 Very low",
                                  "CBN_SELCHANGE 1121 Very low", "CBN_SELENDOK 1121 Very high",
                                  "CBN_SELCHANGE 1121 Very high", "CBN_SELENDOK 1121 Low",
                                  "CBN_SELCHANGE 1121 Low"));
}

}  // namespace
