#include "platform/CString.h"

#include <gtest/gtest.h>

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Format texts come from translators: a text that asks for more or other arguments than the
// code passes must come back as it stands, never read an argument that is not there.
TEST(CStringFormat, FittingArgumentsAreFormatted) {
    CString text;
    text.Format(L"%s of %s", CString(L"2.5"), CString(L"mm"));
    EXPECT_EQ(text, L"2.5 of mm");
    text.Format(L"%s", L"wide literal");
    EXPECT_EQ(text, L"wide literal");
    text.Format(L"%d%% at %.2f", 5, 2.5);
    EXPECT_EQ(text, L"5% at 2.50");
    text.Format(L"%u", -1);
    EXPECT_EQ(text, L"4294967295");
    text.Format(L"%-4s|%4s", CString(L"ab"), CString(L"cd"));
    EXPECT_EQ(text, L"ab  |  cd");
    text.Format(L"Å %s µm", CString(L"°"));
    EXPECT_EQ(text, L"Å ° µm");
    // Translations put the arguments in their own word order.
    text.Format(L"%2$s の %1$s", CString(L"2.5"), CString(L"mm"));
    EXPECT_EQ(text, L"mm の 2.5");
    text.Format(L"%2$g から %1$g", 0.0, 90.0);
    EXPECT_EQ(text, L"90 から 0");
    text.FormatTexts(L"%3$s%1$s %2$s", {CString(L"a"), CString(L"b"), CString(L"c")});
    EXPECT_EQ(text, L"ca b");
}

TEST(CStringFormat, NonFittingArgumentsGiveTheFormatText) {
    const CString one(L"x");
    const wchar_t* const formats[] = {
        L"%s and %s",  // one argument missing
        L"%d items",   // a text where a number is asked for
        L"%f mm",      // likewise
        L"%*d",        // the width itself is an argument
        L"%1$s %2$s",  // a positional argument that is missing
        L"%n",         // never writes through an argument
        L"%S",         // unknown conversion
    };
    for (const wchar_t* format : formats) {
        CString text(L"previous");
        text.Format(format, one);
        EXPECT_EQ(text, format);
    }
    CString text;
    text.Format(L"%s %s %s");
    EXPECT_EQ(text, L"%s %s %s");
    text.Format(L"%d", 1.5);
    EXPECT_EQ(text, L"%d");
}

// Texts handed over as a list are formatted exactly as the same texts passed one by one.
TEST(CStringFormat, FormatTextsFormatsAsFormatDoes) {
    const CString first(L"2.5");
    const CString second(std::wstring(L"mm\0hidden", 9));  // a text ends at its first null
    const wchar_t* const formats[] = {
        L"",  L"plain", L"%s",       L"%s of %s", L"100%% %s",  L"%s%%", L"%s %s %s",
        L"%", L"%s %",  L"%-4s|%4s", L"%d %s",    L"%1$s %2$s", L"%S",   L"Å %s µm %s",
    };
    for (const wchar_t* format : formats) {
        CString expected;
        expected.Format(format, first, second);
        CString text(L"previous");
        text.FormatTexts(format, {first, second});
        EXPECT_EQ(text, expected) << CString(format);
    }
}

TEST(CStringFormat, NullFormatGivesEmptyTextAndNullTextArgumentIsSafe) {
    CString text(L"previous");
    text.Format(nullptr, 1);
    EXPECT_TRUE(text.IsEmpty());
    text.Format(L"[%s]", static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(text.Find(L'['), 0);  // whatever is printed, nothing is read through the pointer
}

TEST(CString, SubstringsClampToTheText) {
    const CString text(L"abcdef");
    struct Case {
        CString got;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {text.Left(-1), L""},         {text.Left(0), L""},        {text.Left(3), L"abc"},
        {text.Left(100), L"abcdef"},  {text.Right(-1), L""},      {text.Right(2), L"ef"},
        {text.Right(100), L"abcdef"}, {text.Mid(-2), L"abcdef"},  {text.Mid(4), L"ef"},
        {text.Mid(6), L""},           {text.Mid(100), L""},       {text.Mid(1, 2), L"bc"},
        {text.Mid(1, -1), L""},       {text.Mid(4, 100), L"ef"},  {text.Mid(-1, 2), L"ab"},
        {text.Mid(7, 1), L""},        {CString().Mid(0, 1), L""}, {CString().Right(1), L""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
    }
}

TEST(CString, FindStaysInsideTheText) {
    const CString text(L"abcabc");
    struct Case {
        int got;
        int expected;
    };
    const Case cases[] = {
        {text.Find(L'c'), 2},       {text.Find(L'c', 3), 5},           {text.Find(L'z'), -1},
        {text.Find(L'a', 6), -1},   {text.Find(L'a', 100), -1},        {text.Find(L'a', -1), -1},
        {text.Find(L"ca"), 2},      {text.Find(L"ca", 3), -1},         {text.Find(L"bc", 4), 4},
        {text.Find(L""), 0},        {text.Find(nullptr), -1},          {text.Find(L"abcabcx"), -1},
        {text.Find(L"a", -5), -1},  {text.ReverseFind(L'b'), 4},       {text.ReverseFind(L'z'), -1},
        {CString().Find(L'a'), -1}, {CString().ReverseFind(L'a'), -1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
    }
}

TEST(CString, CompareNoCaseOrdersLikeLowerCase) {
    struct Case {
        const wchar_t* left;
        const wchar_t* right;
        int sign;
    };
    const Case cases[] = {
        {L"Millimetre", L"mILLIMETRE", 0},
        {L"abc", L"abd", -1},
        {L"ABD", L"abc", 1},
        {L"ab", L"ABC", -1},
        {L"abc", L"AB", 1},
        {L"", L"", 0},
        {L"", nullptr, 0},
        {L"x", nullptr, 1},
        {L"[", L"a", -1},  // '[' < 'a'
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(CString(c.left).CompareNoCase(c.right)), c.sign)
            << CString(c.left) << " vs " << CString(c.right);
    }
    EXPECT_NE(CString(L"abc").Compare(L"ABC"), 0);
}

TEST(CString, TrimRemovesOnlyTheEnds) {
    struct Case {
        const wchar_t* text;
        const wchar_t* trimmed;
        const wchar_t* left;
        const wchar_t* right;
    };
    const Case cases[] = {
        {L" \t 2.5 mm \r\n", L"2.5 mm", L"2.5 mm \r\n", L" \t 2.5 mm"},
        {L"   ", L"", L"", L""},
        {L"", L"", L"", L""},
        {L"x", L"x", L"x", L"x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CString(c.text).Trim(), c.trimmed);
        EXPECT_EQ(CString(c.text).TrimLeft(), c.left);
        EXPECT_EQ(CString(c.text).TrimRight(), c.right);
    }
    EXPECT_EQ(CString(L"1.500").TrimRight(L'0'), L"1.5");
    EXPECT_EQ(CString(L"000").TrimRight(L'0'), L"");
}

}  // namespace
