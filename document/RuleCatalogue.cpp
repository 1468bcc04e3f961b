#include "document/RuleCatalogue.h"

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

constexpr UINT IDS_MODULE_VALIDATOR = 2041;
constexpr UINT IDS_MODULE_ENGINE = 2042;

CString ModuleText(UINT id) {
    return g_pTheApp ? LoadString(g_pTheApp->m_hLangResDll, id) : CString();
}

template <typename Rule, int HelpContextId>
std::unique_ptr<CTeskRule> MakeNamed(const CString& engine, const CString& validator,
                                     TeskRuleCategory_e category) {
    if constexpr (std::is_constructible_v<Rule, CString, CString, TeskRuleCategory_e, int,
                                          TeskXMLNode*>) {
        return std::make_unique<Rule>(engine, validator, category, HelpContextId, nullptr);
    } else {
        return std::make_unique<Rule>(engine, validator, category, HelpContextId);
    }
}

template <typename Rule, int HelpContextId>
std::unique_ptr<CTeskRule> MakeDefault() {
    if constexpr (std::is_constructible_v<Rule, int>) {
        return std::make_unique<Rule>(HelpContextId);
    } else {
        // Rules without the one-int constructor get the module's own names through the other.
        return MakeNamed<Rule, HelpContextId>(ModuleText(IDS_MODULE_ENGINE),
                                              ModuleText(IDS_MODULE_VALIDATOR),
                                              TESK_CATEGORY_MOULDING);
    }
}

// Each rule opens its own topic of the help file, the page named after its help context id.
template <typename Rule, int HelpContextId>
RuleKind Kind() {
    return {&MakeDefault<Rule, HelpContextId>, &MakeNamed<Rule, HelpContextId>, HelpContextId};
}

}  // namespace

const std::vector<RuleKind>& RuleCatalogue() {
    static const std::vector<RuleKind> kinds{
        Kind<CTeskIMDraftAngleRule, 14102>(),
        Kind<CTeskIMMoldWallThicknessRule, 14103>(),
        Kind<CTeskIMUniformThicknessRule, 14104>(),
        Kind<CTeskIMWTVariationRule, 14105>(),
        Kind<CTeskMinRibEdgeRadiusRule, 14106>(),
        Kind<CTeskRibHeightForThicknessRule, 14107>(),
        Kind<CTeskIMUndercutDetectionRule, 14108>(),
        Kind<CTeskUndercutInterferenceRule, 14109>(),
        // The core/cavity dialog opens topic 14110 whatever its rule names.
        Kind<CTeskCoreCavitySurfAreaRatioRule, 14110>(),
        Kind<CTeskSnapFitMoldParametersRule, 14111>(),
        Kind<CTeskSurfaceFinishRule, 14112>(),
        Kind<CTeskFilletRadiusRule, 14113>(),
        Kind<CTeskHoleToPartEdgeDistanceRule, 14114>(),
    };
    return kinds;
}
