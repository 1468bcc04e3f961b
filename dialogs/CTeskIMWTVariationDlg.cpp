#include "dialogs/CTeskIMWTVariationDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMWTVariationRule.h"

namespace {

using Dlg = CTeskIMWTVariationDlg;
constexpr auto kVariation = CTeskIMWTVariationRule::kVariation;

constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY), step::Rule(),
    step::Parameter(kVariation),           step::Value(Dlg::IDC_VALUE1, kVariation),
    step::Severity(Dlg::IDC_SEVERITY),
};

constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kVariation),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Value(Dlg::IDC_VALUE1, kVariation),
};

}  // namespace

BEGIN_MESSAGE_MAP(CTeskIMWTVariationDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMWTVariationDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskIMWTVariationDlg::CTeskIMWTVariationDlg(CWnd* pParentWnd, CTeskIMWTVariationRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMWTVariationDlg::~CTeskIMWTVariationDlg() = default;

void CTeskIMWTVariationDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

BOOL CTeskIMWTVariationDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening);
}

void CTeskIMWTVariationDlg::OnBnClickedOk() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}
