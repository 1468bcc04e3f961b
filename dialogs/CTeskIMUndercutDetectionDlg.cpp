#include "dialogs/CTeskIMUndercutDetectionDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMUndercutDetectionRule.h"

namespace {

using Dlg = CTeskIMUndercutDetectionDlg;

constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Rule(),
    step::Severity(Dlg::IDC_SEVERITY),
};

constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Severity(Dlg::IDC_SEVERITY),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskIMUndercutDetectionDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMUndercutDetectionDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskIMUndercutDetectionDlg::CTeskIMUndercutDetectionDlg(CWnd* pParentWnd,
                                                         CTeskIMUndercutDetectionRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMUndercutDetectionDlg::~CTeskIMUndercutDetectionDlg() = default;

void CTeskIMUndercutDetectionDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskIMUndercutDetectionDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening);
}

void CTeskIMUndercutDetectionDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
