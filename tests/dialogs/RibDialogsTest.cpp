#include <gmock/gmock.h>

#include <functional>
#include <vector>

#include "params/NumberText.h"
#include "platform/window/SimulatedUser.h"
#include "rules/CTeskMinRibEdgeRadiusRule.h"
#include "rules/CTeskRibHeightForThicknessRule.h"
#include "tests/rules/RuleFixture.h"

// The two rib dialogs: the chained angle ranges with their balloon and order check, and the
// thickness/height table's check and write-back on OK.
namespace {

using platform::SimulatedUser;
using platform::UserKey;
using ::testing::ElementsAre;
using Rule = CTeskMinRibEdgeRadiusRule;

constexpr int kRange1To = 2269;
constexpr int kRange2From = 2253;
constexpr int kRange2To = 2272;
constexpr int kRange3From = 2274;
constexpr int kRange3To = 2275;
constexpr int kOption = 2276;

std::size_t CountOf(const std::vector<ShownMessage>& messages, ShownMessage::Kind kind) {
    return static_cast<std::size_t>(
        std::count_if(messages.begin(), messages.end(),
                      [&](const ShownMessage& message) { return message.kind == kind; }));
}

struct Confirmed {
    bool openAfterOk = false;
    std::optional<int> focusAfterOk;
    std::vector<ShownMessage> messages;
};

Confirmed EditAndConfirm(CTeskRule& rule, const std::function<void(SimulatedUser&)>& act) {
    Confirmed run;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        act(person);
        person.PressOk();
        run.openAfterOk = person.IsOpen();
        run.focusAfterOk = person.FocusId();
        run.messages = person.Messages();
    });
    rule.EditRule();
    return run;
}

TEST(RibEdgeRadiusDialog, TypingAnUpperBoundMirrorsItAndWarnsOutsideTheAngles) {
    Rule rule(0);
    std::vector<ShownMessage> afterNine;
    std::optional<platform::ControlView> box;
    CString mirrored;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        person.Type(kRange1To, L"9");
        afterNine = person.Messages();
        person.Type(kRange1To, L"95");
        box = person.Control(kRange1To);
        mirrored = person.Text(kRange2From);
    });
    rule.EditRule();
    EXPECT_EQ(CountOf(afterNine, ShownMessage::Kind::BalloonTip), 0u);
    ASSERT_TRUE(box->balloonTip);
    EXPECT_EQ(box->balloonTip->title, L"Angle out of range");
    EXPECT_EQ(box->balloonTip->text, L"Enter an angle from 0 to 90 degrees.");
    EXPECT_EQ(box->balloonTip->icon, TTI_WARNING);
    EXPECT_EQ(mirrored, L"95");
}

TEST(RibEdgeRadiusDialog, AnAngleBeyondTheFieldIsStillStoredWhenTheRangesAreInOrder) {
    Rule rule(0);
    const Confirmed run = EditAndConfirm(rule, [](SimulatedUser& person) {
        person.Type(kRange3To, L"95");
        person.Click(kOption);
    });
    EXPECT_FALSE(run.openAfterOk);
    EXPECT_EQ(CountOf(run.messages, ShownMessage::Kind::MessageBox), 0u);
    EXPECT_THAT(Doubles(rule, Rule::kRange3), ElementsAre(75.0, 95.0));
    EXPECT_THAT(Doubles(rule, Rule::kOption), ElementsAre(0.0));
}

// Typed upper bounds of ranges 1, 2 and 3; range 2 starts at range 1's end and range 3 at
// range 2's.
struct OrderCase {
    const wchar_t* range1To;
    const wchar_t* range2To;
    const wchar_t* range3To;
    std::optional<int> refusedAt;  // the upper bound the refusal moves to
};

