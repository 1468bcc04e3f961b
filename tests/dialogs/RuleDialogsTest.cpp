#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <ostream>
#include <type_traits>

#include "app/CTeskCommonRulesApp.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/SimulatedUser.h"
#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"
#include "rules/CTeskFilletRadiusRule.h"
#include "rules/CTeskHoleToPartEdgeDistanceRule.h"
#include "rules/CTeskIMMoldWallThicknessRule.h"
#include "rules/CTeskIMUndercutDetectionRule.h"
#include "rules/CTeskIMUniformThicknessRule.h"
#include "rules/CTeskIMWTVariationRule.h"
#include "rules/CTeskSnapFitMoldParametersRule.h"
#include "rules/CTeskSurfaceFinishRule.h"
#include "rules/CTeskUndercutInterferenceRule.h"
#include "tests/rules/RuleFixture.h"

// The ten pattern dialogs, each opened through its rule's EditRule and driven by the simulated
// user: what the person sees at opening, what OK stores after every field was changed, that
// Cancel stores nothing, and what happens when the template lacks a control.
namespace {

constexpr int kHelpContextId = 4242;

template <typename Rule>
std::unique_ptr<CTeskRule> MakeRule() {
    if constexpr (std::is_constructible_v<Rule, int>) {
        return std::make_unique<Rule>(kHelpContextId);
    } else {
        return std::make_unique<Rule>(CString(L"TeskMouldingRulesEngine"),
                                      CString(L"TeskMouldingRulesValidator"),
                                      TESK_CATEGORY_MOULDING, kHelpContextId);
    }
}

// One parameter as the rule holds it.
struct Stored {
    std::int32_t param;
    TeskOperator_e op;
    bool on;
    std::vector<double> values;
    bool operator==(const Stored&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stored& stored) {
    out << stored.param << " op " << stored.op << (stored.on ? " on" : " off") << " values";
    for (const double value : stored.values) {
        out << ' ' << value;
    }
    return out;
}

struct RuleState {
    std::int32_t severity;
    std::vector<Stored> params;
    bool operator==(const RuleState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RuleState& state) {
    out << "severity " << state.severity;
    for (const Stored& stored : state.params) {
        out << "; " << stored;
    }
    return out;
}

// What a person does to one control.
struct Action {
    enum class Kind { Type, Clear, Choose, Click } kind;
    int id;
    const wchar_t* text = L"";

