#include <gmock/gmock.h>

#include "app/CTeskCommonRulesApp.h"
#include "dialogs/CTeskIMDraftAngleDlg.h"
#include "platform/window/DialogTemplate.h"
#include "platform/window/SimulatedUser.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "tests/rules/RuleFixture.h"

namespace {

using ::testing::ElementsAre;
using Dlg = CTeskIMDraftAngleDlg;
constexpr auto kCore = CTeskIMDraftAngleRule::kCoreSideAngle;
constexpr auto kCavity = CTeskIMDraftAngleRule::kCavitySideAngle;

// What the person saw when the dialog opened, and the rule after EditRule returned.
struct Opened {
    platform::DialogView view;
    std::optional<platform::ControlView> Control(int id) const {
        for (const platform::ControlView& control : view.controls) {
            if (control.id == id) {
                return control;
            }
        }
        return std::nullopt;
    }
};

Opened Edit(CTeskIMDraftAngleRule& rule,
            const std::function<void(platform::SimulatedUser&)>& act = {}) {
    Opened opened;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        opened.view = person.View();
        if (act) {
            act(person);
        }
    });
    rule.EditRule();
    EXPECT_EQ(scope.DialogsRun(), 1);
    return opened;
}

TEST(DraftAngleDialog, OpensWithTheRulesOperatorsValuesSeverityAndUnit) {
    CTeskIMDraftAngleRule rule(0);
    rule.m_nSeverity = 3;
    rule.m_nAngularUnit = 1;
    const Opened opened = Edit(rule);
    EXPECT_EQ(opened.Control(Dlg::IDC_OPERATOR1)->selection, 1);
    EXPECT_THAT(opened.Control(Dlg::IDC_OPERATOR1)->items, ElementsAre(L">", L">="));
    EXPECT_EQ(opened.Control(Dlg::IDC_VALUE1)->text, L"0.5");
    EXPECT_EQ(opened.Control(Dlg::IDC_VALUE2)->text, L"5.0");
    EXPECT_EQ(opened.Control(Dlg::IDC_SEVERITY)->selection, 2);
    EXPECT_EQ(opened.Control(Dlg::IDC_UNIT1)->text, L"rad");
    EXPECT_EQ(opened.Control(Dlg::IDC_UNIT2)->text, L"rad");
}

TEST(DraftAngleDialog, OkStoresOperatorsValuesAndSeverityAndRecomposes) {
    CTeskIMDraftAngleRule rule(0);
    Edit(rule, [](platform::SimulatedUser& person) {
        person.Choose(Dlg::IDC_OPERATOR1, L">");
        person.Type(Dlg::IDC_VALUE1, L"1.5");
        person.Clear(Dlg::IDC_VALUE2);
        person.Choose(Dlg::IDC_SEVERITY, L"Very high");
        person.PressOk();
    });
    EXPECT_EQ(Fields(rule, kCore).Operator, TESK_OP_GREATER);
    EXPECT_THAT(Doubles(rule, kCore), ElementsAre(1.5));
    EXPECT_THAT(Doubles(rule, kCavity), ElementsAre(0.0));
    EXPECT_EQ(rule.m_nSeverity, 5);
    EXPECT_EQ(rule.m_strDescription,
              L"Draft angle greater than 1.5 deg on the core side and greater than or equal to 0.0 "
              L"deg on the "
              L"cavity side");
}

TEST(DraftAngleDialog, CancelKeepsTheRuleButStillRecomposes) {
    CTeskIMDraftAngleRule rule(0);
    rule.m_strDescription = L"stale";
    Edit(rule, [](platform::SimulatedUser& person) {
        person.Choose(Dlg::IDC_OPERATOR1, L">");
        person.Type(Dlg::IDC_VALUE1, L"9");
        person.Choose(Dlg::IDC_SEVERITY, L"High");
        person.PressCancel();
    });
    EXPECT_EQ(Fields(rule, kCore).Operator, TESK_OP_GREATER_EQUAL);
    EXPECT_THAT(Doubles(rule, kCore), ElementsAre(0.5));
    EXPECT_EQ(rule.m_nSeverity, 2);
    EXPECT_NE(rule.m_strDescription, L"stale");
}

