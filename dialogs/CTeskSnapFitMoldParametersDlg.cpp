#include "dialogs/CTeskSnapFitMoldParametersDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskSnapFitMoldParametersRule.h"

namespace {

using Dlg = CTeskSnapFitMoldParametersDlg;
constexpr auto kOverhang = CTeskSnapFitMoldParametersRule::kOverhang;
constexpr auto kRatio = CTeskSnapFitMoldParametersRule::kHeightToWidthRatio;

constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Rule(),
    step::Parameter(kOverhang),
    step::Parameter(kRatio),
    step::Value(Dlg::IDC_VALUE1, kOverhang),
    step::Value(Dlg::IDC_VALUE2, kRatio),
    step::Severity(Dlg::IDC_SEVERITY),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::UnitLabel(Dlg::IDC_UNIT2),
};

constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kOverhang),
    step::Parameter(kRatio),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Value(Dlg::IDC_VALUE1, kOverhang),
    step::Value(Dlg::IDC_VALUE2, kRatio),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskSnapFitMoldParametersDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskSnapFitMoldParametersDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskSnapFitMoldParametersDlg::CTeskSnapFitMoldParametersDlg(CWnd* pParentWnd,
                                                             CTeskSnapFitMoldParametersRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskSnapFitMoldParametersDlg::~CTeskSnapFitMoldParametersDlg() = default;

void CTeskSnapFitMoldParametersDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskSnapFitMoldParametersDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening, m_strUnit);
}

void CTeskSnapFitMoldParametersDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
