#pragma once

#include <initializer_list>

#include "host/TeskTypes.h"
#include "platform/CString.h"

// How a description format words a comparison in a language that has no whole comparison
// phrases: after its own "greater than" or "less than" it takes the or-equal-to text, or it
// takes the operator's symbol; then the value and, for a quantity with one, the unit.
enum class ComparisonWording { OrEqualTo, Symbol };

// One comparison a description states: its operator, the value's text and the unit label.
struct Comparison {
    TeskOperator_e op;
    CString value;
    CString unit;
    bool hasUnit = true;
};

// The operator a "greater than" format states: inclusive when op is, strict otherwise.
TeskOperator_e AtLeastOperator(TeskOperator_e op);
// The operator a "less than" format states: inclusive when op is, strict otherwise.
TeskOperator_e AtMostOperator(TeskOperator_e op);

// A description format of the current language library filled in with these comparisons. A
// library that words whole comparisons ("0.5°以上") takes one text for each; any other takes
// the texts its format words each comparison around.
CString StateComparisons(const CString& format, std::initializer_list<Comparison> comparisons,
                         ComparisonWording wording);

// Two sentences of a description joined as the language library joins them; a blank between
// them where it does not say.
CString JoinedSentences(const CString& first, const CString& second);
