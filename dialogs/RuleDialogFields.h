#pragma once

#include <span>

#include "controls/CDoubleEditEx.h"
#include "controls/CWrapperComboCtrl.h"
#include "host/TeskParamData.h"
#include "platform/window/CButton.h"

class CTeskRule;

// The steps every rule dialog takes to show a rule's severity, operators and values, and to take
// them back when the person confirms. A box without a selection keeps what the rule holds.

// The rule's parameter of double values; null when the rule, the parameter or its values of
// that type are missing.
TeskParamDataOf<TESK_TYPE_DOUBLE>* FindDoubleParameter(CTeskRule* rule, std::int32_t id);

// Fills the box with the five severity texts, in severity order.
void FillSeverityBox(CWrapperComboCtrl& box);
// Selects the severity's text; none for an unknown severity.
void ShowSeverity(CComboBox& box, std::int32_t severity);
// Fills the box with the texts of these operators, in this order.
void FillOperatorList(CWrapperComboCtrl& box, std::span<const TeskOperator_e> operators);
// Selects the operator's text; none when the box does not offer it.
void ShowOperator(CComboBox& box, TeskOperator_e op);
// Shows value n as the module writes numbers, in an edit box or a static text; a list without it
// shows an empty text.
void ShowValue(CWnd& box, const TeskValueArray<double>& values, int index);
// Checks the box when value n is an on value (1 or more in size, as truncation keeps it); a list
// without it leaves the box unchecked.
void ShowOnOffValue(CButton& box, const TeskValueArray<double>& values, int index);

void TakeSeverityBack(CComboBox& box, std::int32_t& severity);
void TakeOperatorBack(CComboBox& box, TeskOperator_e& op);
// The number of the box's text becomes value n; a shorter list is first filled up with zeros.
void TakeValueBack(const CWnd& box, TeskValueArray<double>& values, int index);
// Value n becomes 1 when the box is checked, else 0; a shorter list is filled up with zeros.
void TakeOnOffValueBack(const CButton& box, TeskValueArray<double>& values, int index);

// Whether the template had the control the object is bound to.
inline bool Exists(const CWnd& control) {
    return control.GetSafeHwnd() != nullptr;
}

// What every rule dialog hands its base: the rule's help topic (0 without a rule) and the
// application's help file (empty before the module has started).
int HelpContextIdOf(const CTeskRule* rule);
CString ApplicationHelpFilePath();
