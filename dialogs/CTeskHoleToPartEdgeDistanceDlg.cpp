#include "dialogs/CTeskHoleToPartEdgeDistanceDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskHoleToPartEdgeDistanceRule.h"

namespace {

using Dlg = CTeskHoleToPartEdgeDistanceDlg;
constexpr auto kDistance = CTeskHoleToPartEdgeDistanceRule::kDistance;
constexpr TeskOperator_e kOperators[] = {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL};

// The boxes are the dialog's members: one the template lacks is passed over, so that its value
// is neither shown nor overwritten.
constexpr DialogStep kOpening[] = {
    step::Rule(),
    step::OperatorList(Dlg::IDC_OPERATOR1, kOperators),
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Parameter(kDistance),
    step::Operator(Dlg::IDC_OPERATOR1, kDistance).SkippedWhenMissing(),
    step::Value(Dlg::IDC_VALUE1, kDistance).SkippedWhenMissing(),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
    step::UnitLabel(Dlg::IDC_UNIT1),
};

constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kDistance),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
    step::Operator(Dlg::IDC_OPERATOR1, kDistance).SkippedWhenMissing(),
    step::Value(Dlg::IDC_VALUE1, kDistance).SkippedWhenMissing(),
};

}  // namespace

// OK goes to the OnOK override itself.
BEGIN_MESSAGE_MAP(CTeskHoleToPartEdgeDistanceDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskHoleToPartEdgeDistanceDlg::OnOK)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskHoleToPartEdgeDistanceDlg::CTeskHoleToPartEdgeDistanceDlg(
    CWnd* pParentWnd, CTeskHoleToPartEdgeDistanceRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskHoleToPartEdgeDistanceDlg::~CTeskHoleToPartEdgeDistanceDlg() = default;

void CTeskHoleToPartEdgeDistanceDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_UNIT1, m_staticUnit1);
}

BOOL CTeskHoleToPartEdgeDistanceDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening, m_strUnit);
}

void CTeskHoleToPartEdgeDistanceDlg::OnOK() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        CDialog::OnOK();
    }
}
