#include "params/OperatorText.h"

namespace {

struct OperatorName {
    TeskOperator_e op;
    const wchar_t* text;
};

constexpr OperatorName kOperatorNames[] = {
    {TESK_OP_LESS_EQUAL, L"<="}, {TESK_OP_LESS, L"<"},           {TESK_OP_EQUAL, L"="},
    {TESK_OP_GREATER, L">"},     {TESK_OP_GREATER_EQUAL, L">="}, {TESK_OP_RANGE, L"RANGE"},
};

}  // namespace

TeskOperator_e OperatorFromText(const CString& text) {
    for (const OperatorName& name : kOperatorNames) {
        if (text.CompareNoCase(name.text) == 0) {
            return name.op;
        }
    }
    return TESK_OP_NONE;
}

CString OperatorToText(TeskOperator_e op) {
    for (const OperatorName& name : kOperatorNames) {
        if (name.op == op) {
            return name.text;
        }
    }
    return CString();
}
