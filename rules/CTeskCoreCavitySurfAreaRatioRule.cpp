#include "rules/CTeskCoreCavitySurfAreaRatioRule.h"

namespace {

// A beta rule: its display name carries the beta label.
constexpr RuleDefinition kDefinition{
    .nameId = 2194,
    .descriptionId = 2195,
    .secondDescriptionId = 0,
    .descriptionJoiner = L"",
    .defaultSeverity = 1,
    .executeResult = 0,
    .usesHostImport = false,
    .betaLabelPrefix = true,
    .params = {},
    .unitOnLoad = UnitOnLoad::None,
    .convertedValues = {},
    .storedUnits = StoredUnits::None,
};

}  // namespace

CTeskCoreCavitySurfAreaRatioRule::CTeskCoreCavitySurfAreaRatioRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskCoreCavitySurfAreaRatioRule::CTeskCoreCavitySurfAreaRatioRule(const CString& engineName,
                                                                   const CString& validatorName,
                                                                   TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}
