#include <gmock/gmock.h>

#include <gtest/gtest.h>
#include <algorithm>

#include "platform/window/CEdit.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using testing::ElementsAre;
using testing::IsEmpty;
using namespace windowtest;

namespace {

constexpr int kBox = 1001;
constexpr int kOtherBox = 1002;

std::vector<std::string> Changes(const CRecordingDialog& dialog) {
    std::vector<std::string> result;
    for (const std::string& entry : dialog.notifications) {
        if (entry.rfind("EN_UPDATE", 0) == 0 || entry.rfind("EN_CHANGE", 0) == 0) {
            result.push_back(entry);
        }
    }
    return result;
}

TEST(EditBox, TypingReplacesTheSelectedTextOneCharacterAtATime) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox, L"7"), EditItem(kOtherBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_THAT(Changes(dialog), IsEmpty()) << "text given at creation is never told";
        ASSERT_TRUE(person.Type(kBox, L"12"));
        EXPECT_EQ(person.Text(kBox), L"12");
    });
    // Each character: EN_UPDATE then EN_CHANGE, with the new text already in the box.
    EXPECT_THAT(Changes(dialog), ElementsAre("EN_UPDATE 1001 1", "EN_CHANGE 1001 1",
                                             "EN_UPDATE 1001 12", "EN_CHANGE 1001 12"));
}

TEST(EditBox, TheProgramSettingTextNotifiesOnlyForSingleLineBoxes) {
    struct Case {
        DWORD style;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, {"EN_UPDATE 1001 set", "EN_CHANGE 1001 set"}},
        {ES_MULTILINE, {}},
    };
    for (const Case& c : cases) {
        CRecordingDialog dialog(MakeTemplate({EditItem(kBox, L"", c.style)}));
        RunWithUser(dialog,
                    [&](SimulatedUser&) { dialog.GetDlgItem(kBox)->SetWindowText(L"set"); });
        EXPECT_EQ(Changes(dialog), c.expected) << "style " << c.style;
    }
}

TEST(EditBox, TypingIntoAMultiLineBoxNotifies) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox, L"", ES_MULTILINE)}));
    RunWithUser(dialog, [&](SimulatedUser& person) { person.Type(kBox, L"4"); });
    EXPECT_THAT(Changes(dialog), ElementsAre("EN_UPDATE 1001 4", "EN_CHANGE 1001 4"));
}

TEST(EditBox, TheTextLimitHoldsForTypingAndPastingButNotForTheProgram) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
        box->LimitText(3);
        person.Type(kBox, L"12345");
        EXPECT_EQ(person.Text(kBox), L"123");
        person.Paste(kBox, L"98765");
        EXPECT_EQ(person.Text(kBox), L"987");
        box->SetWindowText(L"123456");
        EXPECT_EQ(person.Text(kBox), L"123456");
    });
    EXPECT_EQ(dialog.With("EN_MAXTEXT").size(), 3u);
}

TEST(EditBox, PastingIsOneChangeAndStopsAtTheLineEndOfASingleLineBox) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox, L"7")}));
    RunWithUser(dialog, [&](SimulatedUser& person) { person.Paste(kBox, L" 4\r\n5"); });
    EXPECT_THAT(Changes(dialog), ElementsAre("EN_UPDATE 1001  4", "EN_CHANGE 1001  4"));
}

TEST(EditBox, DeletingGoesTheSameWayAndDeletingNothingTellsNothing) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox, L"58")}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Clear(kBox);
        person.Clear(kBox);
        person.Type(kBox, L"12");
        person.PressKey(platform::UserKey::Backspace);
        person.PressKey(platform::UserKey::Delete);
    });
    EXPECT_THAT(Changes(dialog),
                ElementsAre("EN_UPDATE 1001 ", "EN_CHANGE 1001 ", "EN_UPDATE 1001 1",
                            "EN_CHANGE 1001 1", "EN_UPDATE 1001 12", "EN_CHANGE 1001 12",
                            "EN_UPDATE 1001 1", "EN_CHANGE 1001 1"));
}

TEST(EditBox, TheCaretStaysWhereTheKeysPutIt) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Type(kBox, L"13");
        person.PressKey(platform::UserKey::Left);
        person.PressKey(platform::UserKey::Backspace);
        EXPECT_EQ(person.Text(kBox), L"3");
    });
}

