#include "cli/RuleCatalogue.h"

#include "app/CTeskCommonRulesApp.h"
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

constexpr int kHelpContextId = 0;
constexpr UINT IDS_MODULE_VALIDATOR = 2041;
constexpr UINT IDS_MODULE_ENGINE = 2042;

CString ModuleText(UINT id) {
    return g_pTheApp ? LoadString(g_pTheApp->m_hLangResDll, id) : CString();
}

template <typename Rule>
std::unique_ptr<CTeskRule> MakeNamed(const CString& engine, const CString& validator,
                                     TeskRuleCategory_e category) {
    if constexpr (std::is_constructible_v<Rule, CString, CString, TeskRuleCategory_e, int,
                                          TeskXMLNode*>) {
        return std::make_unique<Rule>(engine, validator, category, kHelpContextId, nullptr);
    } else {
        return std::make_unique<Rule>(engine, validator, category, kHelpContextId);
    }
}

template <typename Rule>
std::unique_ptr<CTeskRule> MakeDefault() {
    if constexpr (std::is_constructible_v<Rule, int>) {
        return std::make_unique<Rule>(kHelpContextId);
    } else {
        // Rules without the one-int constructor get the module's own names through the other.
        return MakeNamed<Rule>(ModuleText(IDS_MODULE_ENGINE), ModuleText(IDS_MODULE_VALIDATOR),
                               TESK_CATEGORY_MOULDING);
    }
}

template <typename Rule>
RuleKind Kind() {
    return {&MakeDefault<Rule>, &MakeNamed<Rule>};
}

}  // namespace

const std::vector<RuleKind>& RuleCatalogue() {
    static const std::vector<RuleKind> kinds{
        Kind<CTeskIMDraftAngleRule>(),
        Kind<CTeskIMMoldWallThicknessRule>(),
        Kind<CTeskIMUniformThicknessRule>(),
        Kind<CTeskIMWTVariationRule>(),
        Kind<CTeskMinRibEdgeRadiusRule>(),
        Kind<CTeskRibHeightForThicknessRule>(),
        Kind<CTeskIMUndercutDetectionRule>(),
        Kind<CTeskUndercutInterferenceRule>(),
        Kind<CTeskCoreCavitySurfAreaRatioRule>(),
        Kind<CTeskSnapFitMoldParametersRule>(),
        Kind<CTeskSurfaceFinishRule>(),
        Kind<CTeskFilletRadiusRule>(),
        Kind<CTeskHoleToPartEdgeDistanceRule>(),
    };
    return kinds;
}