TEST(RibEdgeRadiusDialog, OkRefusesTheFirstUpsideDownRangeAndStoresNothing) {
    const OrderCase cases[] = {
        {L"0", L"75", L"90", std::nullopt},
        {L"0", L"75", L"74.9999995", std::nullopt},  // within the tolerance
        {L"0", L"75", L"74.99", kRange3To},
        {L"80", L"70", L"60", kRange3To},  // ranges 2 and 3: range 3 is checked first
        {L"80", L"70", L"90", kRange2To},
        {L"0", L"", L"90", std::nullopt},  // an empty bound reads as 0
    };
    for (const OrderCase& c : cases) {
        Rule rule(0);
        const Confirmed run = EditAndConfirm(rule, [&](SimulatedUser& person) {
            person.Type(kRange1To, c.range1To);
            if (*c.range2To) {
                person.Type(kRange2To, c.range2To);
            } else {
                person.Clear(kRange2To);
            }
            person.Type(kRange3To, c.range3To);
        });
        SCOPED_TRACE(testing::Message() << CString(c.range1To) << " " << CString(c.range2To) << " "
                                        << CString(c.range3To));
        EXPECT_EQ(run.openAfterOk, c.refusedAt.has_value());
        if (c.refusedAt) {
            EXPECT_EQ(CountOf(run.messages, ShownMessage::Kind::MessageBox), 1u);
            EXPECT_EQ(run.focusAfterOk, c.refusedAt);
            EXPECT_THAT(Doubles(rule, Rule::kRange2), ElementsAre(0.0, 75.0));
        } else {
            EXPECT_EQ(Doubles(rule, Rule::kRange2).at(1), ParseNumber(c.range2To));
        }
    }
}

TEST(RibEdgeRadiusDialog, CancelStoresNothingThoughTheLowerBoundsFollowed) {
    Rule rule(0);
    CString mirrored;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        person.Type(kRange2To, L"60");
        mirrored = person.Text(kRange3From);
        person.PressCancel();
    });
    rule.EditRule();
    EXPECT_EQ(mirrored, L"60");
    EXPECT_THAT(Doubles(rule, Rule::kRange2), ElementsAre(0.0, 75.0));
    EXPECT_THAT(Doubles(rule, Rule::kRange3), ElementsAre(75.0, 90.0));
}

// A range that lost its upper bound opens with an empty box and is stored whole again.
TEST(RibEdgeRadiusDialog, ARangeHoldingOneValueIsStoredWithBoth) {
    Rule rule(0);
    rule.FindParameterInArray(Rule::kRange3)->GetData<TESK_TYPE_DOUBLE>()->Values.RemoveAt(1);
    CString shown = L"?";
    EditAndConfirm(rule, [&](SimulatedUser& person) {
        shown = person.Text(kRange3To);
        person.Type(kRange3To, L"88");
    });
    EXPECT_EQ(shown, L"");
    EXPECT_THAT(Doubles(rule, Rule::kRange3), ElementsAre(75.0, 88.0));
}

// The rib-height table: rows given to the rule, cells typed, OK pressed.
class RibHeightDialog : public ::testing::Test {
protected:
    void SetRows(const std::vector<std::pair<const wchar_t*, const wchar_t*>>& rows) {
        TeskValueArray<CStringList*>& values = Table();
        while (values.GetCount() > 0) {
            values.RemoveAt(0);
        }
        for (const auto& [thickness, height] : rows) {
            auto* row = new CStringList;
            row->AddTail(thickness);
            row->AddTail(height);
            values.Add(row);
        }
    }
    std::vector<std::pair<CString, CString>> Rows() {
        std::vector<std::pair<CString, CString>> rows;
        TeskValueArray<CStringList*>& values = Table();
        for (int i = 0; i < values.GetCount(); ++i) {
            rows.emplace_back(values.ElementAt(i)->GetHead(), values.ElementAt(i)->GetTail());
        }
        return rows;
    }
    TeskValueArray<CStringList*>& Table() {
        return m_rule.FindParameterInArray(CTeskRibHeightForThicknessRule::kThicknessHeightTable)
            ->GetData<TESK_TYPE_TEXT_LIST>()
            ->Values;
    }
    // Types the text into the cell (an empty one clears it) and leaves it with Enter.
    static void Fill(SimulatedUser& person, int row, int column, const wchar_t* text) {
        person.ClickCell(2257, row, column);
        if (*text) {
            person.Type(1172, text);
        } else {
            person.Clear(1172);
        }
        person.PressKey(UserKey::Enter);
    }

    CTeskRibHeightForThicknessRule m_rule{0};
};

using Pair = std::pair<CString, CString>;