    void Perform(platform::SimulatedUser& person) const {
        switch (kind) {
            case Kind::Type:
                person.Type(id, text);
                break;
            case Kind::Clear:
                person.Clear(id);
                break;
            case Kind::Choose:
                person.Choose(id, text);
                break;
            case Kind::Click:
                person.Click(id);
                break;
        }
    }
};

Action Type(int id, const wchar_t* text) {
    return {Action::Kind::Type, id, text};
}
Action Clear(int id) {
    return {Action::Kind::Clear, id};
}
Action Choose(int id, const wchar_t* text) {
    return {Action::Kind::Choose, id, text};
}
Action Click(int id) {
    return {Action::Kind::Click, id};
}

struct Shown {
    int id;
    const wchar_t* text;
};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<CTeskRule>()> make;
    UINT templateId;
    std::vector<Shown> opened;  // texts at opening, the rule at its defaults in millimetres
    std::vector<Action> edits;  // a change of every field the dialog has
    RuleState afterOk;          // the rule after the edits and OK
    int missingControl;         // a control to take out of the template
    bool okClosesWithoutIt;     // whether OK still closes without it
    RuleState withoutIt;        // the rule after the edits and OK without that control
};

std::ostream& operator<<(std::ostream& out, const DialogCase& c) {
    return out << c.name;
}

const std::vector<DialogCase>& Cases() {
    static const std::vector<DialogCase> kCases{
        {"MouldWallThickness",
         MakeRule<CTeskIMMoldWallThicknessRule>,
         175,
         {{1078, L"Thickness ratio:"},
          {1080, L">="},
          {1082, L"2.0"},
          {1086, L">="},
          {1088, L"1.0"},
          {1091, L"mm"},
          {1090, L"Low"}},
         {Choose(1080, L">"), Type(1082, L"1.5"), Click(1084), Choose(1086, L">"),
          Type(1088, L"2.25"), Choose(1090, L"High")},
         {4, {{2094, TESK_OP_GREATER, true, {1.5}}, {2095, TESK_OP_GREATER, true, {2.25}}}},
         1086,
         false,
         {4, {{2094, TESK_OP_GREATER, true, {1.5}}, {2095, TESK_OP_GREATER_EQUAL, false, {1.0}}}}},
        {"UniformThickness",
         MakeRule<CTeskIMUniformThicknessRule>,
         136,
         {{1015, L">="},
          {1018, L"2.0"},
          {1019, L"mm"},
          {1022, L"<="},
          {1024, L"3.0"},
          {1025, L"mm"},
          {1027, L"Low"}},
         {Choose(1015, L">"), Type(1018, L"2.5"), Click(1124), Choose(1022, L"<"),
          Type(1024, L"4.5"), Choose(1027, L"Very high")},
         {5, {{2045, TESK_OP_GREATER, true, {0.0, 2.5}}, {2046, TESK_OP_LESS, true, {1.0, 4.5}}}},
         1022,
         false,
         {5,
          {{2045, TESK_OP_GREATER, true, {0.0, 2.5}},
           {2046, TESK_OP_LESS_EQUAL, true, {1.0, 3.0}}}}},
        {"WallThicknessVariation",
         MakeRule<CTeskIMWTVariationRule>,
         207,
         {{1131, L"25.0"}, {1130, L"Very low"}},
         {Type(1131, L"30"), Choose(1130, L"Medium")},
         {3, {{2136, TESK_OP_GREATER_EQUAL, true, {30.0}}}},
         1131,
         false,
         {3, {{2136, TESK_OP_GREATER_EQUAL, true, {25.0}}}}},
        {"UndercutDetection",
         MakeRule<CTeskIMUndercutDetectionRule>,
         1106,
         {{1108, L"Medium"}},
         {Choose(1108, L"Very low")},
         {1, {}},
         1108,
         false,
         {3, {}}},
        {"UndercutInterference",
         MakeRule<CTeskUndercutInterferenceRule>,
         1107,
         {{1186, L"4.0"},
          {1182, L"0.0"},
          {1181, L"1.0"},
          {1195, L"mm"},
          {1193, L"mm"},
          {1189, L"mm"},
          {1197, L"Very low"}},
         {Type(1186, L"5"), Type(1182, L"0.5"), Clear(1181), Choose(1197, L"High")},
         {4,
          {{2178, TESK_OP_GREATER_EQUAL, true, {5.0}},
           {2179, TESK_OP_LESS_EQUAL, true, {0.5}},
           {2180, TESK_OP_LESS_EQUAL, true, {0.0}}}},
         1181,
         false,
         {4,
          {{2178, TESK_OP_GREATER_EQUAL, true, {5.0}},
           {2179, TESK_OP_LESS_EQUAL, true, {0.5}},
           {2180, TESK_OP_LESS_EQUAL, true, {1.0}}}}},
        {"CoreCavitySurfaceAreaRatio",
         MakeRule<CTeskCoreCavitySurfAreaRatioRule>,
         1109,
         {{2013, L"Very low"}},
         {Choose(2013, L"Very high")},
         {5, {}},
         2013,
         false,
         {1, {}}},
        {"SnapFitMouldParameters",
         MakeRule<CTeskSnapFitMoldParametersRule>,
         1108,
         {{2000, L"0.5"}, {2001, L"mm"}, {2004, L"3.0"}, {2253, L"mm"}, {2006, L"Very low"}},
         {Type(2000, L"0.75"), Type(2004, L"2"), Choose(2006, L"Low")},
         {2,
          {{2185, TESK_OP_GREATER_EQUAL, true, {0.75}}, {2192, TESK_OP_LESS_EQUAL, true, {2.0}}}},
         2004,
         false,
         {2,
          {{2185, TESK_OP_GREATER_EQUAL, true, {0.75}}, {2192, TESK_OP_LESS_EQUAL, true, {3.0}}}}},
        {"SurfaceFinish",
         MakeRule<CTeskSurfaceFinishRule>,
         2154,
         {{1150, L"0.05"}, {1151, L"0.3"}, {1153, L"Low"}},
         {Type(1150, L"0.1"), Type(1151, L"0.8"), Choose(1153, L"High")},
         {4, {{2152, TESK_OP_LESS, true, {0.1}}, {2153, TESK_OP_GREATER, true, {0.8}}}},
         1150,
         true,
         {4, {{2152, TESK_OP_LESS, true, {0.05}}, {2153, TESK_OP_GREATER, true, {0.8}}}}},
        {"FilletRadius",
         MakeRule<CTeskFilletRadiusRule>,
         2160,
         {{1134, L"0.1"}, {1137, L"mm"}, {1135, L"0.2"}, {1136, L"mm"}, {1139, L"Low"}},
         {Type(1134, L"0.25"), Type(1135, L"1.5"), Choose(1139, L"Very high")},
         {5, {{2142, TESK_OP_LESS, true, {0.25}}, {2144, TESK_OP_GREATER, true, {1.5}}}},
         1135,
         true,
         {5, {{2142, TESK_OP_LESS, true, {0.25}}, {2144, TESK_OP_GREATER, true, {0.2}}}}},
        {"HoleToPartEdgeDistance",
         MakeRule<CTeskHoleToPartEdgeDistanceRule>,
         2151,
         {{1147, L">="}, {1143, L"1.0"}, {1144, L"mm"}, {1146, L"Low"}},
         {Choose(1147, L">"), Type(1143, L"2.5"), Choose(1146, L"Medium")},
         {3, {{2048, TESK_OP_GREATER, true, {2.5}}}},
         1147,
         true,
         {3, {{2048, TESK_OP_GREATER_EQUAL, true, {2.5}}}}},
    };
    return kCases;
}

RuleState StateOf(CTeskRule& rule, const std::vector<Stored>& shape) {
    RuleState state{rule.m_nSeverity, {}};
    for (const Stored& expected : shape) {
        const TeskParamFields& fields = Fields(rule, expected.param);
        state.params.push_back(
            {expected.param, fields.Operator, fields.Status, Doubles(rule, expected.param)});
    }
    return state;
}

struct EditRun {
    platform::DialogView opened;
    bool openAfterOk = false;
    int dialogsRun = 0;
    int result = 0;
    std::vector<ShownMessage> messages;
};

// Runs the rule's EditRule with the edits acted out, then OK (or Cancel); a dialog still open
// after OK is cancelled.
EditRun Edit(CTeskRule& rule, const std::vector<Action>& edits, bool pressOk) {
    EditRun run;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        run.opened = person.View();
        for (const Action& action : edits) {
            action.Perform(person);
        }
        if (pressOk) {
            person.PressOk();
            run.openAfterOk = person.IsOpen();
        }
        person.PressCancel();
    });
    rule.EditRule();
    run.dialogsRun = scope.DialogsRun();
    run.result = scope.LastResult();
    run.messages = scope.Messages();
    return run;
}