// A control that handles its own change notification, as a filtering box does: it puts back
// the last digits-only text whenever the text stops being digits only.
class CDigitsEdit : public CEdit {
public:
    int changesSeen = 0;

protected:
    afx_msg void OnReflectedChange() {
        ++changesSeen;
        CString text;
        GetWindowText(text);
        if (text.SpanIncluding(L"0123456789").GetLength() == text.GetLength()) {
            m_accepted = text;
        } else {
            SetWindowText(m_accepted);
        }
    }
    DECLARE_MESSAGE_MAP()

private:
    CString m_accepted;
};

BEGIN_MESSAGE_MAP(CDigitsEdit, CEdit)
ON_CONTROL_REFLECT(EN_CHANGE, &CDigitsEdit::OnReflectedChange)
END_MESSAGE_MAP()

// Passes the notification on to the parent after counting it.
class CCountingEdit : public CEdit {
public:
    int changesSeen = 0;

protected:
    afx_msg BOOL OnReflectedChange() {
        ++changesSeen;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CCountingEdit::OnReflectedChange)
END_MESSAGE_MAP()

class CReflectingDialog : public CRecordingDialog {
public:
    using CRecordingDialog::CRecordingDialog;
    CDigitsEdit m_digits;
    CCountingEdit m_counting;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CRecordingDialog::DoDataExchange(dx);
        DDX_Control(dx, kBox, m_digits);
        DDX_Control(dx, kOtherBox, m_counting);
    }
};

TEST(EditBox, AReflectedChangeStaysWithTheControlAndTheParentNeverSeesIt) {
    CReflectingDialog dialog(MakeTemplate({EditItem(kBox), EditItem(kOtherBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Type(kBox, L"1a");
        EXPECT_EQ(person.Text(kBox), L"1");
    });
    // "1", "1a", and "1" put back by the control from inside its own handler.
    EXPECT_EQ(dialog.m_digits.changesSeen, 3);
    EXPECT_THAT(dialog.With("EN_CHANGE"), IsEmpty());
    EXPECT_THAT(dialog.With("EN_UPDATE"),
                ElementsAre("EN_UPDATE 1001 1", "EN_UPDATE 1001 1a", "EN_UPDATE 1001 1"));
}

TEST(EditBox, AReflectedHandlerCanPassTheNotificationOn) {
    CReflectingDialog dialog(MakeTemplate({EditItem(kBox), EditItem(kOtherBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) { person.Type(kOtherBox, L"5"); });
    EXPECT_EQ(dialog.m_counting.changesSeen, 1);
    EXPECT_THAT(dialog.With("EN_CHANGE"), ElementsAre("EN_CHANGE 1002 5"));
}

TEST(EditBox, LosingTheFocusIsToldAfterTheLastChange) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox), EditItem(kOtherBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        person.Type(kBox, L"9");
        person.PressKey(platform::UserKey::Tab);
    });
    const std::vector<std::string>& log = dialog.notifications;
    const auto lost = std::find(log.begin(), log.end(), "EN_KILLFOCUS 1001 9");
    ASSERT_NE(lost, log.end());
    ASSERT_NE(lost + 1, log.end());
    EXPECT_EQ(*(lost + 1), "EN_SETFOCUS 1002 ");
    EXPECT_EQ(std::count(log.begin(), lost, "EN_CHANGE 1001 9"), 1) << "changed before it lost";
}

TEST(EditBox, ABalloonTipGoesToTheSinkAndShowsUntilTheTextChanges) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox)}));
    platform::SimulatedUserScope user([&](SimulatedUser& person) {
        auto* box = static_cast<CEdit*>(dialog.GetDlgItem(kBox));
        EDITBALLOONTIP wrongSize;
        wrongSize.cbStruct = 8;
        EXPECT_FALSE(box->ShowBalloonTip(&wrongSize));
        EXPECT_TRUE(box->ShowBalloonTip(L"Angle out of range", L"Enter 0 to 90.", TTI_WARNING));
        const auto balloon = person.Control(kBox)->balloonTip;
        ASSERT_TRUE(balloon);
        EXPECT_EQ(balloon->title, L"Angle out of range");
        EXPECT_EQ(balloon->icon, TTI_WARNING);
        person.Type(kBox, L"5");
        EXPECT_FALSE(person.Control(kBox)->balloonTip);
    });
    dialog.DoModal();
    ASSERT_EQ(user.Messages().size(), 1u);
    const ShownMessage& shown = user.Messages()[0];
    EXPECT_EQ(shown.kind, ShownMessage::Kind::BalloonTip);
    EXPECT_EQ(shown.caption, L"Angle out of range");
    EXPECT_EQ(shown.text, L"Enter 0 to 90.");
    EXPECT_EQ(shown.style, static_cast<UINT>(TTI_WARNING));
}

}  // namespace
