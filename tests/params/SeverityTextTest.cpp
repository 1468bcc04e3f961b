#include "params/SeverityText.h"

#include <gtest/gtest.h>

#include "app/CTeskCommonRulesApp.h"

namespace {

constexpr UINT kFirstSeverityTextId = 2014;

TEST(SeverityText, EachSeverityHasItsOwnTextAndPosition) {
    for (std::int32_t severity = 1; severity <= 5; ++severity) {
        const CString text = SeverityText(severity);
        EXPECT_EQ(text, g_pTheApp->LoadEnglishString(kFirstSeverityTextId + severity - 1));
        EXPECT_FALSE(text.IsEmpty());
        EXPECT_EQ(SeverityFromText(text), severity);
        EXPECT_EQ(SeverityListIndex(severity), severity - 1);
    }
}

TEST(SeverityText, UnknownSeveritiesAndTextsGiveNothing) {
    for (const std::int32_t severity : {0, 6, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(SeverityText(severity), L"") << severity;
        EXPECT_EQ(SeverityListIndex(severity), -1) << severity;
    }
    CString otherCase = SeverityText(3);
    otherCase.MakeUpper();
    EXPECT_EQ(SeverityFromText(otherCase), 0);
    EXPECT_EQ(SeverityFromText(L"no such severity"), 0);
}

TEST(SeverityText, FillSeverityListReplacesTheListWithTheFiveTexts) {
    CStringList list;
    list.AddTail(L"left over");
    FillSeverityList(list);
    ASSERT_EQ(list.GetCount(), 5);
    POSITION pos = list.GetHeadPosition();
    for (std::int32_t severity = 1; severity <= 5; ++severity) {
        EXPECT_EQ(list.GetNext(pos), SeverityText(severity));
    }
}

TEST(SeverityText, FillSeverityListWithoutAStartedModuleGivesFiveEmptyTexts) {
    CTeskCommonRulesApp* const app = g_pTheApp;
    g_pTheApp = nullptr;
    CStringList list;
    list.AddTail(L"left over");
    FillSeverityList(list);
    g_pTheApp = app;
    ASSERT_EQ(list.GetCount(), 5);
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        EXPECT_EQ(list.GetNext(pos), L"");
    }
}

}  // namespace
