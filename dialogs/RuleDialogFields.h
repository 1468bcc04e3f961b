#pragma once

#include <initializer_list>

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/TeskParamData.h"

// The steps every rule dialog takes to show a rule's severity, operators and values, and to take
// them back when the person confirms. A box without a selection keeps what the rule holds.

// Fills the box with the five severity texts, in severity order.
void FillSeverityBox(CWrapperComboCtrl& box);
// Selects the severity's text; none for an unknown severity.
void ShowSeverity(CComboBox& box, std::int32_t severity);
// Fills the box with the texts of these operators, in this order.
void FillOperatorList(CWrapperComboCtrl& box, std::initializer_list<TeskOperator_e> operators);
// Selects the operator's text; none when the box does not offer it.
void ShowOperator(CComboBox& box, TeskOperator_e op);
// Shows the first value as the module writes numbers; an empty list shows an empty box.
void ShowFirstValue(CEdit& box, const TeskValueArray<double>& values);

void TakeSeverityBack(CComboBox& box, std::int32_t& severity);
void TakeOperatorBack(CComboBox& box, TeskOperator_e& op);
// The box's number becomes the first value (appended when there is none).
void TakeFirstValueBack(CEdit& box, TeskValueArray<double>& values);

// Whether the template had the control the object is bound to.
inline bool Exists(const CWnd& control) {
    return control.GetSafeHwnd() != nullptr;
}
