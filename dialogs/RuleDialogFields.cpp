#include "dialogs/RuleDialogFields.h"

#include "params/NumberText.h"
#include "params/OperatorText.h"
#include "params/SeverityText.h"

void FillSeverityBox(CWrapperComboCtrl& box) {
    CStringList texts;
    FillSeverityList(texts);
    box.FillFromList(texts);
}

void ShowSeverity(CComboBox& box, std::int32_t severity) {
    box.SetCurSel(SeverityListIndex(severity));
}

void FillOperatorList(CWrapperComboCtrl& box, std::initializer_list<TeskOperator_e> operators) {
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

void ShowFirstValue(CEdit& box, const TeskValueArray<double>& values) {
    box.SetWindowText(values.GetCount() > 0 ? FormatNumber(values.ElementAt(0)) : CString());
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

void TakeFirstValueBack(CEdit& box, TeskValueArray<double>& values) {
    CString text;
    box.GetWindowText(text);
    const double value = ParseNumber(text);
    if (values.GetCount() > 0) {
        values.ElementAt(0) = value;
    } else {
        values.Add(value);
    }
}
