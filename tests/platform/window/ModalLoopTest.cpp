#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/CEdit.h"
#include "tests/platform/window/WindowTestSupport.h"

using platform::SimulatedUser;
using platform::UserKey;
using testing::ElementsAre;
using namespace windowtest;

namespace {

constexpr int kBox = 1001;
constexpr int kOtherBox = 1002;

struct Seen {
    UINT message;
    WPARAM wParam;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << "{0x" << std::hex << seen.message << ", 0x" << seen.wParam << std::dec << "}";
}

std::vector<Seen> SeenSince(const CRecordingDialog& dialog, std::size_t start) {
    std::vector<Seen> result;
    for (std::size_t i = start; i < dialog.preTranslated.size(); ++i) {
        result.push_back({dialog.preTranslated[i].message, dialog.preTranslated[i].wParam});
    }
    return result;
}

TEST(ModalLoop, EveryInputMessageIsPreTranslatedAndEachActionEndsWithOneIdleMessage) {
    CRecordingDialog dialog(MakeTemplate({EditItem(kBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_THAT(SeenSince(dialog, 0), ElementsAre(Seen{WM_NULL, 0}))
            << "the dialog's first idle message comes before anyone acts";
        const std::size_t start = dialog.preTranslated.size();
        person.Type(kBox, L"5.");
        // The box has the focus already: selecting its text sends nothing, but is an action.
        EXPECT_THAT(
            SeenSince(dialog, start),
            ElementsAre(Seen{WM_NULL, 0}, Seen{WM_KEYDOWN, '5'}, Seen{WM_CHAR, L'5'},
                        Seen{WM_KEYUP, '5'}, Seen{WM_NULL, 0}, Seen{WM_KEYDOWN, VK_OEM_PERIOD},
                        Seen{WM_CHAR, L'.'}, Seen{WM_KEYUP, VK_OEM_PERIOD}, Seen{WM_NULL, 0}));
    });
}

TEST(ModalLoop, PreTranslationSeesTheKeyBeforeTheBoxChanges) {
    struct CHookDialog : CRecordingDialog {
        using CRecordingDialog::CRecordingDialog;
        std::vector<CString> textAtKeyDown;
        BOOL PreTranslateMessage(MSG* message) override {
            if (message->message == WM_KEYDOWN) {
                CString text;
                GetDlgItem(kBox)->GetWindowText(text);
                textAtKeyDown.push_back(text);
            }
            return CRecordingDialog::PreTranslateMessage(message);
        }
    } dialog(MakeTemplate({EditItem(kBox)}));
    RunWithUser(dialog, [&](SimulatedUser& person) { person.Type(kBox, L"12"); });
    EXPECT_THAT(dialog.textAtKeyDown, ElementsAre(L"", L"1"));
}

// Consumes every key of one kind before anyone else sees it.
class CSwallowingDialog : public CRecordingDialog {
public:
    CSwallowingDialog(const DialogTemplate& dialogTemplate, UINT key)
        : CRecordingDialog(dialogTemplate), m_key(key) {}

protected:
    BOOL PreTranslateMessage(MSG* message) override {
        CRecordingDialog::PreTranslateMessage(message);
        return message->message == WM_KEYDOWN && message->wParam == m_key;
    }

private:
    UINT m_key;
};

TEST(ModalLoop, AConsumedKeyGoesNoFurther) {
    CSwallowingDialog dialog(
        MakeTemplate({EditItem(kBox), ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON)}), VK_RETURN);
    const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
        person.PressKey(UserKey::Enter);
        EXPECT_TRUE(person.IsOpen());
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(ModalLoop, TheDialogEndsAsCancelWhenNobodyActsOrTheScriptRunsOut) {
    CRecordingDialog alone(MakeTemplate({EditItem(kBox)}));
    EXPECT_EQ(alone.DoModal(), IDCANCEL);

    CRecordingDialog typedInto(MakeTemplate({EditItem(kBox)}));
    EXPECT_EQ(RunWithUser(typedInto, [](SimulatedUser& person) { person.Type(kBox, L"3"); }),
              IDCANCEL);
    EXPECT_TRUE(typedInto.With("BN_CLICKED").empty()) << "ended without running any handler";
}

TEST(ModalLoop, ScopesNestAndPutBackWhatWasInstalledBefore) {
    CRecordingMessageSink outerSink;
    SetMessageSink(&outerSink);
    int outerRuns = 0;
    {
        platform::SimulatedUserScope outer([&](SimulatedUser&) { ++outerRuns; });
        {
            platform::SimulatedUserScope inner([](SimulatedUser&) { AfxMessageBox(L"inner"); });
            CRecordingDialog dialog(MakeTemplate({}));
            dialog.DoModal();
            EXPECT_EQ(inner.Messages().size(), 1u);
        }
        CRecordingDialog dialog(MakeTemplate({}));
        dialog.DoModal();
        EXPECT_EQ(outer.Messages().size(), 1u) << "the inner scope passed its message on";
    }
    EXPECT_EQ(outerRuns, 1);
    EXPECT_EQ(platform::GetModalInputSource(), nullptr);
    EXPECT_EQ(&GetMessageSink(), &outerSink);
    EXPECT_EQ(outerSink.Messages().size(), 1u) << "the scope passes messages on";
    SetMessageSink(nullptr);
}

// Dialog keyboard handling: what each key does when no control keeps it.
TEST(ModalLoop, EnterPressesTheDefaultButtonAndEscapePressesCancel) {
    struct Case {
        const char* name;
        UserKey key;
        int focusId;  // 0: leave the focus where it is
        bool okEnabled;
        INT_PTR result;
        std::vector<std::string> clicks;
    };
    const Case cases[] = {
        {"Enter", UserKey::Enter, 0, true, IDOK, {"BN_CLICKED 1 OK"}},
        {"Enter on Cancel", UserKey::Enter, IDCANCEL, true, IDCANCEL, {"BN_CLICKED 2 Cancel"}},
        {"Enter, OK disabled", UserKey::Enter, 0, false, IDCANCEL, {}},
        {"Escape", UserKey::Escape, 0, true, IDCANCEL, {"BN_CLICKED 2 Cancel"}},
    };
    for (const Case& c : cases) {
        CRecordingDialog dialog(
            MakeTemplate({EditItem(kBox), ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON),
                          ButtonItem(IDCANCEL, L"Cancel")}));
        const INT_PTR result = RunWithUser(dialog, [&](SimulatedUser& person) {
            dialog.GetDlgItem(IDOK)->EnableWindow(c.okEnabled);
            if (c.focusId) {
                person.Focus(c.focusId);
            }
            person.PressKey(c.key);
        });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(dialog.With("BN_CLICKED"), c.clicks) << c.name;
    }
}

TEST(ModalLoop, TabMovesToTheNextEnabledVisibleTabStopWithItsTextSelected) {
    DialogTemplate layout =
        MakeTemplate({EditItem(kBox, L"1"), EditItem(1002, L"2"), EditItem(1003, L"3"),
                      EditItem(1004, L"4"), StaticItem(1005, L"label")});
    layout.items[2].style |= WS_DISABLED;
    layout.items[3].style &= ~WS_VISIBLE;
    CRecordingDialog dialog(layout);
    RunWithUser(dialog, [&](SimulatedUser& person) {
        EXPECT_EQ(person.FocusId(), kBox);
        person.PressKey(UserKey::Tab);
        EXPECT_EQ(person.FocusId(), 1002);
        int start = -1;
        int end = -1;
        static_cast<CEdit*>(dialog.GetDlgItem(1002))->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 1);
        person.PressKey(UserKey::Tab);
        EXPECT_EQ(person.FocusId(), kBox) << "round past the disabled, hidden and static ones";
    });
}

// On a dialog, as on the platform: the box gets Enter, Tab and Escape and acts for the dialog,
// pressing the default button, moving on and closing; with ES_WANTRETURN Enter breaks the line.
TEST(ModalLoop, AMultiLineBoxOnADialogActsForTheDialog) {
    const auto dialogWith = [](DWORD style) {
        return MakeTemplate({EditItem(kBox, L"ab", ES_MULTILINE | style), EditItem(kOtherBox),
                             ButtonItem(IDOK, L"OK", BS_DEFPUSHBUTTON),
                             ButtonItem(IDCANCEL, L"Cancel")});
    };
    CRecordingDialog enter(dialogWith(0));
    EXPECT_EQ(RunWithUser(enter, [&](SimulatedUser& person) { person.PressKey(UserKey::Enter); }),
              IDOK);

    CRecordingDialog tabAndEscape(dialogWith(0));
    EXPECT_EQ(RunWithUser(tabAndEscape,
                          [&](SimulatedUser& person) {
                              person.PressKey(UserKey::Tab);
                              EXPECT_EQ(person.FocusId(), kOtherBox);
                              person.Focus(kBox);
                              person.PressKey(UserKey::Escape);
                              EXPECT_FALSE(person.IsOpen());
                          }),
              IDCANCEL);
    EXPECT_TRUE(tabAndEscape.With("EN_CHANGE").empty()) << "Tab and Escape insert nothing";

    CRecordingDialog wantsReturn(dialogWith(ES_WANTRETURN));
    RunWithUser(wantsReturn, [&](SimulatedUser& person) {
        person.Focus(kBox);
        person.PressKey(UserKey::Enter);
        EXPECT_TRUE(person.IsOpen());
        EXPECT_EQ(person.Text(kBox), L"\r\n");
    });
}

}  // namespace
