#include <gmock/gmock.h>

#include <functional>

#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"
#include "rules/CTeskFilletRadiusRule.h"
#include "rules/CTeskHoleToPartEdgeDistanceRule.h"
#include "rules/CTeskIMDraftAngleRule.h"
#include "rules/CTeskIMMoldWallThicknessRule.h"
#include "rules/CTeskIMUndercutDetectionRule.h"
#include "rules/CTeskIMUniformThicknessRule.h"
#include "rules/CTeskIMWTVariationRule.h"
#include "rules/CTeskMinRibEdgeRadiusRule.h"
#include "rules/CTeskRibHeightForThicknessRule.h"
#include "rules/CTeskSnapFitMoldParametersRule.h"
#include "rules/CTeskSurfaceFinishRule.h"
#include "rules/CTeskUndercutInterferenceRule.h"
#include "tests/rules/RuleFixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using Factory = std::function<std::unique_ptr<CTeskRule>()>;

template <typename Rule>
Factory Named(TeskRuleCategory_e category = TESK_CATEGORY_MOULDING) {
    return [category] {
        if constexpr (std::is_constructible_v<Rule, CString, CString, TeskRuleCategory_e, int,
                                              TeskXMLNode*>) {
            return std::unique_ptr<CTeskRule>(
                std::make_unique<Rule>(L"Engine", L"Validator", category, 0, nullptr));
        } else {
            return std::unique_ptr<CTeskRule>(
                std::make_unique<Rule>(L"Engine", L"Validator", category, 0));
        }
    };
}

struct Expected {
    Factory make;
    const wchar_t* name;
    const wchar_t* displayName;
    std::int32_t severity;
    std::int32_t executeResult;
    const wchar_t* description;
};

const std::vector<Expected>& Catalogue() {
    static const std::vector<Expected> rules{
        {Named<CTeskIMMoldWallThicknessRule>(), L"Mould Wall Thickness", L"Mould Wall Thickness", 2,
         -3, L"Mould wall thickness ratio greater than or equal to 2.0. "},
        {Named<CTeskIMUniformThicknessRule>(), L"Uniform Thickness", L"Uniform Thickness", 2, -3,
         L"Walls greater than or equal to 2.0 mm thick. Walls less than or equal to 3.0 mm thick."},
        {Named<CTeskIMWTVariationRule>(), L"Wall Thickness Variation", L"Wall Thickness Variation",
         1, -3, L"Wall thickness variation limit: 25.0%"},
        {Named<CTeskMinRibEdgeRadiusRule>(), L"Minimum Rib Edge Radius", L"Minimum Rib Edge Radius",
         2, -3, L"Rib edge radius at least 0.5 times the wall thickness"},
        {Named<CTeskRibHeightForThicknessRule>(), L"Rib Height for Thickness",
         L"Rib Height for Thickness", 2, -3,
         L"Rib height must not exceed the largest height given for the wall thickness"},
        {Named<CTeskIMUndercutDetectionRule>(), L"Undercut Detection", L"Undercut Detection", 3, 0,
         L"Detects undercuts that keep the part from being released from the mould in the "
         L"direction of pull"},
        {Named<CTeskUndercutInterferenceRule>(), L"Undercut Interference",
         L"Beta - Undercut Interference", 1, -3,
         L"Die thickness greater than or equal to 4.0 mm with die overhang less than or equal to "
         L"0.0 mm and "
         L"required gap less than or equal to 1.0 mm"},
        {Named<CTeskCoreCavitySurfAreaRatioRule>(), L"Core/Cavity Surface Area Ratio",
         L"Beta - Core/Cavity Surface Area Ratio", 1, 0,
         L"Compares the surface area of the core side with that of the cavity side"},
        {Named<CTeskSnapFitMoldParametersRule>(), L"Snap-Fit Mould Parameters",
         L"Beta - Snap-Fit Mould Parameters", 1, 0,
         L"Snap-fit overhang >= 0.5 mm and height-to-width ratio <= 3.0"},
        {Named<CTeskSurfaceFinishRule>(), L"Surface Finish", L"Surface Finish", 2, 0,
         L"Surface finish between 0.05 and 0.3"},
        {Named<CTeskFilletRadiusRule>(), L"Fillet Radius", L"Fillet Radius", 2, 0,
         L"Fillet radius between 0.1 and 0.2 mm"},
        {Named<CTeskHoleToPartEdgeDistanceRule>(), L"Hole to Part Edge Distance",
         L"Hole to Part Edge Distance", 2, 0, L"Distance from holes to the part edge >= 1.0 mm"},
    };
    return rules;
}

