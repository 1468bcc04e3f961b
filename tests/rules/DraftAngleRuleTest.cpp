#include <gmock/gmock.h>

#include "app/ResourceHandleSwitch.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "tests/rules/RuleFixture.h"

namespace {

using ::testing::ElementsAre;

using DraftAngleRule = RuleFixture;
constexpr auto kCore = CTeskIMDraftAngleRule::kCoreSideAngle;
constexpr auto kCavity = CTeskIMDraftAngleRule::kCavitySideAngle;

std::vector<std::string> AttributeNames(const TeskXMLNode& element) {
    std::vector<std::string> names;
    for (const pugi::xml_attribute attribute : element.Handle().attributes()) {
        names.emplace_back(attribute.name());
    }
    return names;
}

std::vector<std::string> ParameterIds(const TeskXMLNode& element) {
    std::vector<std::string> ids;
    for (const pugi::xml_node child : element.Handle().children("Parameter")) {
        ids.emplace_back(child.attribute("Type").value());
    }
    return ids;
}

TEST_F(DraftAngleRule, CavityDefaultDependsOnTheExactCastingValidatorName) {
    struct Case {
        const wchar_t* validator;
        double cavity;
    };
    for (const Case& c : {Case{L"TeskCastingRulesValidator", 3.0},
                          Case{L"teskcastingrulesvalidator", 5.0}, Case{L"Other", 5.0}}) {
        CTeskIMDraftAngleRule rule(L"Engine", c.validator, TESK_CATEGORY_CASTING, 7);
        EXPECT_THAT(Doubles(rule, kCore), ElementsAre(0.5));
        EXPECT_THAT(Doubles(rule, kCavity), ElementsAre(c.cavity)) << CString(c.validator);
        EXPECT_EQ(rule.GetRuleCategoryEnum(), TESK_CATEGORY_CASTING);
        EXPECT_EQ(rule.m_nHelpContextId, 7);
        EXPECT_EQ(rule.m_lstEngines.GetHead(), L"Engine");
    }
}

TEST_F(DraftAngleRule, ModuleConstructorGivesTheModuleNamesAndDefaults) {
    CTeskIMDraftAngleRule rule(42);
    EXPECT_EQ(rule.m_strName, L"Draft Angle");
    EXPECT_EQ(rule.m_strDisplayName, L"Draft Angle");
    EXPECT_EQ(rule.m_strValidatorName, L"TeskMouldingRulesValidator");
    EXPECT_EQ(rule.m_lstEngines.GetCount(), 1);
    EXPECT_EQ(rule.GetRuleCategoryEnum(), TESK_CATEGORY_MOULDING);
    EXPECT_EQ(rule.m_nSeverity, 2);
    EXPECT_EQ(rule.m_nRuleStatus, 0);
    EXPECT_TRUE(rule.m_bParamsReady);
    EXPECT_THAT(Doubles(rule, kCavity), ElementsAre(5.0));
    EXPECT_EQ(rule.m_strDescription,
              L"Draft angle greater than or equal to 0.5 deg on the core side and greater than or "
              L"equal to 5.0 deg "
              L"on the cavity side");
    const CTeskData* data = nullptr;
    TeskResultSet* results = nullptr;
    EXPECT_EQ(rule.Execute(nullptr, data, results), -3);
    EXPECT_EQ(rule.Import(nullptr, nullptr, data, nullptr, results), 0);
    EXPECT_TRUE(rule.UpdateRule(static_cast<CTeskRule*>(nullptr)));
}

TEST_F(DraftAngleRule, ElementHasNineAttributesInOrderAndItsParameters) {
    CTeskIMDraftAngleRule rule(0);
    rule.m_strModuleFileName = L"C:\\rules\\bin\\TeskCommonRulesu.dll";
    const std::unique_ptr<TeskXMLNode> element = Save(rule);
    EXPECT_EQ(element->GetNodeName(), L"Rule");
    EXPECT_THAT(AttributeNames(*element),
                ElementsAre("Name", "Status", "LifeStatus", "Description", "Validator", "Note",
                            "ModuleFile", "Severity", "Category"));
    CString file;
    element->GetAttributeValue(L"ModuleFile", file);
    EXPECT_EQ(file, L"TeskCommonRulesu.dll");
    EXPECT_THAT(ParameterIds(*element), ElementsAre("2120", "2121"));
}

TEST_F(DraftAngleRule, ParametersWithoutOperatorOrHiddenAreLeftOut) {
    CTeskIMDraftAngleRule rule(0);
    for (const TeskOperator_e op : {TESK_OP_NONE, TESK_OP_HIDDEN}) {
        Fields(rule, kCore).Operator = op;
        const std::unique_ptr<TeskXMLNode> element(rule.GetXML());
        EXPECT_THAT(ParameterIds(*element), ElementsAre("2121"));
    }
}

TEST_F(DraftAngleRule, RoundTripReadsValuesOperatorsAndTheParentsAngleUnit) {
    CTeskIMDraftAngleRule saved(0);
    Fields(saved, kCore).Operator = TESK_OP_GREATER;
    saved.m_nSeverity = 4;
    SetUnits(3, 1);
    const std::unique_ptr<TeskXMLNode> element = Save(saved);

    CTeskIMDraftAngleRule loaded(0);
    loaded.PopulateParametersFromXML(element.get());
    EXPECT_THAT(Doubles(loaded, kCore), ElementsAre(0.5));
    EXPECT_THAT(Doubles(loaded, kCavity), ElementsAre(5.0));
    EXPECT_EQ(Fields(loaded, kCore).Operator, TESK_OP_GREATER);
    EXPECT_EQ(loaded.m_nSeverity, 4);
    EXPECT_EQ(loaded.m_nAngularUnit, 1);
    EXPECT_EQ(loaded.m_nLinearUnit, 0);
    EXPECT_EQ(loaded.m_strDescription,
              L"Draft angle greater than 0.5 rad on the core side and greater than or equal to 5.0 "
              L"rad on the "
              L"cavity side");
}

TEST_F(DraftAngleRule, ElementWithoutParentKeepsUnitAndDescription) {
    CTeskIMDraftAngleRule saved(0);
    Fields(saved, kCore).Operator = TESK_OP_GREATER;
    const std::unique_ptr<TeskXMLNode> detached(saved.GetXML());

    CTeskIMDraftAngleRule loaded(0);
    loaded.m_nAngularUnit = 2;
    const CString before = loaded.m_strDescription;
    loaded.PopulateParametersFromXML(detached.get());
    EXPECT_EQ(Fields(loaded, kCore).Operator, TESK_OP_GREATER);
    EXPECT_EQ(loaded.m_nAngularUnit, 2);
    EXPECT_EQ(loaded.m_strDescription, before);
}

TEST_F(DraftAngleRule, RuleAttributesReadAsTheirLeadingNumberOrMinusOne) {
    struct Case {
        const char* severity;
        std::int32_t expected;
    };
    for (const Case& c : {Case{nullptr, -1}, Case{"3abc", 3}, Case{"abc", -1}, Case{"", -1},
                          Case{" 5", 5}, Case{"99999999999", 2147483647}}) {
        const std::string severity =
            c.severity ? std::string(" Severity=\"") + c.severity + "\"" : "";
        const std::unique_ptr<TeskXMLNode> element = LoadElement(
            "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\" Status=\"1\"" +
            severity + "/></RuleSet>");
        CTeskIMDraftAngleRule rule(0);
        rule.PopulateParametersFromXML(element.get());
        EXPECT_EQ(rule.m_nSeverity, c.expected) << (c.severity ? c.severity : "(missing)");
        EXPECT_EQ(rule.m_nRuleStatus, 1);
        EXPECT_EQ(rule.m_nLifeStatus, -1);
    }
}

TEST_F(DraftAngleRule, ConstraintsAreReadOnlyWhenTheirCountMatches) {
    const std::unique_ptr<TeskXMLNode> element = LoadElement(
        "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\">"
        "<Parameter "
        "Type=\"2120\"><Operator>7</Operator><ParameterType>2</ParameterType><Value>1.5</Value></"
        "Parameter>"
        "<Constraint Name=\"a\" Expression=\"x\"/></Rule></RuleSet>");
    for (const int constraints : {1, 2}) {
        CTeskIMDraftAngleRule rule(0);
        for (int i = 0; i < constraints; ++i) {
            rule.m_arrConstraints.Add(new CTeskConstraint(&m_doc, L"old", L"old"));
        }
        rule.m_bParamsReady = false;
        rule.PopulateParametersFromXML(element.get());
        EXPECT_THAT(Doubles(rule, kCore), ElementsAre(1.5));
        EXPECT_TRUE(rule.m_bParamsReady);
        EXPECT_EQ(rule.m_arrConstraints.ElementAt(0)->GetName(), constraints == 1 ? L"a" : L"old");
    }
}

TEST_F(DraftAngleRule, UnknownValueTypeIsReportedAndSkippedWhenWritingButStopsReading) {
    CTeskIMDraftAngleRule rule(0);
    rule.m_arrParams.Add(CTeskRule::CreateParamStorageObject(Type_e{9}, 9999, TESK_OP_EQUAL,
                                                             TeskParamType_e{1}, true, false));
    const std::unique_ptr<TeskXMLNode> element(rule.GetXML());
    EXPECT_THAT(ParameterIds(*element), ElementsAre("2120", "2121"));
    ASSERT_EQ(DefaultMessageSink().Messages().size(), 1u);
    EXPECT_EQ(DefaultMessageSink().Messages()[0].text, LoadLanguageString(2044));

    rule.m_bParamsReady = false;
    rule.PopulateParametersFromXML(element.get());
    EXPECT_EQ(DefaultMessageSink().Messages().size(), 2u);
    EXPECT_FALSE(rule.m_bParamsReady);
}

TEST_F(DraftAngleRule, AngleUnitChangeConvertsBothValuesAndStoresOnlyTheAngleCode) {
    CTeskIMDraftAngleRule rule(0);
    const RuleUnitSystemStructure degrees{0, 0};
    const RuleUnitSystemStructure radians{3, 1};
    rule.UpdateRule(&degrees, &radians);
    const std::vector<double> core = Doubles(rule, kCore);
    ASSERT_EQ(core.size(), 1u);
    EXPECT_NEAR(core[0], 0.5 * 3.14159265358979 / 180.0, 1e-12);
    EXPECT_EQ(rule.m_nAngularUnit, 1);
    EXPECT_EQ(rule.m_nLinearUnit, 0);
    EXPECT_THAT(rule.m_strDescription.str(), ::testing::HasSubstr(L"0.008727 rad"));

    const RuleUnitSystemStructure lengthOnly{5, 1};
    rule.UpdateRule(&radians, &lengthOnly);
    EXPECT_EQ(Doubles(rule, kCore), core);
    EXPECT_EQ(rule.m_nLinearUnit, 0);
}

TEST_F(DraftAngleRule, WritingWithoutADocumentGivesNoElementButStillComposes) {
    CTeskIMDraftAngleRule rule(0);
    SetXMLDoc(nullptr);
    rule.m_strDescription = L"stale";
    EXPECT_EQ(rule.GetXML(), nullptr);
    EXPECT_NE(rule.m_strDescription, L"stale");
}

}  // namespace
