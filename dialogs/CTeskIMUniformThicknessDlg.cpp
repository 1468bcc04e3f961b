#include "dialogs/CTeskIMUniformThicknessDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "dialogs/SwitchedRows.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMUniformThicknessRule.h"

namespace {

using Dlg = CTeskIMUniformThicknessDlg;
constexpr auto kMinimum = CTeskIMUniformThicknessRule::kMinimumThickness;
constexpr auto kMaximum = CTeskIMUniformThicknessRule::kMaximumThickness;
constexpr int kOnOffValue = 0;
constexpr int kThicknessValue = 1;
constexpr TeskOperator_e kMinimumOperators[] = {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL};
constexpr TeskOperator_e kMaximumOperators[] = {TESK_OP_LESS, TESK_OP_LESS_EQUAL};

constexpr SwitchedRow kRows[] = {
    {Dlg::IDC_MINIMUM_CHECK, Dlg::IDC_OPERATOR1, Dlg::IDC_VALUE1},
    {Dlg::IDC_MAXIMUM_CHECK, Dlg::IDC_OPERATOR2, Dlg::IDC_VALUE2},
};

constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::OperatorList(Dlg::IDC_OPERATOR1, kMinimumOperators),
    step::OperatorList(Dlg::IDC_OPERATOR2, kMaximumOperators),
    step::Rule(),
    step::Parameter(kMinimum),
    step::Parameter(kMaximum),
    step::OnOffFlag(Dlg::IDC_MINIMUM_CHECK, kMinimum, kOnOffValue),
    step::Operator(Dlg::IDC_OPERATOR1, kMinimum),
    step::Value(Dlg::IDC_VALUE1, kMinimum, kThicknessValue),
    step::OnOffFlag(Dlg::IDC_MAXIMUM_CHECK, kMaximum, kOnOffValue),
    step::Operator(Dlg::IDC_OPERATOR2, kMaximum),
    step::Value(Dlg::IDC_VALUE2, kMaximum, kThicknessValue),
    step::Severity(Dlg::IDC_SEVERITY),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::UnitLabel(Dlg::IDC_UNIT2),
};

// A switched-off limit still keeps the operator and thickness of its disabled boxes, and no
// minimum is compared with the maximum.
constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kMinimum),
    step::Parameter(kMaximum),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Control(Dlg::IDC_MINIMUM_CHECK),
    step::Operator(Dlg::IDC_OPERATOR1, kMinimum),
    step::Value(Dlg::IDC_VALUE1, kMinimum, kThicknessValue),
    step::OnOffFlag(Dlg::IDC_MINIMUM_CHECK, kMinimum, kOnOffValue),
    step::Control(Dlg::IDC_MAXIMUM_CHECK),
    step::Operator(Dlg::IDC_OPERATOR2, kMaximum),
    step::Value(Dlg::IDC_VALUE2, kMaximum, kThicknessValue),
    step::OnOffFlag(Dlg::IDC_MAXIMUM_CHECK, kMaximum, kOnOffValue),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskIMUniformThicknessDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMUniformThicknessDlg::OnBnClickedOk)
ON_BN_CLICKED(CTeskIMUniformThicknessDlg::IDC_MINIMUM_CHECK,
              &CTeskIMUniformThicknessDlg::OnBnClickedMinimumCheck)
ON_BN_CLICKED(CTeskIMUniformThicknessDlg::IDC_MAXIMUM_CHECK,
              &CTeskIMUniformThicknessDlg::OnBnClickedMaximumCheck)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskIMUniformThicknessDlg::CTeskIMUniformThicknessDlg(CWnd* pParentWnd,
                                                       CTeskIMUniformThicknessRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMUniformThicknessDlg::~CTeskIMUniformThicknessDlg() = default;

void CTeskIMUniformThicknessDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Check(dx, IDC_MINIMUM_CHECK, m_bMinEnabled);
    DDX_Check(dx, IDC_MAXIMUM_CHECK, m_bMaxEnabled);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_OPERATOR2, m_comboOperator2);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

// The rows' enabled state and the OK button follow the check boxes from the start.
BOOL CTeskIMUniformThicknessDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    if (!ShowSteps(*this, m_pRule, kOpening, m_strUnit)) {
        return FALSE;
    }
    OnBnClickedMinimumCheck();
    OnBnClickedMaximumCheck();
    return TRUE;
}

void CTeskIMUniformThicknessDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}

void CTeskIMUniformThicknessDlg::OnBnClickedMinimumCheck() {
    EnableRowFromCheck(IDC_MINIMUM_CHECK);
    UpdateOkButton();
}

void CTeskIMUniformThicknessDlg::OnBnClickedMaximumCheck() {
    EnableRowFromCheck(IDC_MAXIMUM_CHECK);
    UpdateOkButton();
}

void CTeskIMUniformThicknessDlg::EnableRowFromCheck(int checkBoxId) {
    ::EnableRowFromCheck(*this, kRows, checkBoxId);
}

void CTeskIMUniformThicknessDlg::UpdateOkButton() {
    ::UpdateOkButton(*this, kRows);
}
