#include "dialogs/RuleDialogFields.h"

#include "app/CTeskCommonRulesApp.h"
#include "host/CTeskRule.h"
#include "params/NumberText.h"
#include "params/OperatorText.h"
#include "params/SeverityText.h"

namespace {

void SetValueAt(TeskValueArray<double>& values, int index, double value) {
    while (values.GetCount() <= index) {
        values.Add(0.0);
    }
    values.ElementAt(index) = value;
}

}  // namespace

TeskParamDataOf<TESK_TYPE_DOUBLE>* FindDoubleParameter(CTeskRule* rule, std::int32_t id) {
    CTeskParamStorage* param = rule ? rule->FindParameterInArray(id) : nullptr;
    return param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr;
}

void FillSeverityBox(CWrapperComboCtrl& box) {
    CStringList texts;
    FillSeverityList(texts);
    box.FillFromList(texts);
}

void ShowSeverity(CComboBox& box, std::int32_t severity) {
    box.SetCurSel(SeverityListIndex(severity));
}

void FillOperatorList(CWrapperComboCtrl& box, std::span<const TeskOperator_e> operators) {
    CStringList texts;
    for (const TeskOperator_e op : operators) {
        texts.AddTail(OperatorToText(op));
    }
    box.FillFromList(texts);
}

void ShowOperator(CComboBox& box, TeskOperator_e op) {
    const CString text = OperatorToText(op);
    int found = CB_ERR;
    for (int i = 0; i < box.GetCount() && found == CB_ERR; ++i) {
        CString item;
        box.GetLBText(i, item);
        found = !text.IsEmpty() && item == text ? i : CB_ERR;
    }
    box.SetCurSel(found);
}

void ShowValue(CWnd& box, const TeskValueArray<double>& values, int index) {
    box.SetWindowText(index < values.GetCount() ? FormatNumber(values.ElementAt(index))
                                                : CString());
}

// Compared, not converted: a stored value beyond the integers (or not a number) must not make
// the conversion undefined.
void ShowOnOffValue(CButton& box, const TeskValueArray<double>& values, int index) {
    const bool on = index < values.GetCount() &&
                    (values.ElementAt(index) >= 1.0 || values.ElementAt(index) <= -1.0);
    box.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}

void TakeSeverityBack(CComboBox& box, std::int32_t& severity) {
    const int selected = box.GetCurSel();
    if (selected == CB_ERR) {
        ShowSeverity(box, severity);
        return;
    }
    CString text;
    box.GetLBText(selected, text);
    severity = SeverityFromText(text);
}

void TakeOperatorBack(CComboBox& box, TeskOperator_e& op) {
    const int selected = box.GetCurSel();
    if (selected == CB_ERR) {
        ShowOperator(box, op);
        return;
    }
    CString text;
    box.GetLBText(selected, text);
    op = OperatorFromText(text);
}

void TakeValueBack(const CWnd& box, TeskValueArray<double>& values, int index) {
    CString text;
    box.GetWindowText(text);
    SetValueAt(values, index, ParseNumber(text));
}

void TakeOnOffValueBack(const CButton& box, TeskValueArray<double>& values, int index) {
    SetValueAt(values, index, box.GetCheck() == BST_CHECKED ? 1.0 : 0.0);
}

int HelpContextIdOf(const CTeskRule* rule) {
    return rule ? rule->m_nHelpContextId : 0;
}

CString ApplicationHelpFilePath() {
    return g_pTheApp ? g_pTheApp->m_strHelpFilePath : CString();
}
