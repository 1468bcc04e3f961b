#pragma once

#include <cstdint>

#include "platform/CString.h"

class TeskXMLNode;

// Labels of the unit codes of the host's unit system, from the language library; codes
// without a label (feet-and-inches among them) give the empty text.
CString LinearUnitLabel(std::int32_t code);
CString AngularUnitLabel(std::int32_t code);

// The linear unit code in the "Unit" attribute of the rule element's parent: its leading
// decimal number, kept within the 32-bit range. 0 without an element, a parent, the attribute
// or a number.
std::int32_t ReadLinearUnitCode(TeskXMLNode* ruleElement);
