#include "dialogs/CTeskUndercutInterferenceDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskUndercutInterferenceRule.h"

namespace {

using Dlg = CTeskUndercutInterferenceDlg;
constexpr auto kDieThickness = CTeskUndercutInterferenceRule::kDieThickness;
constexpr auto kDieOverhang = CTeskUndercutInterferenceRule::kDieOverhang;
constexpr auto kRequiredGap = CTeskUndercutInterferenceRule::kRequiredGap;

constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Rule(),
    step::Parameter(kDieThickness),
    step::Parameter(kDieOverhang),
    step::Parameter(kRequiredGap),
    step::Value(Dlg::IDC_VALUE1, kDieThickness),
    step::Value(Dlg::IDC_VALUE2, kDieOverhang),
    step::Value(Dlg::IDC_VALUE3, kRequiredGap),
    step::Severity(Dlg::IDC_SEVERITY),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::UnitLabel(Dlg::IDC_UNIT2),
    step::UnitLabel(Dlg::IDC_UNIT3),
};

constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kDieThickness),
    step::Parameter(kDieOverhang),
    step::Parameter(kRequiredGap),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Value(Dlg::IDC_VALUE1, kDieThickness),
    step::Value(Dlg::IDC_VALUE2, kDieOverhang),
    step::Value(Dlg::IDC_VALUE3, kRequiredGap),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskUndercutInterferenceDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskUndercutInterferenceDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskUndercutInterferenceDlg::CTeskUndercutInterferenceDlg(CWnd* pParentWnd,
                                                           CTeskUndercutInterferenceRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskUndercutInterferenceDlg::~CTeskUndercutInterferenceDlg() = default;

void CTeskUndercutInterferenceDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_VALUE3, m_editValue3);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskUndercutInterferenceDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening, m_strUnit);
}

void CTeskUndercutInterferenceDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
