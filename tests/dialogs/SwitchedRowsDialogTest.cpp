#include <gmock/gmock.h>

#include <functional>
#include <memory>

#include "platform/window/CButton.h"
#include "platform/window/SimulatedUser.h"
#include "rules/CTeskIMMoldWallThicknessRule.h"
#include "rules/CTeskIMUniformThicknessRule.h"
#include "tests/rules/RuleFixture.h"

// The two dialogs whose limits a check box switches on and off: a row is enabled only while its
// box is checked, checking it moves the focus to its value, and OK is disabled while every limit
// is off. The mould wall thickness rule keeps the on/off state in each parameter's Status, the
// uniform-thickness rule in each parameter's first value.
namespace {

using ::testing::ElementsAre;

struct Row {
    int check;
    int op;
    int value;
    std::int32_t param;
};

struct SwitchedCase {
    const char* name;
    std::function<std::unique_ptr<CTeskRule>()> make;
    Row rows[2];
    std::function<void(CTeskRule&, std::int32_t, bool)> setOn;
    std::function<bool(CTeskRule&, std::int32_t)> isOn;
    int thicknessIndex;                // where the limit's value sits in the parameter's values
    const wchar_t* secondRowOperator;  // an operator the second row offers, not its default
    TeskOperator_e secondRowOperatorCode;
};

std::ostream& operator<<(std::ostream& out, const SwitchedCase& c) {
    return out << c.name;
}

const SwitchedCase kMouldWall{
    "MouldWallThickness",
    [] { return std::make_unique<CTeskIMMoldWallThicknessRule>(0); },
    {{1078, 1080, 1082, 2094}, {1084, 1086, 1088, 2095}},
    [](CTeskRule& rule, std::int32_t id, bool on) { Fields(rule, id).Status = on; },
    [](CTeskRule& rule, std::int32_t id) { return Fields(rule, id).Status; },
    0,
    L">",
    TESK_OP_GREATER,
};

const SwitchedCase kUniform{
    "UniformThickness",
    [] { return std::make_unique<CTeskIMUniformThicknessRule>(0); },
    {{1124, 1015, 1018, 2045}, {1125, 1022, 1024, 2046}},
    [](CTeskRule& rule, std::int32_t id, bool on) {
        rule.FindParameterInArray(id)->GetData<TESK_TYPE_DOUBLE>()->Values.ElementAt(0) =
            on ? 1.0 : 0.0;
    },
    [](CTeskRule& rule, std::int32_t id) { return Doubles(rule, id).at(0) == 1.0; },
    1,
    L"<",
    TESK_OP_LESS,
};

class SwitchedRows : public ::testing::TestWithParam<SwitchedCase> {
protected:
    void SetUp() override { m_rule = GetParam().make(); }
    const Row& First() const { return GetParam().rows[0]; }
    const Row& Second() const { return GetParam().rows[1]; }
    void SetOn(const Row& row, bool on) { GetParam().setOn(*m_rule, row.param, on); }
    bool IsOn(const Row& row) { return GetParam().isOn(*m_rule, row.param); }
    void Edit(const std::function<void(platform::SimulatedUser&)>& act) {
        platform::SimulatedUserScope scope(act);
        m_rule->EditRule();
        ASSERT_EQ(scope.DialogsRun(), 1);
    }
    static bool Enabled(const platform::SimulatedUser& person, int id) {
        return person.Control(id)->enabled;
    }

    std::unique_ptr<CTeskRule> m_rule;
};

TEST_P(SwitchedRows, RowsOpenEnabledAsTheirLimitsAreOnOrOff) {
    SetOn(First(), true);
    SetOn(Second(), false);
    Edit([&](platform::SimulatedUser& person) {
        EXPECT_EQ(person.Control(First().check)->check, BST_CHECKED);
        EXPECT_TRUE(Enabled(person, First().op));
        EXPECT_TRUE(Enabled(person, First().value));
        EXPECT_EQ(person.Control(Second().check)->check, BST_UNCHECKED);
        EXPECT_FALSE(Enabled(person, Second().op));
        EXPECT_FALSE(Enabled(person, Second().value));
        EXPECT_TRUE(Enabled(person, IDOK));
    });
}

TEST_P(SwitchedRows, WithEveryLimitOffOkIsDisabledFromTheStart) {
    SetOn(First(), false);
    SetOn(Second(), false);
    Edit([&](platform::SimulatedUser& person) {
        EXPECT_FALSE(Enabled(person, IDOK));
        EXPECT_FALSE(person.PressOk());
        EXPECT_TRUE(person.IsOpen());
    });
}

// By mouse and by the Space key alike.
TEST_P(SwitchedRows, SwitchingOffEveryLimitDisablesOkAndSwitchingOneOnMovesToItsValue) {
    SetOn(First(), true);
    SetOn(Second(), true);
    std::vector<bool> okEnabled;
    std::optional<int> focusAfterSwitchingOn;
    Edit([&](platform::SimulatedUser& person) {
        person.Click(First().check);
        okEnabled.push_back(Enabled(person, IDOK));
        person.Focus(Second().check);
        person.PressKey(platform::UserKey::Space);
        okEnabled.push_back(Enabled(person, IDOK));
        EXPECT_FALSE(Enabled(person, Second().value));
        person.PressKey(platform::UserKey::Space);
        okEnabled.push_back(Enabled(person, IDOK));
        focusAfterSwitchingOn = person.FocusId();
        person.PressOk();
    });
    EXPECT_THAT(okEnabled, ElementsAre(true, false, true));
    EXPECT_EQ(focusAfterSwitchingOn, Second().value);
    EXPECT_FALSE(IsOn(First()));
    EXPECT_TRUE(IsOn(Second()));
}

TEST_P(SwitchedRows, ALimitSwitchedOffStillKeepsTheOperatorAndValueShown) {
    SetOn(First(), true);
    SetOn(Second(), true);
    Edit([&](platform::SimulatedUser& person) {
        person.Choose(Second().op, GetParam().secondRowOperator);
        person.Type(Second().value, L"7.5");
        person.Click(Second().check);
        person.PressOk();
    });
    EXPECT_TRUE(IsOn(First()));
    EXPECT_FALSE(IsOn(Second()));
    EXPECT_EQ(Doubles(*m_rule, Second().param).at(GetParam().thicknessIndex), 7.5);
    EXPECT_EQ(Fields(*m_rule, Second().param).Operator, GetParam().secondRowOperatorCode);
}

INSTANTIATE_TEST_SUITE_P(TwoDialogs, SwitchedRows, ::testing::Values(kMouldWall, kUniform),
                         [](const auto& info) { return std::string(info.param.name); });

// A limit in the older shape, its thickness alone, is read as loading reads it: switched on,
// with that thickness.
TEST(UniformThicknessDialog, ALimitHoldingItsThicknessAloneOpensSwitchedOn) {
    CTeskIMUniformThicknessRule rule(0);
    rule.FindParameterInArray(2046)->GetData<TESK_TYPE_DOUBLE>()->Values.RemoveAt(0);
    std::optional<platform::ControlView> check;
    CString thickness;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        check = person.Control(1125);
        thickness = person.Text(1024);
        person.Type(1024, L"6");
        person.PressOk();
    });
    rule.EditRule();
    EXPECT_EQ(check->check, BST_CHECKED);
    EXPECT_EQ(thickness, L"3.0");
    EXPECT_THAT(Doubles(rule, 2046), ElementsAre(1.0, 6.0));
}

}  // namespace
