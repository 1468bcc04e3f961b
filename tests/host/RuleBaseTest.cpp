#include <gtest/gtest.h>

#include <memory>

#include "host/CTeskRule.h"
#include "host/TeskXMLDocument.h"
#include "tests/host/MinimalRule.h"

namespace {

// Parameters and constraints that count how often they are destroyed.
struct Destroyed {
    int params = 0;
    int constraints = 0;
};

class CountedParam : public CTeskParamStorage {
public:
    CountedParam(std::int32_t id, Destroyed& destroyed)
        : CTeskParamStorage(TESK_TYPE_TEXT, id, TESK_OP_EQUAL, TeskParamType_e{1}, true),
          m_destroyed(destroyed) {}
    ~CountedParam() override { ++m_destroyed.params; }

private:
    Destroyed& m_destroyed;
};

class CountedConstraint : public CTeskConstraint {
public:
    explicit CountedConstraint(Destroyed& destroyed)
        : CTeskConstraint(nullptr, L"c", L"x > 1"), m_destroyed(destroyed) {}
    ~CountedConstraint() override { ++m_destroyed.constraints; }

private:
    Destroyed& m_destroyed;
};

TEST(CTeskRule, FindParameterInArrayById) {
    MinimalRule rule;
    EXPECT_EQ(rule.FindParameterInArray(2120), nullptr);
    CTeskParamStorage* first = rule.AddDoubles(2120, {1.0});
    rule.m_arrParams.Add(nullptr);  // a hole in the array is skipped
    rule.m_arrParams.Add(CTeskRule::CreateParamStorageObject(static_cast<Type_e>(99), 2121,
                                                             TESK_OP_NONE, TeskParamType_e{1}, true,
                                                             false));  // no record
    CTeskParamStorage* second = rule.AddDoubles(2121, {2.0});

    EXPECT_EQ(rule.FindParameterInArray(2120), first);
    EXPECT_EQ(rule.FindParameterInArray(2121), second);
    EXPECT_EQ(rule.FindParameterInArray(0), nullptr);
    EXPECT_EQ(rule.FindParameterInArray(-1), nullptr);
}

TEST(CTeskRule, DestructorFreesParametersAndConstraintsOnce) {
    Destroyed destroyed;
    {
        auto rule = std::make_unique<MinimalRule>();
        for (int i = 0; i < 15; ++i) {  // past the first growth of the array
            auto* param = new CountedParam(i, destroyed);
            param->GetData<TESK_TYPE_TEXT>()->Values.Add(new CString(L"owned text"));
            rule->m_arrParams.Add(param);
        }
        rule->m_arrConstraints.Add(new CountedConstraint(destroyed));
        rule->m_arrConstraints.Add(new CountedConstraint(destroyed));

        // A parameter the rule removes is freed then, not again at the end.
        EXPECT_TRUE(rule->m_arrParams.RemoveAt(0));
        EXPECT_EQ(destroyed.params, 1);

        std::unique_ptr<CTeskRule> asBase = std::move(rule);  // deleted through the base
    }
    EXPECT_EQ(destroyed.params, 15);
    EXPECT_EQ(destroyed.constraints, 2);
}

TEST(CTeskRule, AssignmentCopiesValuesOfSharedParameters) {
    MinimalRule source;
    source.m_strName = L"DraftAngle";
    source.m_nSeverity = 4;
    source.AddDoubles(1, {1.5, 2.5});
    source.AddDoubles(7, {9.0});  // the target has no parameter 7
    auto* text = CTeskRule::CreateParamStorageObject(TESK_TYPE_TEXT, 2, TESK_OP_EQUAL,
                                                     TeskParamType_e{1}, false, false);
    text->GetData<TESK_TYPE_TEXT>()->Values.Add(new CString(L"deep"));
    source.m_arrParams.Add(text);

    MinimalRule target;
    target.AddDoubles(1, {0.0});
    target.m_arrParams.Add(CTeskRule::CreateParamStorageObject(TESK_TYPE_TEXT, 2, TESK_OP_EQUAL,
                                                               TeskParamType_e{1}, true, false));
    static_cast<CTeskRule&>(target) = &source;  // the base assignment, hidden in the subclass

    EXPECT_EQ(target.m_strName, L"DraftAngle");
    EXPECT_EQ(target.m_nSeverity, 4);
    const auto& values = target.FindParameterInArray(1)->GetData<TESK_TYPE_DOUBLE>()->Values;
    ASSERT_EQ(values.GetCount(), 2);
    EXPECT_EQ(values.ElementAt(1), 2.5);
    EXPECT_EQ(target.FindParameterInArray(7), nullptr);
    auto* copied = target.FindParameterInArray(2)->GetData<TESK_TYPE_TEXT>();
    EXPECT_FALSE(copied->Status);
    ASSERT_EQ(copied->Values.GetCount(), 1);
    // Each rule owns its own text: both are freed at the end without a double free.
    EXPECT_NE(copied->Values.ElementAt(0), text->GetData<TESK_TYPE_TEXT>()->Values.ElementAt(0));
    EXPECT_EQ(*copied->Values.ElementAt(0), L"deep");
}

TEST(CTeskConstraint, ElementRoundTrip) {
    TeskXMLDocument document;
    const CTeskConstraint constraint(&document, L"Limit", L"a < b & c");
    std::unique_ptr<TeskXMLNode> element(constraint.GetXMLNode());
    ASSERT_NE(element, nullptr);

    CTeskConstraint read(nullptr, L"", L"");
    TeskXMLNode* node = element.get();
    read.PopulateFromXML(node);
    EXPECT_EQ(read.GetName(), L"Limit");
    EXPECT_EQ(read.GetExpression(), L"a < b & c");

    TeskXMLNode* none = nullptr;
    read.PopulateFromXML(none);
    EXPECT_EQ(read.GetName(), L"Limit");
    EXPECT_EQ(CTeskConstraint(nullptr, L"x", L"y").GetXMLNode(), nullptr);
}

}  // namespace