using Rules = RuleFixture;

TEST_F(Rules, EachRuleHasItsTextsSeverityResultAndDescription) {
    for (const Expected& expected : Catalogue()) {
        const std::unique_ptr<CTeskRule> rule = expected.make();
        SCOPED_TRACE(CString(expected.name));
        EXPECT_EQ(rule->m_strName, expected.name);
        EXPECT_EQ(rule->m_strDisplayName, expected.displayName);
        EXPECT_EQ(rule->m_nSeverity, expected.severity);
        EXPECT_EQ(rule->m_strDescription, expected.description);
        EXPECT_TRUE(rule->m_bParamsReady);
        const CTeskData* data = nullptr;
        TeskResultSet* results = nullptr;
        EXPECT_EQ(rule->Execute(nullptr, data, results), expected.executeResult);
    }
}

// Every value changed, written, and read into a new rule: values, states and description agree.
TEST_F(Rules, EveryRuleReadsBackWhatItWrote) {
    SetUnits(3, 1);
    const RuleUnitSystemStructure inches{3, 1};
    for (const Expected& expected : Catalogue()) {
        SCOPED_TRACE(CString(expected.name));
        const std::unique_ptr<CTeskRule> saved = expected.make();
        saved->UpdateRule(&inches, &inches);
        for (int i = 0; i < saved->m_arrParams.GetCount(); ++i) {
            if (auto* data = saved->m_arrParams.ElementAt(i)->GetData<TESK_TYPE_DOUBLE>()) {
                for (int v = 0; v < data->Values.GetCount(); ++v) {
                    data->Values.ElementAt(v) += 1.25;
                }
            }
        }
        saved->m_nSeverity = 5;
        const std::unique_ptr<TeskXMLNode> element = Save(*saved);

        const std::unique_ptr<CTeskRule> loaded = expected.make();
        loaded->PopulateParametersFromXML(element.get());
        loaded->UpdateRule(&inches, &inches);
        EXPECT_EQ(loaded->m_nSeverity, 5);
        EXPECT_EQ(loaded->m_strDescription, saved->m_strDescription);
        for (int i = 0; i < saved->m_arrParams.GetCount(); ++i) {
            const std::int32_t id = saved->m_arrParams.ElementAt(i)->GetFields()->Id;
            EXPECT_EQ(Doubles(*loaded, id), Doubles(*saved, id)) << id;
            EXPECT_EQ(Fields(*loaded, id).Status, Fields(*saved, id).Status) << id;
        }
    }
}

struct UnitCase {
    Factory make;
    std::vector<std::int32_t>
        converted;  // parameters whose first measured value follows the length unit
    bool storesUnits;
};

