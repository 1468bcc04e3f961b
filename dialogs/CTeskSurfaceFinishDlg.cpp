#include "dialogs/CTeskSurfaceFinishDlg.h"

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskSurfaceFinishRule.h"

namespace {

using Dlg = CTeskSurfaceFinishDlg;
constexpr auto kLowest = CTeskSurfaceFinishRule::kMinimumFinish;
constexpr auto kHighest = CTeskSurfaceFinishRule::kMaximumFinish;

// The boxes are the dialog's members: one the template lacks is passed over, so that its value
// is neither shown nor overwritten.
constexpr DialogStep kOpening[] = {
    step::Rule(),
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::Parameter(kLowest),
    step::Value(Dlg::IDC_VALUE1, kLowest).SkippedWhenMissing(),
    step::Parameter(kHighest),
    step::Value(Dlg::IDC_VALUE2, kHighest).SkippedWhenMissing(),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
};

// The values are stored before the severity.
constexpr DialogStep kConfirming[] = {
    step::Rule(),
    step::Parameter(kLowest),
    step::Value(Dlg::IDC_VALUE1, kLowest).SkippedWhenMissing(),
    step::Parameter(kHighest),
    step::Value(Dlg::IDC_VALUE2, kHighest).SkippedWhenMissing(),
    step::Severity(Dlg::IDC_SEVERITY).SkippedWhenMissing(),
};

}  // namespace

// OK goes to the OnOK override itself.
BEGIN_MESSAGE_MAP(CTeskSurfaceFinishDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskSurfaceFinishDlg::OnOK)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskSurfaceFinishDlg::CTeskSurfaceFinishDlg(CWnd* pParentWnd, CTeskSurfaceFinishRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskSurfaceFinishDlg::~CTeskSurfaceFinishDlg() = default;

void CTeskSurfaceFinishDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
}

BOOL CTeskSurfaceFinishDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening);
}

void CTeskSurfaceFinishDlg::OnOK() {
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        CDialog::OnOK();
    }
}
