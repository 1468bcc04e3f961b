#pragma once

#include <cstdint>

// Enumerations and plain types shared by the host framework and the rule modules.

// Value type of a parameter: selects the element type of its value list.
enum Type_e : std::int32_t {
    TESK_TYPE_INT = 1,
    TESK_TYPE_LONG = 2,
    TESK_TYPE_BOOL = 3,
    TESK_TYPE_DOUBLE = 4,
    TESK_TYPE_TEXT = 5,
    TESK_TYPE_OPAQUE = 6,
    TESK_TYPE_UNSIGNED = 7,
    TESK_TYPE_TEXT_LIST = 8,
};

enum TeskOperator_e : std::int32_t {
    TESK_OP_NONE = 0,
    TESK_OP_RANGE = 1,
    TESK_OP_EQUAL = 3,
    TESK_OP_LESS = 5,
    TESK_OP_GREATER = 6,
    TESK_OP_GREATER_EQUAL = 7,
    TESK_OP_LESS_EQUAL = 8,
    TESK_OP_HIDDEN = 12,  // kept by the rule but never written to the document
};

// Kind of parameter; the host gives the values their meaning, the module carries them. A table
// parameter's values are rows of strings.
enum TeskParamType_e : std::int32_t {
    TESK_PARAM_TABLE = 24,
};

enum TeskRuleCategory_e : std::int32_t {
    TESK_CATEGORY_MOULDING = 9,
    TESK_CATEGORY_CASTING = 12,
};

// The host's unit system: the module reads its first two fields only.
struct RuleUnitSystemStructure {
    std::int32_t linearUnit = 0;
    std::int32_t angularUnit = 0;
};

// Unit kinds of the unit converter.
constexpr int TESK_UNIT_KIND_LENGTH = 1;
constexpr int TESK_UNIT_KIND_ANGLE = 2;

// Types the host passes through Execute and Import without the module looking inside.
class TeskICadSys;
class CTeskData;
class TeskResultSet;