TEST_F(Rules, LengthUnitChangeConvertsExactlyTheMeasuredValues) {
    using namespace std::placeholders;
    const std::vector<UnitCase> cases{
        {Named<CTeskIMMoldWallThicknessRule>(),
         {CTeskIMMoldWallThicknessRule::kWallThickness},
         true},
        {Named<CTeskIMWTVariationRule>(), {}, false},
        {Named<CTeskMinRibEdgeRadiusRule>(), {}, true},
        {Named<CTeskUndercutInterferenceRule>(),
         {CTeskUndercutInterferenceRule::kDieThickness, CTeskUndercutInterferenceRule::kDieOverhang,
          CTeskUndercutInterferenceRule::kRequiredGap},
         true},
        {Named<CTeskIMUndercutDetectionRule>(), {}, false},
        {Named<CTeskCoreCavitySurfAreaRatioRule>(), {}, false},
        {Named<CTeskSnapFitMoldParametersRule>(),
         {CTeskSnapFitMoldParametersRule::kOverhang},
         true},
        {Named<CTeskSurfaceFinishRule>(), {}, false},
        {Named<CTeskFilletRadiusRule>(),
         {CTeskFilletRadiusRule::kMinimumRadius, CTeskFilletRadiusRule::kMaximumRadius},
         true},
        {Named<CTeskHoleToPartEdgeDistanceRule>(),
         {CTeskHoleToPartEdgeDistanceRule::kDistance},
         true},
    };
    const RuleUnitSystemStructure mm{0, 0};
    const RuleUnitSystemStructure inches{3, 2};
    for (const UnitCase& c : cases) {
        const std::unique_ptr<CTeskRule> before = c.make();
        const std::unique_ptr<CTeskRule> rule = c.make();
        SCOPED_TRACE(rule->m_strName);
        rule->UpdateRule(&mm, &inches);
        for (int i = 0; i < rule->m_arrParams.GetCount(); ++i) {
            const std::int32_t id = rule->m_arrParams.ElementAt(i)->GetFields()->Id;
            std::vector<double> expected = Doubles(*before, id);
            if (std::find(c.converted.begin(), c.converted.end(), id) != c.converted.end()) {
                expected[0] /= 25.4;
            }
            const std::vector<double> actual = Doubles(*rule, id);
            ASSERT_EQ(actual.size(), expected.size()) << id;
            for (std::size_t v = 0; v < actual.size(); ++v) {
                EXPECT_NEAR(actual[v], expected[v], 1e-12) << id;
            }
        }
        EXPECT_EQ(rule->m_nLinearUnit, c.storesUnits ? 3 : 0);
        EXPECT_EQ(rule->m_nAngularUnit, c.storesUnits ? 2 : 0);
    }
}

TEST_F(Rules, MouldWallThicknessDefaultsFollowTheCategoryAndOldRecordsSplitTheirFlag) {
    EXPECT_THAT(Doubles(*Named<CTeskIMMoldWallThicknessRule>(TESK_CATEGORY_CASTING)(), 2094),
                ElementsAre(3.0));
    CTeskIMMoldWallThicknessRule rule(0);
    EXPECT_THAT(Doubles(rule, 2094), ElementsAre(2.0));
    EXPECT_FALSE(Fields(rule, 2095).Status);

    SetUnits(1, 0);
    for (const auto& [flag, status] : {std::pair{"1.0", true}, std::pair{"0.0", false}}) {
        const std::unique_ptr<TeskXMLNode> element = LoadElement(
            std::string("<RuleSet Unit=\"1\" AngularUnit=\"0\"><Rule Name=\"Mould Wall Thickness\">"
                        "<Parameter Type=\"2095\" "
                        "Status=\"0\"><Operator>7</Operator><ParameterType>1</ParameterType>"
                        "<Value>") +
            flag + "</Value><Value>4.0</Value></Parameter></Rule></RuleSet>");
        CTeskIMMoldWallThicknessRule loaded(0);
        loaded.PopulateParametersFromXML(element.get());
        EXPECT_THAT(Doubles(loaded, 2095), ElementsAre(4.0));
        EXPECT_EQ(Fields(loaded, 2095).Status, status);
        EXPECT_EQ(loaded.m_nLinearUnit, 1);
        EXPECT_EQ(loaded.m_strDescription.str().back(), status ? L'.' : L' ');
    }
}

TEST_F(Rules, MouldWallThicknessWithOnlyTheWallPartStartsWithTheBlank) {
    CTeskIMMoldWallThicknessRule rule(0);
    Fields(rule, 2094).Status = false;
    Fields(rule, 2095).Status = true;
    std::unique_ptr<TeskXMLNode>(rule.GetXML());
    EXPECT_EQ(rule.m_strDescription, L" Mould walls greater than or equal to 1.0 mm thick.");
}