TEST_F(RibHeightDialog, OkWritesTheRowsSortedByThicknessInTheModulesNumberForm) {
    SetRows({{L"2", L"5"}, {L"1", L"4.000"}});
    const Confirmed run = EditAndConfirm(m_rule, [](SimulatedUser&) {});
    EXPECT_FALSE(run.openAfterOk);
    EXPECT_THAT(Rows(), ElementsAre(Pair(L"1.0", L"4.0"), Pair(L"2.0", L"5.0")));
}

TEST_F(RibHeightDialog, OfEqualThicknessesTheUpperRowIsKeptAndRowsNotAboveZeroAreDropped) {
    SetRows({{L"1", L"3"}});
    const Confirmed run = EditAndConfirm(m_rule, [](SimulatedUser& person) {
        person.ClickCell(2257, 1, 0);
        person.Type(1172, L"1");
        person.PressKey(UserKey::Right);  // leaves the cell unchecked
        person.Type(1172, L"9");
        person.PressKey(UserKey::Enter);
        Fill(person, 2, 0, L"0.0");
        Fill(person, 2, 1, L"5");
    });
    EXPECT_FALSE(run.openAfterOk);
    EXPECT_THAT(Rows(), ElementsAre(Pair(L"1.0", L"3.0")));
}

TEST_F(RibHeightDialog, AnIncompleteRowIsReportedAndNothingIsWritten) {
    for (const wchar_t* thickness : {L"", L"0", L"000"}) {
        SetRows({{L"1", L"3"}});
        const Confirmed run = EditAndConfirm(m_rule, [&](SimulatedUser& person) {
            Fill(person, 1, 0, thickness);
            Fill(person, 1, 1, L"5");
            person.Choose(2256, L"High");
        });
        EXPECT_TRUE(run.openAfterOk) << CString(thickness);
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.messages[0].caption, L"Veritor");
        EXPECT_EQ(run.messages[0].style, MB_ICONWARNING | MB_OK);
        EXPECT_THAT(Rows(), ElementsAre(Pair(L"1", L"3")));
        EXPECT_EQ(m_rule.m_nSeverity, 2) << "a refused OK stores no severity either";
    }
}

TEST_F(RibHeightDialog, ATableWithoutACompleteRowIsReportedInThePlainBox) {
    SetRows({{L"1", L"3"}});
    const Confirmed run =
        EditAndConfirm(m_rule, [](SimulatedUser& person) { Fill(person, 0, 0, L"0.0"); });
    EXPECT_TRUE(run.openAfterOk);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_NE(run.messages[0].caption, L"Veritor");
    EXPECT_EQ(run.messages[0].style, static_cast<UINT>(MB_OK));
}

TEST_F(RibHeightDialog, OkIsDisabledWhileEveryCellIsEmpty) {
    std::vector<bool> okEnabled;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        Fill(person, 0, 0, L"");
        Fill(person, 0, 1, L"");
        okEnabled.push_back(person.Control(IDOK)->enabled);
        person.ClickCell(2257, 3, 1);
        person.Type(1172, L"2");
        okEnabled.push_back(person.Control(IDOK)->enabled);  // still in the editor
        person.PressKey(UserKey::Enter);
        okEnabled.push_back(person.Control(IDOK)->enabled);
    });
    m_rule.EditRule();
    EXPECT_THAT(okEnabled, ElementsAre(false, false, true));
}

TEST_F(RibHeightDialog, EscapeClosesTheDialogOnlyWhenNoCellIsBeingEdited) {
    std::vector<bool> open;
    platform::SimulatedUserScope scope([&](SimulatedUser& person) {
        person.ClickCell(2257, 0, 0);
        person.Type(1172, L"7");
        person.PressKey(UserKey::Escape);
        open.push_back(person.IsOpen());
        person.PressKey(UserKey::Escape);
        open.push_back(person.IsOpen());
    });
    m_rule.EditRule();
    EXPECT_THAT(open, ElementsAre(true, false));
    EXPECT_EQ(scope.LastResult(), IDCANCEL);
    EXPECT_THAT(Rows(), ElementsAre(Pair(L"0.5", L"4.0")));
}

}  // namespace
