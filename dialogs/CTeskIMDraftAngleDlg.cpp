#include "dialogs/CTeskIMDraftAngleDlg.h"

#include "app/CTeskCommonRulesApp.h"
#include "dialogs/RuleDialogFields.h"
#include "platform/window/DataExchange.h"
#include "rules/CTeskIMDraftAngleRule.h"

namespace {

TeskParamDataOf<TESK_TYPE_DOUBLE>* AngleParam(CTeskIMDraftAngleRule* rule, std::int32_t id) {
    CTeskParamStorage* param = rule ? rule->FindParameterInArray(id) : nullptr;
    return param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr;
}

}  // namespace

// Based directly on the dialog's map: Cancel and the rest fall to the dialog itself.
BEGIN_MESSAGE_MAP(CTeskIMDraftAngleDlg, CDialog)
ON_BN_CLICKED(IDOK, &CTeskIMDraftAngleDlg::OnBnClickedOk)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CTeskIMDraftAngleDlg::CTeskIMDraftAngleDlg(CWnd* pParentWnd, CTeskIMDraftAngleRule* pRule)
    : CTeskRuleDlgBase(IDD, pRule ? pRule->m_nHelpContextId : 0,
                       g_pTheApp ? g_pTheApp->m_strHelpFilePath : CString(), pParentWnd),
      m_pRule(pRule) {}

CTeskIMDraftAngleDlg::~CTeskIMDraftAngleDlg() = default;

void CTeskIMDraftAngleDlg::DoDataExchange(CDataExchange* dx) {
    CTeskRuleDlgBase::DoDataExchange(dx);
    DDX_Control(dx, IDC_VALUE1, m_editValue1);
    DDX_Control(dx, IDC_VALUE2, m_editValue2);
    DDX_Control(dx, IDC_OPERATOR1, m_comboOperator1);
    DDX_Control(dx, IDC_OPERATOR2, m_comboOperator2);
    DDX_Control(dx, IDC_SEVERITY, m_comboSeverity);
}

// A missing control stops the filling there: the dialog still opens with what was filled.
BOOL CTeskIMDraftAngleDlg::OnInitDialog() {
    CTeskRuleDlgBase::OnInitDialog();
    FillSeverityBox(m_comboSeverity);
    FillOperatorList(m_comboOperator1, {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL});
    FillOperatorList(m_comboOperator2, {TESK_OP_GREATER, TESK_OP_GREATER_EQUAL});

    TeskParamDataOf<TESK_TYPE_DOUBLE>* core =
        AngleParam(m_pRule, CTeskIMDraftAngleRule::kCoreSideAngle);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* cavity =
        AngleParam(m_pRule, CTeskIMDraftAngleRule::kCavitySideAngle);
    if (!core || !cavity) {
        return FALSE;
    }
    if (!Exists(m_comboOperator1)) {
        return FALSE;
    }
    ShowOperator(m_comboOperator1, core->Operator);
    if (!Exists(m_editValue1)) {
        return FALSE;
    }
    ShowFirstValue(m_editValue1, core->Values);
    if (!Exists(m_comboOperator2)) {
        return FALSE;
    }
    ShowOperator(m_comboOperator2, cavity->Operator);
    if (!Exists(m_editValue2)) {
        return FALSE;
    }
    ShowFirstValue(m_editValue2, cavity->Values);
    if (!Exists(m_comboSeverity)) {
        return FALSE;
    }
    ShowSeverity(m_comboSeverity, m_pRule->m_nSeverity);
    for (const int unitLabel : {IDC_UNIT1, IDC_UNIT2}) {
        if (CWnd* label = GetDlgItem(unitLabel)) {
            label->SetWindowText(m_strUnit);
        }
    }
    return TRUE;
}

// Without the rule, its angles or the severity box the dialog stays open; a missing control
// further on stops the taking back there, keeping what was stored before it.
void CTeskIMDraftAngleDlg::OnBnClickedOk() {
    TeskParamDataOf<TESK_TYPE_DOUBLE>* core =
        AngleParam(m_pRule, CTeskIMDraftAngleRule::kCoreSideAngle);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* cavity =
        AngleParam(m_pRule, CTeskIMDraftAngleRule::kCavitySideAngle);
    if (!core || !cavity || !Exists(m_comboSeverity)) {
        return;
    }
    TakeSeverityBack(m_comboSeverity, m_pRule->m_nSeverity);
    if (!Exists(m_comboOperator1)) {
        return;
    }
    TakeOperatorBack(m_comboOperator1, core->Operator);
    if (!Exists(m_editValue1)) {
        return;
    }
    TakeFirstValueBack(m_editValue1, core->Values);
    if (!Exists(m_comboOperator2)) {
        return;
    }
    TakeOperatorBack(m_comboOperator2, cavity->Operator);
    if (!Exists(m_editValue2)) {
        return;
    }
    TakeFirstValueBack(m_editValue2, cavity->Values);
    OnOK();
}
