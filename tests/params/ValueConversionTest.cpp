#include "params/ValueConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::uint32_t kUint32Max = std::numeric_limits<std::uint32_t>::max();

template <Type_e E>
TeskValueOf<E> Converted(const wchar_t* text, TeskValueOf<E> preset) {
    TextToValue<E>(text, preset);
    return preset;
}

TEST(ValueConversion, SignedIntegersSaturateAtThe32BitRange) {
    constexpr std::int32_t kPreset = 5;
    const struct {
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {
        {L"42", 42},
        {L" -7", -7},
        {L"+3", 3},
        {L"12abc", 12},
        {L"abc", kPreset},
        {L"", kPreset},
        {L"2147483647", kInt32Max},
        {L"2147483648", kInt32Max},
        {L"99999999999", kInt32Max},
        {L"-99999999999", kInt32Min},
        {L"99999999999999999999999999", kInt32Max},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Converted<TESK_TYPE_INT>(c.text, kPreset), c.value) << CString(c.text);
        EXPECT_EQ(Converted<TESK_TYPE_LONG>(c.text, kPreset), c.value) << CString(c.text);
    }
}

TEST(ValueConversion, UnsignedReadsAsA32BitLongAndKeepsTheUnsignedRange) {
    constexpr std::uint32_t kPreset = 9;
    const struct {
        const wchar_t* text;
        std::uint32_t value;
    } cases[] = {
        {L"7", 7},
        {L"-1", kUint32Max},
        {L"4294967295", kUint32Max},
        {L"4294967296", kUint32Max},
        {L"99999999999", kUint32Max},
        {L"-2147483648", 2147483648u},
        {L"-99999999999", 2147483648u},
        {L"abc", 0},
        {L"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Converted<TESK_TYPE_UNSIGNED>(c.text, kPreset), c.value) << CString(c.text);
    }
}

TEST(ValueConversion, DoublesReadTheLeadingNumberOrKeepThePreset) {
    EXPECT_EQ(Converted<TESK_TYPE_DOUBLE>(L"2.5mm", 0.0), 2.5);
    EXPECT_EQ(Converted<TESK_TYPE_DOUBLE>(L" -1.5e2", 0.0), -150.0);
    EXPECT_EQ(Converted<TESK_TYPE_DOUBLE>(L"mm", 7.0), 7.0);
    EXPECT_EQ(Converted<TESK_TYPE_DOUBLE>(L"", 7.0), 7.0);
    EXPECT_TRUE(std::isinf(Converted<TESK_TYPE_DOUBLE>(L"1e999", 0.0)));
}

TEST(ValueConversion, OnlyTheTextZeroIsFalse) {
    EXPECT_FALSE(Converted<TESK_TYPE_BOOL>(L"0", true));
    for (const wchar_t* text : {L"1", L"false", L"", L" 0", L"00"}) {
        EXPECT_TRUE(Converted<TESK_TYPE_BOOL>(text, false)) << CString(text);
    }
}

TEST(ValueConversion, NumbersAndFlagsToText) {
    EXPECT_EQ(ValueToText<TESK_TYPE_INT>(-5), L"-5");
    EXPECT_EQ(ValueToText<TESK_TYPE_LONG>(kInt32Min), L"-2147483648");
    EXPECT_EQ(ValueToText<TESK_TYPE_UNSIGNED>(kUint32Max), L"4294967295");
    EXPECT_EQ(ValueToText<TESK_TYPE_DOUBLE>(0.1234567), L"0.123457");
    EXPECT_EQ(ValueToText<TESK_TYPE_DOUBLE>(3.0), L"3.000000");
    EXPECT_EQ(ValueToText<TESK_TYPE_OPAQUE>(42), L"");
    EXPECT_EQ(ValueToText<TESK_TYPE_BOOL>(true), L"1");
    EXPECT_EQ(ValueToText<TESK_TYPE_BOOL>(false), L"0");
}

TEST(ValueConversion, ABooleanSlotHoldingAnotherByteReadsAsZero) {
    TeskValueArray<bool> values;
    values.Add(true);
    const unsigned char other = 2;
    std::memcpy(&values.ElementAt(0), &other, sizeof(other));
    EXPECT_EQ(ValueToText<TESK_TYPE_BOOL>(values.ElementAt(0)), L"0");
}

TEST(ValueConversion, TextsAreOwnedHeapStrings) {
    CString* text = nullptr;
    EXPECT_EQ(ValueToText<TESK_TYPE_TEXT>(text), L"");
    TextToValue<TESK_TYPE_TEXT>(L"first", text);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(ValueToText<TESK_TYPE_TEXT>(text), L"first");

    // A string the value already points to takes the new text in place.
    const CString* const before = text;
    TextToValue<TESK_TYPE_TEXT>(L"second", text);
    EXPECT_EQ(text, before);
    EXPECT_EQ(*text, L"second");
    delete text;
}

TEST(ValueConversion, TypesWithoutTextKeepTheirValue) {
    std::uint64_t opaque = 3;
    TextToValue<TESK_TYPE_OPAQUE>(L"12", opaque);
    EXPECT_EQ(opaque, 3u);

    CStringList* list = nullptr;
    TextToValue<TESK_TYPE_TEXT_LIST>(L"12", list);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(ValueToText<TESK_TYPE_TEXT_LIST>(list), L"");
}

TEST(ValueConversion, TextListsAreTakenOverAndCopiedOut) {
    auto strings = std::make_unique<CStringList>();
    strings->AddTail(L"a");
    strings->AddTail(L"b");
    const CStringList* const given = strings.get();

    TeskValueArray<CStringList*> values;
    CStringList* list = nullptr;
    StringsToValue<TESK_TYPE_TEXT_LIST>(std::move(strings), list);
    EXPECT_EQ(list, given);
    values.Add(list);

    CStringList copy = ValueToStrings<TESK_TYPE_TEXT_LIST>(values.ElementAt(0));
    copy.AddTail(L"c");
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(values.ElementAt(0)->GetCount(), 2);

    // A list the value already points to takes the new strings in place.
    auto replacement = std::make_unique<CStringList>();
    replacement->AddTail(L"z");
    StringsToValue<TESK_TYPE_TEXT_LIST>(std::move(replacement), values.ElementAt(0));
    EXPECT_EQ(values.ElementAt(0), given);
    EXPECT_EQ(values.ElementAt(0)->GetHead(), L"z");

    StringsToValue<TESK_TYPE_TEXT_LIST>(nullptr, values.ElementAt(0));
    EXPECT_EQ(values.ElementAt(0), given);
    EXPECT_TRUE(ValueToStrings<TESK_TYPE_TEXT_LIST>(nullptr).IsEmpty());
}

TEST(ValueConversion, OtherTypesHaveNoStringsAndReleaseTheListGiven) {
    auto strings = std::make_unique<CStringList>();
    strings->AddTail(L"1.5");
    double value = 4.0;
    StringsToValue<TESK_TYPE_DOUBLE>(std::move(strings), value);
    EXPECT_EQ(value, 4.0);
    EXPECT_TRUE(ValueToStrings<TESK_TYPE_DOUBLE>(1.5).IsEmpty());

    CString text(L"x");
    CString* pointer = &text;
    EXPECT_TRUE(ValueToStrings<TESK_TYPE_TEXT>(pointer).IsEmpty());
}

TEST(ValueConversion, SplitLegacyFlagValueMovesALeadingFlagIntoStatus) {
    const struct {
        std::vector<double> values;
        bool status;
        std::vector<double> expectedValues;
        bool expectedStatus;
    } cases[] = {
        {{1.0, 3.5}, false, {3.5}, true},
        {{0.0, 2.0, 4.0}, true, {2.0, 4.0}, false},
        {{2.0, 5.0}, true, {5.0}, false},
        {{2.0}, true, {2.0}, true},
        {{1.0, 2.0, 3.0, 4.0}, false, {1.0, 2.0, 3.0, 4.0}, false},
        {{}, false, {}, false},
    };
    for (const auto& c : cases) {
        TeskParamDataOf<TESK_TYPE_DOUBLE> record;
        record.Status = c.status;
        for (const double value : c.values) {
            record.Values.Add(value);
        }
        SplitLegacyFlagValue(record);
        std::vector<double> values;
        for (int i = 0; i < record.Values.GetCount(); ++i) {
            values.push_back(record.Values.ElementAt(i));
        }
        EXPECT_EQ(values, c.expectedValues) << "from " << c.values.size() << " values";
        EXPECT_EQ(record.Status, c.expectedStatus) << "from " << c.values.size() << " values";
    }
}

}  // namespace
