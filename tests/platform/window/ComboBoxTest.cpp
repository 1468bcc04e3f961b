#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CComboBox.h"
#include "platform/window/DroppedList.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using platform::UserKey;
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

HWND DroppedListOf(const CComboBox& combo) {
    const std::vector<HWND> lists = platform::OwnedWindows(combo.m_hWnd);
    return lists.empty() ? nullptr : lists.front();
}

std::vector<CString> ShownItems(const SimulatedUser& person) {
    const auto combo = person.Control(kCombo);
    return combo && combo->dropped ? combo->dropped->shown : std::vector<CString>{};
}

// The template leaves room for four of the five items below the box's field.
TEST(ComboBox, AClickDropsTheListBelowScrolledToTheSelectionAndASecondClickChooses) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        dialog.m_combo.SetCurSel(4);
        person.Click(kCombo);
        const HWND list = DroppedListOf(dialog.m_combo);
        ASSERT_NE(list, nullptr) << "the release of the click keeps the list open";
        EXPECT_EQ(GetCapture(), list);
        CRect box;
        dialog.m_combo.GetWindowRect(&box);
        EXPECT_EQ(platform::ScreenRectOf(list),
                  CRect(box.left, box.bottom, box.right, box.bottom + 4 * 16));
        EXPECT_THAT(ShownItems(person), ElementsAre(L"Low", L"Medium", L"High", L"Very high"));

        person.Click(1001);
        EXPECT_FALSE(dialog.m_combo.GetDroppedState()) << "a click outside closes the list";
        EXPECT_EQ(person.FocusId(), kCombo) << "and goes no further";
        EXPECT_EQ(GetCapture(), nullptr);

        ASSERT_TRUE(person.Choose(kCombo, L"very low"));
        EXPECT_EQ(person.Text(kCombo), L"Very low");
        EXPECT_FALSE(dialog.m_combo.GetDroppedState());

        SendMessage(dialog.m_combo.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        const HWND dragged = DroppedListOf(dialog.m_combo);
        const CPoint low = platform::LayoutOf(dragged).ItemRect(1).CenterPoint();
        SendMessage(dragged, WM_LBUTTONUP, 0, MAKELPARAM(low.x, low.y));
        EXPECT_EQ(person.Text(kCombo), L"Low") << "press, drag and release chooses too";

        person.Click(kCombo);
        SendMessage(DroppedListOf(dialog.m_combo), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        EXPECT_THAT(ShownItems(person), ElementsAre(L"Low", L"Medium", L"High", L"Very high"));
    });
    EXPECT_THAT(dialog.With("CBN_SELCHANGE"),
                ElementsAre("CBN_SELCHANGE 1121 Very low", "CBN_SELCHANGE 1121 Low"));
}

// The thumb follows the mouse that went down on it; its release lets it go and chooses nothing.
TEST(ComboBox, TheDroppedListsThumbIsDragged) {
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Click(kCombo);
        const HWND list = DroppedListOf(dialog.m_combo);
        const CRect thumb = platform::LayoutOf(list).ThumbRect();
        ASSERT_FALSE(thumb.IsRectEmpty());
        const CPoint grab = thumb.CenterPoint();
        const auto mouse = [list, grab](UINT message, int dx, int dy) {
            SendMessage(list, message, MK_LBUTTON, MAKELPARAM(grab.x + dx, grab.y + dy));
        };
        mouse(WM_LBUTTONDOWN, 0, 0);
        mouse(WM_MOUSEMOVE, 0, 100);
        EXPECT_THAT(ShownItems(person), ElementsAre(L"Low", L"Medium", L"High", L"Very high"));
        mouse(WM_MOUSEMOVE, -40, 1);
        EXPECT_THAT(ShownItems(person), ElementsAre(L"Very low", L"Low", L"Medium", L"High"))
            << "the thumb keeps following beside the bar";
        mouse(WM_MOUSEMOVE, 0, 6);
        mouse(WM_LBUTTONUP, 0, 6);
        EXPECT_THAT(ShownItems(person), ElementsAre(L"Low", L"Medium", L"High", L"Very high"));
        EXPECT_TRUE(dialog.m_combo.GetDroppedState());
        EXPECT_EQ(person.Text(kCombo), L"");
    });
    EXPECT_THAT(dialog.With("CBN_SELCHANGE"), IsEmpty());
}

TEST(ComboBox, TheListDropsAboveTheBoxWhenTheScreenHasNoRoomBelow) {
    const CRect screen = platform::ScreenArea();
    platform::SetScreenArea(CRect(0, -200, 1920, 100));
    CComboDialog dialog;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Click(kCombo);
        const HWND list = DroppedListOf(dialog.m_combo);
        CRect box;
        dialog.m_combo.GetWindowRect(&box);
        EXPECT_TRUE(platform::OpensAbove(list));
        EXPECT_EQ(platform::ScreenRectOf(list).bottom, box.top);
        EXPECT_EQ(ShownItems(person).size(), 4u);
    });
    platform::SetScreenArea(screen);
}

// The arrows move the highlight in the open list and Enter chooses it there, not the dialog's
// default button; Escape closes the list and leaves the dialog open.
TEST(ComboBox, F4AndAltDownDropTheListWhoseKeysAreItsOwn) {
    CComboDialog dialog;
    std::vector<CString> chosen;
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Focus(kCombo);
        person.PressKey(UserKey::F4);
        ASSERT_TRUE(dialog.m_combo.GetDroppedState());
        person.PressKey(UserKey::Down);
        person.PressKey(UserKey::Down);
        person.PressCharacter(L'v');
        EXPECT_EQ(person.Text(kCombo), L"") << "the highlight is not yet a choice";
        EXPECT_EQ(person.Control(kCombo)->dropped->highlighted, 4);
        person.PressKey(UserKey::Enter);
        chosen.push_back(person.Text(kCombo));

        person.PressKey(UserKey::AltDown);
        person.PressKey(UserKey::Up);
        person.PressKey(UserKey::AltUp);
        chosen.push_back(person.Text(kCombo));

        person.PressKey(UserKey::F4);
        person.PressKey(UserKey::Up);
        person.PressKey(UserKey::Escape);
        EXPECT_TRUE(person.IsOpen());
        EXPECT_FALSE(dialog.m_combo.GetDroppedState());
        chosen.push_back(person.Text(kCombo));
    });
    EXPECT_THAT(chosen, ElementsAre(L"Very high", L"High", L"High"));
}

}  // namespace
