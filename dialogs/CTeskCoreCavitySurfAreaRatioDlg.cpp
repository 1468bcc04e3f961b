#include "dialogs/CTeskCoreCavitySurfAreaRatioDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"

namespace {

using Dlg = CTeskCoreCavitySurfAreaRatioDlg;

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

BEGIN_MESSAGE_MAP(CTeskCoreCavitySurfAreaRatioDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskCoreCavitySurfAreaRatioDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskCoreCavitySurfAreaRatioDlg::CTeskCoreCavitySurfAreaRatioDlg(
    CWnd* pParentWnd, CTeskCoreCavitySurfAreaRatioRule* pRule)
    : CTeskRuleDlgBase(IDD, kHelpContextId, ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskCoreCavitySurfAreaRatioDlg::~CTeskCoreCavitySurfAreaRatioDlg() = default;

void CTeskCoreCavitySurfAreaRatioDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskCoreCavitySurfAreaRatioDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening);
}

void CTeskCoreCavitySurfAreaRatioDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
