#include "params/UnitLabels.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/CTeskCommonRulesApp.h"
#include "host/TeskXMLDocument.h"

namespace {

struct LabelCase {
    std::int32_t code;
    UINT stringId;  // 0: no label
};

void ExpectLabels(CString (*label)(std::int32_t), std::initializer_list<LabelCase> cases) {
    for (const LabelCase& c : cases) {
        const CString expected = c.stringId ? g_pTheApp->LoadEnglishString(c.stringId) : CString();
        EXPECT_EQ(label(c.code), expected) << "code " << c.code;
        EXPECT_EQ(expected.IsEmpty(), c.stringId == 0) << "code " << c.code;
    }
}

TEST(UnitLabels, LinearCodesMapToTheirLabels) {
    ExpectLabels(LinearUnitLabel, {{0, 2000},
                                   {1, 2006},
                                   {2, 2007},
                                   {3, 2010},
                                   {4, 2011},
                                   {5, 0},
                                   {6, 2003},
                                   {7, 2004},
                                   {8, 2005},
                                   {9, 2009},
                                   {10, 2008},
                                   {11, 0},
                                   {-1, 0}});
}

TEST(UnitLabels, AngularCodesMapToTheirLabels) {
    ExpectLabels(AngularUnitLabel, {{0, 2012}, {1, 2001}, {2, 2002}, {3, 2013}, {4, 0}, {-1, 0}});
}

class ReadLinearUnitCodeTest : public ::testing::Test {
protected:
    // The rule element under a root element with the given attributes.
    std::int32_t ReadUnder(const std::string& rootAttributes) {
        std::string error;
        const std::string xml = "<Rules " + rootAttributes + "><Rule/></Rules>";
        EXPECT_TRUE(m_doc.LoadText(xml, error)) << error;
        const std::unique_ptr<TeskXMLNode> root(m_doc.GetRootNode());
        const std::unique_ptr<TeskXMLNode> rule(root->SelectSingleNode(L"Rule"));
        return ReadLinearUnitCode(rule.get());
    }

    TeskXMLDocument m_doc;
};

TEST_F(ReadLinearUnitCodeTest, ReadsTheParentsUnitAsAWholeNumber) {
    const struct {
        const char* attributes;
        std::int32_t code;
    } cases[] = {
        {"Unit=\"10\"", 10},
        {"", 0},
        {"Unit=\"\"", 0},
        {"Unit=\"mm\"", 0},
        {"Unit=\" 3in\"", 3},
        {"Unit=\"-2\"", -2},
        {"Unit=\"99999999999\"", INT32_MAX},
        {"Unit=\"-99999999999\"", INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadUnder(c.attributes), c.code) << c.attributes;
    }
}

TEST_F(ReadLinearUnitCodeTest, WithoutParentOrElementGivesZero) {
    EXPECT_EQ(ReadLinearUnitCode(nullptr), 0);
    const std::unique_ptr<TeskXMLNode> detached(m_doc.CreateNode(L"Rule"));
    EXPECT_EQ(ReadLinearUnitCode(detached.get()), 0);
}

}  // namespace