TEST(DraftAngleDialog, UnknownSeverityAndOperatorOpenUnselectedAndAreKept) {
    CTeskIMDraftAngleRule rule(0);
    rule.m_nSeverity = 6;
    Fields(rule, kCavity).Operator = TESK_OP_LESS;
    rule.FindParameterInArray(kCore)->GetData<TESK_TYPE_DOUBLE>()->Values.RemoveAt(0);
    const Opened opened = Edit(rule, [](platform::SimulatedUser& person) {
        person.Type(Dlg::IDC_VALUE1, L"2");
        person.PressOk();
    });
    EXPECT_EQ(opened.Control(Dlg::IDC_SEVERITY)->selection, -1);
    EXPECT_EQ(opened.Control(Dlg::IDC_OPERATOR2)->selection, -1);
    EXPECT_EQ(opened.Control(Dlg::IDC_VALUE1)->text, L"");
    EXPECT_EQ(rule.m_nSeverity, 6);
    EXPECT_EQ(Fields(rule, kCavity).Operator, TESK_OP_LESS);
    EXPECT_THAT(Doubles(rule, kCore), ElementsAre(2.0));
}

TEST(DraftAngleDialog, RefusedCharactersNeverReachTheRule) {
    CTeskIMDraftAngleRule rule(0);
    CString afterMinus;
    CString afterLetter;
    Edit(rule, [&](platform::SimulatedUser& person) {
        person.Type(Dlg::IDC_VALUE1, L"-");
        afterMinus = person.Text(Dlg::IDC_VALUE1);
        person.Paste(Dlg::IDC_VALUE2, L"a");
        afterLetter = person.Text(Dlg::IDC_VALUE2);
        person.PressOk();
    });
    EXPECT_EQ(afterMinus, L"0.5");
    EXPECT_EQ(afterLetter, L"5.0");
    EXPECT_THAT(Doubles(rule, kCore), ElementsAre(0.5));
    EXPECT_THAT(Doubles(rule, kCavity), ElementsAre(5.0));
}

// A template lacking a control: opening stops filling there, OK stores what comes before it and
// leaves the dialog open, so only Cancel closes it.
TEST(DraftAngleDialog, MissingControlsStopFillingAndTakingBackWhereTheyAre) {
    const HINSTANCE library = g_pTheApp->m_hLangResDll;
    std::optional<DialogTemplate> layout = LoadDialogTemplate(library, Dlg::IDD);
    ASSERT_TRUE(layout);
    layout->RemoveItem(Dlg::IDC_OPERATOR2);
    layout->RemoveItem(Dlg::IDC_UNIT1);
    layout->RemoveItem(Dlg::IDC_UNIT2);
    const DialogTemplateOverride override(*layout);

    CTeskIMDraftAngleRule rule(0);
    bool openAfterOk = false;
    const Opened opened = Edit(rule, [&](platform::SimulatedUser& person) {
        person.Choose(Dlg::IDC_OPERATOR1, L">");
        person.Type(Dlg::IDC_VALUE1, L"1.25");
        person.Type(Dlg::IDC_VALUE2, L"7");
        person.Choose(Dlg::IDC_SEVERITY, L"High");
        person.PressOk();
        openAfterOk = person.IsOpen();
        person.PressCancel();
    });
    EXPECT_EQ(opened.Control(Dlg::IDC_VALUE1)->text, L"0.5");
    EXPECT_EQ(opened.Control(Dlg::IDC_VALUE2)->text, L"");
    EXPECT_EQ(opened.Control(Dlg::IDC_SEVERITY)->selection, -1);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(rule.m_nSeverity, 4);
    EXPECT_EQ(Fields(rule, kCore).Operator, TESK_OP_GREATER);
    EXPECT_THAT(Doubles(rule, kCore), ElementsAre(1.25));
    EXPECT_THAT(Doubles(rule, kCavity), ElementsAre(5.0));
}

TEST(DraftAngleDialog, HelpKeyOpensTheRulesHelpTopic) {
    CTeskIMDraftAngleRule rule(77);
    std::vector<ShownMessage> messages;
    platform::SimulatedUserScope scope([&](platform::SimulatedUser& person) {
        person.PressKey(platform::UserKey::F1);
        messages = person.Messages();
    });
    rule.EditRule();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, ShownMessage::Kind::Help);
    EXPECT_EQ(messages[0].text, g_pTheApp->m_strHelpFilePath + L"::/77.html");
}

}  // namespace
