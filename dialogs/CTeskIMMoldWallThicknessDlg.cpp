#include "dialogs/CTeskIMMoldWallThicknessDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "dialogs/SwitchedRows.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMMoldWallThicknessRule.h"

namespace {

using Dlg = CTeskIMMoldWallThicknessDlg;
constexpr auto kRatio = CTeskIMMoldWallThicknessRule::kThicknessRatio;
constexpr auto kThickness = CTeskIMMoldWallThicknessRule::kWallThickness;
constexpr TeskOperator_e kOperators[] = {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL};

constexpr SwitchedRow kRows[] = {
    {Dlg::IDC_RATIO_CHECK, Dlg::IDC_OPERATOR1, Dlg::IDC_VALUE1},
    {Dlg::IDC_THICKNESS_CHECK, Dlg::IDC_OPERATOR2, Dlg::IDC_VALUE2},
};

constexpr DialogStep kOpening[] = {
    step::Rule(),
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::OperatorList(Dlg::IDC_OPERATOR1, kOperators),
    step::OperatorList(Dlg::IDC_OPERATOR2, kOperators),
    step::Parameter(kRatio),
    step::Parameter(kThickness),
    step::Status(Dlg::IDC_RATIO_CHECK, kRatio),
    step::Operator(Dlg::IDC_OPERATOR1, kRatio),
    step::Value(Dlg::IDC_VALUE1, kRatio),
    step::Status(Dlg::IDC_THICKNESS_CHECK, kThickness),
    step::Operator(Dlg::IDC_OPERATOR2, kThickness),
    step::Value(Dlg::IDC_VALUE2, kThickness),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::Severity(Dlg::IDC_SEVERITY),
};

// A switched-off limit still keeps the operator and value of its disabled boxes; the check box
// is looked for before its row, its state stored after it.
constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kRatio),
    step::Parameter(kThickness),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Control(Dlg::IDC_RATIO_CHECK),
    step::Operator(Dlg::IDC_OPERATOR1, kRatio),
    step::Value(Dlg::IDC_VALUE1, kRatio),
    step::Status(Dlg::IDC_RATIO_CHECK, kRatio),
    step::Control(Dlg::IDC_THICKNESS_CHECK),
    step::Operator(Dlg::IDC_OPERATOR2, kThickness),
    step::Value(Dlg::IDC_VALUE2, kThickness),
    step::Status(Dlg::IDC_THICKNESS_CHECK, kThickness),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskIMMoldWallThicknessDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMMoldWallThicknessDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
ON_BN_CLICKED(CTeskIMMoldWallThicknessDlg::IDC_RATIO_CHECK,
              &CTeskIMMoldWallThicknessDlg::OnBnClickedCheck1)
ON_BN_CLICKED(CTeskIMMoldWallThicknessDlg::IDC_THICKNESS_CHECK,
              &CTeskIMMoldWallThicknessDlg::OnBnClickedCheck2)
END_MESSAGE_MAP()

CTeskIMMoldWallThicknessDlg::CTeskIMMoldWallThicknessDlg(CWnd* pParentWnd,
                                                         CTeskIMMoldWallThicknessRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMMoldWallThicknessDlg::~CTeskIMMoldWallThicknessDlg() = default;

void CTeskIMMoldWallThicknessDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_OPERATOR2, m_comboOperator2);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_UNIT1, m_staticUnit1);
}

// The rows' enabled state and the OK button follow the check boxes from the start.
BOOL CTeskIMMoldWallThicknessDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    if (!ShowSteps(*this, m_pRule, kOpening, m_strUnit)) {
        return FALSE;
    }
    OnBnClickedCheck1();
    OnBnClickedCheck2();
    return TRUE;
}

void CTeskIMMoldWallThicknessDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}

void CTeskIMMoldWallThicknessDlg::OnBnClickedCheck1() {
    EnableRowFromCheck(IDC_RATIO_CHECK);
    UpdateOkButton();
}

void CTeskIMMoldWallThicknessDlg::OnBnClickedCheck2() {
    EnableRowFromCheck(IDC_THICKNESS_CHECK);
    UpdateOkButton();
}

void CTeskIMMoldWallThicknessDlg::EnableRowFromCheck(int checkBoxId) {
    ::EnableRowFromCheck(*this, kRows, checkBoxId);
}

void CTeskIMMoldWallThicknessDlg::UpdateOkButton() {
    ::UpdateOkButton(*this, kRows);
}
