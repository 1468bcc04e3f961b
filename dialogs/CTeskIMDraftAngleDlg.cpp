#include "dialogs/CTeskIMDraftAngleDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMDraftAngleRule.h"

namespace {

using Dlg = CTeskIMDraftAngleDlg;
constexpr auto kCore = CTeskIMDraftAngleRule::kCoreSideAngle;
constexpr auto kCavity = CTeskIMDraftAngleRule::kCavitySideAngle;
constexpr TeskOperator_e kOperators[] = {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL};

// A missing control stops the filling there: the dialog still opens with what was filled.
constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::OperatorList(Dlg::IDC_OPERATOR1, kOperators),
    step::OperatorList(Dlg::IDC_OPERATOR2, kOperators),
    step::Rule(),
    step::Parameter(kCore),
    step::Parameter(kCavity),
    step::Operator(Dlg::IDC_OPERATOR1, kCore),
    step::Value(Dlg::IDC_VALUE1, kCore),
    step::Operator(Dlg::IDC_OPERATOR2, kCavity),
    step::Value(Dlg::IDC_VALUE2, kCavity),
    step::Severity(Dlg::IDC_SEVERITY),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::UnitLabel(Dlg::IDC_UNIT2),
};

// Without the rule, its angles or the severity box the dialog stays open; a missing control
// further on stops the taking back there, keeping what was stored before it.
constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kCore),
    step::Parameter(kCavity),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Operator(Dlg::IDC_OPERATOR1, kCore),
    step::Value(Dlg::IDC_VALUE1, kCore),
    step::Operator(Dlg::IDC_OPERATOR2, kCavity),
    step::Value(Dlg::IDC_VALUE2, kCavity),
};

}  // namespace

// Based directly on the dialog's map: Cancel and the rest fall to the dialog itself.
BEGIN_MESSAGE_MAP(CTeskIMDraftAngleDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMDraftAngleDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskIMDraftAngleDlg::CTeskIMDraftAngleDlg(CWnd* pParentWnd, CTeskIMDraftAngleRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMDraftAngleDlg::~CTeskIMDraftAngleDlg() = default;

void CTeskIMDraftAngleDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_OPERATOR2, m_comboOperator2);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskIMDraftAngleDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening, m_strUnit);
}

void CTeskIMDraftAngleDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