CString TextOf(const platform::DialogView& view, int id) {
    for (const platform::ControlView& control : view.controls) {
        if (control.id == id) {
            return control.text;
        }
    }
    return L"<no control>";
}

class RuleDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(RuleDialog, OpensWithTheRulesValuesSeverityAndUnit) {
    const DialogCase& c = GetParam();
    std::unique_ptr<CTeskRule> rule = c.make();
    const EditRun run = Edit(*rule, {}, false);
    EXPECT_EQ(run.dialogsRun, 1);
    for (const Shown& shown : c.opened) {
        EXPECT_EQ(TextOf(run.opened, shown.id), shown.text) << "control " << shown.id;
    }
}

TEST_P(RuleDialog, OkStoresEveryChangedFieldAndRecomposes) {
    const DialogCase& c = GetParam();
    std::unique_ptr<CTeskRule> rule = c.make();
    const CString before = rule->m_strDescription;
    const EditRun run = Edit(*rule, c.edits, true);
    EXPECT_FALSE(run.openAfterOk);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(StateOf(*rule, c.afterOk.params), c.afterOk);
    if (!c.afterOk.params.empty()) {
        EXPECT_NE(rule->m_strDescription, before) << "the description follows the values";
    }
}

TEST_P(RuleDialog, CancelAfterChangingEveryFieldStoresNothing) {
    const DialogCase& c = GetParam();
    std::unique_ptr<CTeskRule> rule = c.make();
    const RuleState before = StateOf(*rule, c.afterOk.params);
    const EditRun run = Edit(*rule, c.edits, false);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(StateOf(*rule, c.afterOk.params), before);
}

// Dialogs that look their controls up stop at a missing one and stay open, so that only Cancel
// closes them; those that reach their controls through members pass it over, keep what it would
// have given, and store the rest.
TEST_P(RuleDialog, ATemplateWithoutAControlStopsAtItOrPassesItOver) {
    const DialogCase& c = GetParam();
    std::optional<DialogTemplate> layout =
        LoadDialogTemplate(g_pTheApp->m_hLangResDll, c.templateId);
    ASSERT_TRUE(layout);
    ASSERT_TRUE(layout->RemoveItem(c.missingControl));
    const DialogTemplateOverride override(*layout);

    std::unique_ptr<CTeskRule> rule = c.make();
    const EditRun run = Edit(*rule, c.edits, true);
    EXPECT_EQ(run.dialogsRun, 1);
    EXPECT_EQ(!run.openAfterOk, c.okClosesWithoutIt);
    EXPECT_EQ(StateOf(*rule, c.withoutIt.params), c.withoutIt);
}

TEST_P(RuleDialog, HelpKeyOpensTheDialogsHelpTopic) {
    const DialogCase& c = GetParam();
    std::unique_ptr<CTeskRule> rule = c.make();
    std::vector<ShownMessage> messages;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        person.PressKey(platform::UserKey::F1);
        messages = person.Messages();
    });
    rule->EditRule();
    ASSERT_EQ(messages.size(), 1u);
    // The core/cavity dialog has a topic of its own, whatever the rule names.
    const int topic = c.templateId == 1109 ? 14110 : kHelpContextId;
    EXPECT_EQ(messages[0].text,
              g_pTheApp->m_strHelpFilePath + L"::/" + CString(std::to_wstring(topic)) + L".html");
}

INSTANTIATE_TEST_SUITE_P(TenDialogs, RuleDialog, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
