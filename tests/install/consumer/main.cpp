// Prints the English name of each of the thirteen rules, built through the module's exported
// constructors, one per line.
#include <iostream>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/Utf.h"
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

namespace {

template <typename Rule>
std::unique_ptr<CTeskRule> Make() {
    const CString engine(L"TeskMouldingRulesEngine");
    const CString validator(L"TeskMouldingRulesValidator");
    if constexpr (std::is_constructible_v<Rule, CString, CString, TeskRuleCategory_e, int,
                                          TeskXMLNode*>) {
        return std::make_unique<Rule>(engine, validator, TESK_CATEGORY_MOULDING, 0, nullptr);
    } else {
        return std::make_unique<Rule>(engine, validator, TESK_CATEGORY_MOULDING, 0);
    }
}

}  // namespace

int main() {
    const std::vector<std::unique_ptr<CTeskRule>> rules = [] {
        std::vector<std::unique_ptr<CTeskRule>> made;
        made.push_back(Make<CTeskIMDraftAngleRule>());
        made.push_back(Make<CTeskIMMoldWallThicknessRule>());
        made.push_back(Make<CTeskIMUniformThicknessRule>());
        made.push_back(Make<CTeskIMWTVariationRule>());
        made.push_back(Make<CTeskMinRibEdgeRadiusRule>());
        made.push_back(Make<CTeskRibHeightForThicknessRule>());
        made.push_back(Make<CTeskIMUndercutDetectionRule>());
        made.push_back(Make<CTeskUndercutInterferenceRule>());
        made.push_back(Make<CTeskCoreCavitySurfAreaRatioRule>());
        made.push_back(Make<CTeskSnapFitMoldParametersRule>());
        made.push_back(Make<CTeskSurfaceFinishRule>());
        made.push_back(Make<CTeskFilletRadiusRule>());
        made.push_back(Make<CTeskHoleToPartEdgeDistanceRule>());
        return made;
    }();
    for (const std::unique_ptr<CTeskRule>& rule : rules) {
        std::cout << platform::Utf8FromWide(rule->m_strName.str()) << "\n";
    }
    return 0;
}
