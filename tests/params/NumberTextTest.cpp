#include "params/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <optional>
#include <random>

#include "platform/Utf.h"

namespace {

TEST(NumberText, FormatNumberKeepsSixDecimalsWithoutTrailingZeros) {
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {
        {0.5, L"0.5"},
        {3, L"3.0"},
        {10, L"10.0"},
        {0, L"0.0"},
        {2.25, L"2.25"},
        {-1.5, L"-1.5"},
        {0.1234567, L"0.123457"},
        {0.0000001, L"0.0"},
        {100, L"100.0"},
        {1e20, L"100000000000000000000.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
    }
}

TEST(NumberText, DecimalTextWritesTheWholeNumber) {
    const struct {
        std::int64_t value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"},
        {2120, L"2120"},
        {-1, L"-1"},
        {std::numeric_limits<std::int32_t>::min(), L"-2147483648"},
        {std::numeric_limits<std::uint32_t>::max(), L"4294967295"},
        {std::numeric_limits<std::int64_t>::min(), L"-9223372036854775808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalText(c.value), c.text) << c.value;
    }
}

// Exact halves between two sixth decimals, the extremes of the range, the values without
// digits and whole millionths on both sides of 2^51 are where a formatter of its own could part
// from printf.
TEST(NumberText, FixedTextWritesWhatPercentFWrites) {
    const double cases[] = {0.0078125,
                            0.0234375,
                            -0.0078125,
                            2.5,
                            0.1234565,
                            -0.0,
                            5e-324,
                            1e-7,
                            123456789.123456789,
                            0.1,
                            -12.5,
                            1e9 + 0.25,
                            2251799.813685247,
                            2251799.813685248,
                            4503599.627370497,
                            9007199254.740993,
                            1e20,
                            std::numeric_limits<double>::max(),
                            -std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN(),
                            0.5 / 25.4,
                            -3.0 * 0.017453292519943295,
                            1099511.627776 + 0.25,
                            1099511.627775,
                            0.0078125 + 1e-12,
                            0.0078125 - 1e-12};
    const auto expectAsPrinted = [](double value) {
        CString printed;
        printed.Format(L"%f", value);
        EXPECT_EQ(FixedText(value), printed) << value;
    };
    for (const double value : cases) {
        expectAsPrinted(value);
    }
    // Values converted between units, and multiples of 1/128 (where a sixth decimal ties).
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        expectAsPrinted(static_cast<double>(random() % 100000000) / 1e6 / 25.4);
        expectAsPrinted(std::ldexp(static_cast<double>(random() % (1U << 20)),
                                   -static_cast<int>(random() % 30)));
    }
    EXPECT_EQ(FixedText(0.0078125), L"0.007812");
    EXPECT_EQ(FixedText(0.0234375), L"0.023438");
}

TEST(NumberText, ParseNumberReadsTheLeadingRunOfDigitsAndPoints) {
    const struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"2.5", 2.5}, {L" 12 mm", 12}, {L"1.2.3", 1.2}, {L"-4", 0}, {L"1e3", 1},
        {L"abc", 0},   {L".5", 0.5},    {L"", 0},        {L".", 0},  {L"\t7 \n", 7},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << CString(c.text);
    }
}

// Plain decimals are read without the C library's reader, which must give the same double, from
// wide texts and from the document's UTF-8 alike.
TEST(NumberText, ScanDoubleReadsWhatTheCLibraryReads) {
    const wchar_t* cases[] = {
        L"0.1", L"-12.5", L"0.000001", L"123456789012345",     L"1234567890123456",
        L"-0",  L"-.5",   L"5.",       L"0.30000000000000004", L"1e3",
        L"+7",  L" 7",    L"7 ",       L"9007199254.740993",   L"-",
        L".",   L"1.2.3", L"0.1234565"};
    for (const wchar_t* text : cases) {
        wchar_t* end = nullptr;
        const double expected = std::wcstod(text, &end);
        const std::optional<double> scanned = ScanDouble(text);
        ASSERT_EQ(scanned.has_value(), end != text) << CString(text);
        EXPECT_EQ(ScanDoubleUtf8(platform::Utf8FromWide(text).c_str()), scanned) << CString(text);
        if (scanned) {
            EXPECT_EQ(std::signbit(*scanned), std::signbit(expected)) << CString(text);
            EXPECT_EQ(*scanned, expected) << CString(text);
        }
    }
}

TEST(NumberText, ParseNumberOfAnEndlessDigitRunIsInfiniteNotUndefined) {
    EXPECT_TRUE(std::isinf(ParseNumber(CString(L'9', 400))));
}

TEST(NumberText, TrimNumberTextDropsZerosAfterThePointOnly) {
    const struct {
        const wchar_t* text;
        const wchar_t* trimmed;
    } cases[] = {
        {L"2.500", L"2.5"}, {L"3.000", L"3.0"}, {L"0.0", L"0.0"}, {L"100", L"100"}, {L"", L""},
    };
    for (const auto& c : cases) {
        CString text(c.text);
        TrimNumberText(text);
        EXPECT_EQ(text, c.trimmed) << CString(c.text);
    }
}

TEST(NumberText, IsNumberTextAcceptsDigitsAndPointsOnly) {
    EXPECT_TRUE(IsNumberText(L"1.5"));
    EXPECT_TRUE(IsNumberText(L""));
    EXPECT_FALSE(IsNumberText(L"1,5"));
    EXPECT_FALSE(IsNumberText(L"-1"));
    EXPECT_FALSE(IsNumberText(L"1 "));
}

TEST(NumberText, ScanIntegerSaturatesInsteadOfOverflowing) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(ScanInteger(L" -42abc"), -42);
    EXPECT_EQ(ScanInteger(L"99999999999999999999999"), kMax);
    EXPECT_EQ(ScanInteger(L"-99999999999999999999999"), kMin);
    EXPECT_EQ(ScanInteger(L"abc"), std::nullopt);
    EXPECT_EQ(ScanInteger(L"-"), std::nullopt);
}

}  // namespace
