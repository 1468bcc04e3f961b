#include "dialogs/CTeskMinRibEdgeRadiusDlg.h"

#include <cwchar>

#include "dialogs/DialogSteps.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/MessageSink.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskMinRibEdgeRadiusRule.h"

namespace {

using Dlg = CTeskMinRibEdgeRadiusDlg;
using Rule = CTeskMinRibEdgeRadiusRule;
constexpr UINT IDS_ANGLE_RANGE_TEXT = 2249;
constexpr UINT IDS_ANGLE_RANGE_TITLE = 2250;
constexpr UINT IDS_RANGE_UPSIDE_DOWN = 2251;
constexpr int kLowerBound = 0;
constexpr int kUpperBound = 1;
constexpr TeskOperator_e kOperators[] = {TESK_OP_GREATER_EQUAL};

// Setting an upper bound mirrors it into the next range's lower bound, so range 3's lower bound
// ends up as range 2's upper bound, and range 2's as stored.
constexpr DialogStep kOpening[] = {
    step::SeverityList(Dlg::IDC_SEVERITY),
    step::OperatorList(Dlg::IDC_OPERATOR1, kOperators),
    step::Rule(),
    step::Parameter(Rule::kRadiusRatio),
    step::Parameter(Rule::kOption),
    step::Operator(Dlg::IDC_OPERATOR1, Rule::kRadiusRatio),
    step::Value(Dlg::IDC_VALUE1, Rule::kRadiusRatio),
    step::OnOffFlag(Dlg::IDC_OPTION_CHECK, Rule::kOption),
    step::Parameter(Rule::kRange1),
    step::Value(Dlg::IDC_RANGE1_FROM, Rule::kRange1, kLowerBound),
    step::Value(Dlg::IDC_RANGE1_TO, Rule::kRange1, kUpperBound),
    step::Parameter(Rule::kRange3),
    step::Value(Dlg::IDC_RANGE3_FROM, Rule::kRange3, kLowerBound),
    step::Value(Dlg::IDC_RANGE3_TO, Rule::kRange3, kUpperBound),
    step::Parameter(Rule::kRange2),
    step::Value(Dlg::IDC_RANGE2_FROM, Rule::kRange2, kLowerBound),
    step::Value(Dlg::IDC_RANGE2_TO, Rule::kRange2, kUpperBound),
    step::Severity(Dlg::IDC_SEVERITY),
};

// The lower bounds come back from their static texts: range 1's as shown at opening, the others
// as last mirrored.
constexpr DialogStep kConfirming[] = {
    step::Parameter(Rule::kRadiusRatio),
    step::Parameter(Rule::kOption),
    step::Parameter(Rule::kRange1),
    step::Parameter(Rule::kRange3),
    step::Parameter(Rule::kRange2),
    step::Severity(Dlg::IDC_SEVERITY),
    step::Operator(Dlg::IDC_OPERATOR1, Rule::kRadiusRatio),
    step::Value(Dlg::IDC_VALUE1, Rule::kRadiusRatio),
    step::OnOffFlag(Dlg::IDC_OPTION_CHECK, Rule::kOption),
    step::Value(Dlg::IDC_RANGE1_FROM, Rule::kRange1, kLowerBound),
    step::Value(Dlg::IDC_RANGE1_TO, Rule::kRange1, kUpperBound),
    step::Value(Dlg::IDC_RANGE3_FROM, Rule::kRange3, kLowerBound),
    step::Value(Dlg::IDC_RANGE3_TO, Rule::kRange3, kUpperBound),
    step::Value(Dlg::IDC_RANGE2_FROM, Rule::kRange2, kLowerBound),
    step::Value(Dlg::IDC_RANGE2_TO, Rule::kRange2, kUpperBound),
};

// A range as the person sees it: its lower and upper bound.
struct RangeBoxes {
    int from;
    int to;
};

// Range 3 is checked before range 2.
constexpr RangeBoxes kRangesInCheckOrder[] = {
    {Dlg::IDC_RANGE1_FROM, Dlg::IDC_RANGE1_TO},
    {Dlg::IDC_RANGE3_FROM, Dlg::IDC_RANGE3_TO},
    {Dlg::IDC_RANGE2_FROM, Dlg::IDC_RANGE2_TO},
};

// The whole text as the C runtime reads a number: leading blanks skipped, up to the first
// character that does not fit, 0 for no number.
double WindowNumber(const CWnd* window) {
    CString text;
    if (window) {
        window->GetWindowText(text);
    }
    return std::wcstod(text.GetString(), nullptr);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTeskMinRibEdgeRadiusDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskMinRibEdgeRadiusDlg::OnBnClickedOk)
ON_EN_UPDATE(CTeskMinRibEdgeRadiusDlg::IDC_RANGE1_TO, &CTeskMinRibEdgeRadiusDlg::OnChangeRange1To)
ON_EN_UPDATE(CTeskMinRibEdgeRadiusDlg::IDC_RANGE3_TO, &CTeskMinRibEdgeRadiusDlg::OnChangeRange3To)
ON_EN_UPDATE(CTeskMinRibEdgeRadiusDlg::IDC_RANGE2_TO, &CTeskMinRibEdgeRadiusDlg::OnChangeRange2To)
ON_EN_KILLFOCUS(CTeskMinRibEdgeRadiusDlg::IDC_RANGE1_TO,
                &CTeskMinRibEdgeRadiusDlg::OnChangeRange1To)
ON_EN_KILLFOCUS(CTeskMinRibEdgeRadiusDlg::IDC_RANGE3_TO,
                &CTeskMinRibEdgeRadiusDlg::OnChangeRange3To)
ON_EN_KILLFOCUS(CTeskMinRibEdgeRadiusDlg::IDC_RANGE2_TO,
                &CTeskMinRibEdgeRadiusDlg::OnChangeRange2To)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskMinRibEdgeRadiusDlg::CTeskMinRibEdgeRadiusDlg(CWnd* pParentWnd,
                                                   CTeskMinRibEdgeRadiusRule* pRule)
    : CTeskRuleDlgBase(IDD, HelpContextIdOf(pRule), ApplicationHelpFilePath(), pParentWnd),
      m_pRule(pRule) {}

CTeskMinRibEdgeRadiusDlg::~CTeskMinRibEdgeRadiusDlg() = default;

void CTeskMinRibEdgeRadiusDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Check(dx, IDC_OPTION_CHECK, m_nCheckState);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
    DDX_Control(dx, IDC_RANGE1_FROM, m_staticRange1From);
    DDX_Control(dx, IDC_RANGE1_TO, m_editRange1To);
    DDX_Control(dx, IDC_RANGE2_FROM, m_staticRange2From);
    DDX_Control(dx, IDC_RANGE2_TO, m_editRange2To);
    DDX_Control(dx, IDC_RANGE3_FROM, m_staticRange3From);
    DDX_Control(dx, IDC_RANGE3_TO, m_editRange3To);
}

BOOL CTeskMinRibEdgeRadiusDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    return ShowSteps(*this, m_pRule, kOpening);
}

void CTeskMinRibEdgeRadiusDlg::OnBnClickedOk() {
    if (!m_pRule || !ValidateRanges()) {
        return;
    }
    if (TakeBackSteps(*this, m_pRule, kConfirming)) {
        OnOK();
    }
}

void CTeskMinRibEdgeRadiusDlg::OnChangeRange1To() {
    CheckAngleField(m_editRange1To, &m_staticRange2From, kAngleFieldMinimum, kAngleFieldMaximum);
}

void CTeskMinRibEdgeRadiusDlg::OnChangeRange2To() {
    CheckAngleField(m_editRange2To, &m_staticRange3From, kAngleFieldMinimum, kAngleFieldMaximum);
}

void CTeskMinRibEdgeRadiusDlg::OnChangeRange3To() {
    CheckAngleField(m_editRange3To, nullptr, kAngleFieldMinimum, kAngleFieldMaximum);
}

void CTeskMinRibEdgeRadiusDlg::CheckAngleField(CEdit& box, CStatic* mirror, double minimum,
                                               double maximum) {
    CString text;
    box.GetWindowText(text);
    if (mirror) {
        mirror->SetWindowText(text);
    }
    CString format;
    format.LoadString(IDS_ANGLE_RANGE_TEXT);
    CString title;
    title.LoadString(IDS_ANGLE_RANGE_TITLE);
    CString message;
    message.Format(format.GetString(), minimum, maximum);
    const double angle = WindowNumber(&box);
    if (angle < minimum || angle > maximum) {
        box.ShowBalloonTip(title, message, TTI_WARNING);
    }
}

bool CTeskMinRibEdgeRadiusDlg::ValidateRanges() {
    for (const RangeBoxes& range : kRangesInCheckOrder) {
        if (WindowNumber(GetDlgItem(range.from)) >
            WindowNumber(GetDlgItem(range.to)) + kRangeTolerance) {
            CString text;
            text.LoadString(IDS_RANGE_UPSIDE_DOWN);
            AfxMessageBox(text);
            if (CWnd* upperBound = GetDlgItem(range.to)) {
                upperBound->SetFocus();
            }
            return false;
        }
    }
    return true;
}
