#include "dialogs/CTeskFilletRadiusDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskFilletRadiusRule.h"

namespace {

using Dlg = CTeskFilletRadiusDlg;
constexpr auto kSmallest = CTeskFilletRadiusRule::kMinimumRadius;
constexpr auto kLargest = CTeskFilletRadiusRule::kMaximumRadius;

// The boxes are the dialog's members: one the template lacks is passed over, so that its value
// is neither shown nor overwritten.
constexpr DialogStep kOpening[] = {
    step::Rule(),
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Parameter(kSmallest),
    step::Value(Dlg::IDC_VALUE1, kSmallest).SkippedWhenMissing(),
    step::Parameter(kLargest),
    step::Value(Dlg::IDC_VALUE2, kLargest).SkippedWhenMissing(),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
    step::UnitLabel(Dlg::IDC_UNIT1),
    step::UnitLabel(Dlg::IDC_UNIT2),
};

// The two radii are stored first, the severity last.
constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kSmallest),
    step::Value(Dlg::IDC_VALUE1, kSmallest).SkippedWhenMissing(),
    step::Parameter(kLargest),
    step::Value(Dlg::IDC_VALUE2, kLargest).SkippedWhenMissing(),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
};

}  // namespace

// OK goes to the OnOK override itself.
BEGIN_MESSAGE_MAP(CTeskFilletRadiusDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskFilletRadiusDlg::OnOK)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskFilletRadiusDlg::CTeskFilletRadiusDlg(CWnd* pParentWnd, CTeskFilletRadiusRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskFilletRadiusDlg::~CTeskFilletRadiusDlg() = default;

void CTeskFilletRadiusDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_UNIT1, m_staticUnit1);
    DDX_Control(dx, IDC_UNIT2, m_staticUnit2);
}

BOOL CTeskFilletRadiusDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening, m_strUnit);
}

void CTeskFilletRadiusDlg::OnOK() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        CDialog::OnOK();
    }
}
