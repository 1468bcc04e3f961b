#include "params/OperatorText.h"

#include <gtest/gtest.h>

namespace {

TEST(OperatorText, OperatorFromTextIgnoresCaseAndNeedsTheWholeName) {
    const struct {
        const wchar_t* text;
        TeskOperator_e op;
    } cases[] = {
        {L"RANGE", TESK_OP_RANGE},   {L"range", TESK_OP_RANGE}, {L"=", TESK_OP_EQUAL},
        {L"<", TESK_OP_LESS},        {L">", TESK_OP_GREATER},   {L">=", TESK_OP_GREATER_EQUAL},
        {L"<=", TESK_OP_LESS_EQUAL}, {L"=>", TESK_OP_NONE},     {L" <", TESK_OP_NONE},
        {L"", TESK_OP_NONE},         {L"RANGES", TESK_OP_NONE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OperatorFromText(c.text), c.op) << CString(c.text);
    }
}

TEST(OperatorText, OperatorToTextNamesTheKnownCodesOnly) {
    for (const TeskOperator_e op : {TESK_OP_RANGE, TESK_OP_EQUAL, TESK_OP_LESS, TESK_OP_GREATER,
                                    TESK_OP_GREATER_EQUAL, TESK_OP_LESS_EQUAL}) {
        EXPECT_EQ(OperatorFromText(OperatorToText(op)), op);
    }
    EXPECT_EQ(OperatorToText(TESK_OP_GREATER_EQUAL), L">=");
    for (const int code : {0, 2, 4, 9, 12, -1}) {
        EXPECT_EQ(OperatorToText(static_cast<TeskOperator_e>(code)), L"") << code;
    }
}

}  // namespace