TEST_F(Rules, UniformThicknessTakesSingleValuesAsSwitchedOnAndKeepsItsUnitOnLoad) {
    struct Case {
        const char* values;
        bool shown;
    };
    for (const Case& c :
         {Case{"<Value>2.5</Value>", true}, Case{"<Value>0.0</Value><Value>2.5</Value>", false},
          Case{"<Value>0.9</Value><Value>2.5</Value>", false}, Case{"", false}}) {
        const std::unique_ptr<TeskXMLNode> element = LoadElement(
            std::string(
                "<RuleSet Unit=\"3\" AngularUnit=\"0\"><Rule Name=\"Uniform Thickness\">"
                "<Parameter Type=\"2045\"><Operator>7</Operator><ParameterType>1</ParameterType>") +
            c.values + "</Parameter></Rule></RuleSet>");
        CTeskIMUniformThicknessRule rule(0);
        rule.PopulateParametersFromXML(element.get());
        SCOPED_TRACE(c.values);
        EXPECT_EQ(rule.m_nLinearUnit, 0);
        EXPECT_EQ(rule.m_strDescription.Find(L"Walls greater than") >= 0, c.shown);
        if (std::string(c.values) == "<Value>2.5</Value>") {
            EXPECT_THAT(Doubles(rule, 2045), ElementsAre(1.0, 2.5));
        }
    }
    CTeskIMUniformThicknessRule rule(0);
    Fields(rule, 2046).Operator = TESK_OP_LESS;
    std::unique_ptr<TeskXMLNode>(rule.GetXML());
    EXPECT_THAT(rule.m_strDescription.str(), HasSubstr(L"Walls less than 3.0 mm thick."));

    const RuleUnitSystemStructure mm{0, 0};
    const RuleUnitSystemStructure cm{1, 0};
    rule.UpdateRule(&mm, &cm);
    EXPECT_THAT(Doubles(rule, 2045), ElementsAre(1.0, 0.2));
    EXPECT_THAT(Doubles(rule, 2046), ElementsAre(1.0, 0.3));
}

TEST_F(Rules, WallThicknessVariationHasItsInformationTextAndHelpFile) {
    CTeskIMWTVariationRule rule(0);
    EXPECT_FALSE(rule.m_strInfoText.IsEmpty());
    EXPECT_EQ(rule.m_strHelpFile, L"/Lang/english/veritor.chm");
}

TEST_F(Rules, MinimumRibEdgeRadiusDefaultsAndDescriptionFollowOnlyTheRatio) {
    CTeskMinRibEdgeRadiusRule rule(0);
    EXPECT_THAT(Doubles(rule, 2238), ElementsAre(1.0));
    EXPECT_THAT(Doubles(rule, 2246), ElementsAre(0.0, 0.0));
    EXPECT_THAT(Doubles(rule, 2247), ElementsAre(75.0, 90.0));
    EXPECT_THAT(Doubles(rule, 2248), ElementsAre(0.0, 75.0));
    CTeskParamStorage* option = rule.FindParameterInArray(2238);
    option->GetData<TESK_TYPE_DOUBLE>()->Values.ElementAt(0) = 0.0;
    rule.FindParameterInArray(2237)->GetData<TESK_TYPE_DOUBLE>()->Values.ElementAt(0) = 0.75;
    std::unique_ptr<TeskXMLNode>(rule.GetXML());
    EXPECT_EQ(rule.m_strDescription, L"Rib edge radius at least 0.75 times the wall thickness");
}

