#pragma once

#include "host/TeskTypes.h"
#include "platform/CString.h"

// The names of the comparison operators: "RANGE", "=", "<", ">", ">=", "<=".

// The operator with this name, compared without regard to case; no operator (0) for any other
// text.
TeskOperator_e OperatorFromText(const CString& text);

// The operator's name; the empty text for codes without a name.
CString OperatorToText(TeskOperator_e op);