std::vector<std::vector<std::string>> Rows(CTeskRule& rule) {
    std::vector<std::vector<std::string>> rows;
    auto* table = rule.FindParameterInArray(2227)->GetData<TESK_TYPE_TEXT_LIST>();
    for (int i = 0; i < table->Values.GetCount(); ++i) {
        std::vector<std::string> row;
        const CStringList* texts = table->Values.ElementAt(i);
        for (POSITION pos = texts->GetHeadPosition(); pos;) {
            std::ostringstream text;
            text << texts->GetNext(pos);
            row.push_back(text.str());
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(Rules, RibHeightTableIsReplacedOnLoadAndConvertedRowByRow) {
    using Row = std::vector<std::string>;
    CTeskRibHeightForThicknessRule rule(0);
    EXPECT_THAT(Rows(rule), ElementsAre(Row{"0.5", "4.0"}));

    const std::unique_ptr<TeskXMLNode> element = LoadElement(
        "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Rib Height for Thickness\">"
        "<Parameter Type=\"2227\"><Operator>8</Operator><ParameterType>24</ParameterType>"
        "<Value Attribute1=\"1.0\" Attribute2=\"2.54\"/><Value Attribute1=\"25.4\"/>"
        "<Value Attribute1=\"2.0\" Attribute2=\"abc\"/></Parameter></Rule></RuleSet>");
    rule.PopulateParametersFromXML(element.get());
    EXPECT_THAT(Rows(rule), ElementsAre(Row{"1.0", "2.54"}, Row{"25.4"}, Row{"2.0", "abc"}));

    const RuleUnitSystemStructure mm{0, 0};
    const RuleUnitSystemStructure radians{0, 1};
    rule.UpdateRule(&mm, &radians);
    EXPECT_THAT(Rows(rule), ElementsAre(Row{"1.0", "2.54"}, Row{"25.4"}, Row{"2.0", "abc"}));
    const RuleUnitSystemStructure inches{3, 1};
    rule.UpdateRule(&radians, &inches);
    EXPECT_THAT(Rows(rule), ElementsAre(Row{"0.03937", "0.1"}, Row{"25.4"}, Row{"0.07874", "0.0"}));
    EXPECT_EQ(rule.m_strDescription,
              L"Rib height must not exceed the largest height given for the wall thickness");
}

TEST_F(Rules, UndercutDetectionWritesNoParametersAndIgnoresUnits) {
    CTeskIMUndercutDetectionRule rule(0);
    const std::unique_ptr<TeskXMLNode> element = Save(rule);
    EXPECT_TRUE(element->Handle().children("Parameter").begin() ==
                element->Handle().children("Parameter").end());
    const RuleUnitSystemStructure mm{0, 0};
    const RuleUnitSystemStructure inches{3, 1};
    rule.UpdateRule(&mm, &inches);
    EXPECT_EQ(rule.m_nLinearUnit, 0);
}

TEST_F(Rules, DescriptionsShowFixedOrOwnOperatorsAsEachRuleDoes) {
    CTeskUndercutInterferenceRule interference(0);
    Fields(interference, 2179).Operator = TESK_OP_LESS;
    std::unique_ptr<TeskXMLNode>(interference.GetXML());
    EXPECT_THAT(interference.m_strDescription.str(),
                HasSubstr(L"overhang less than or equal to 0.0"));

    CTeskSnapFitMoldParametersRule snapFit(0);
    Fields(snapFit, 2185).Operator = TESK_OP_LESS;
    std::unique_ptr<TeskXMLNode>(snapFit.GetXML());
    EXPECT_THAT(snapFit.m_strDescription.str(), StartsWith(L"Snap-fit overhang >= 0.5"));

    auto hole = Named<CTeskHoleToPartEdgeDistanceRule>()();
    Fields(*hole, 2048).Operator = TESK_OP_LESS;
    std::unique_ptr<TeskXMLNode>(hole->GetXML());
    EXPECT_EQ(hole->m_strDescription, L"Distance from holes to the part edge < 1.0 mm");

    auto fillet = Named<CTeskFilletRadiusRule>()();
    Fields(*fillet, 2142).Operator = TESK_OP_GREATER_EQUAL;
    std::unique_ptr<TeskXMLNode>(fillet->GetXML());
    EXPECT_EQ(fillet->m_strDescription, L"Fillet radius between 0.1 and 0.2 mm");
}

TEST_F(Rules, RulesWithoutTheUnitOnLoadKeepTheirLinearCode) {
    for (const Factory& make :
         {Named<CTeskFilletRadiusRule>(), Named<CTeskHoleToPartEdgeDistanceRule>()}) {
        const std::unique_ptr<CTeskRule> saved = make();
        SetUnits(3, 0);
        const std::unique_ptr<TeskXMLNode> element = Save(*saved);
        const std::unique_ptr<CTeskRule> loaded = make();
        loaded->PopulateParametersFromXML(element.get());
        EXPECT_EQ(loaded->m_nLinearUnit, 0) << loaded->m_strName;
    }
}

}  // namespace
