#pragma once

#include "rules/CTeskCommonRule.h"

// Wall-thickness variation: one dimensionless limit, never converted.
class CTeskIMWTVariationRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskIMWTVariationRule() override;
    explicit CTeskIMWTVariationRule(int helpContextId);
    CTeskIMWTVariationRule(const CString& engineName, const CString& validatorName,
                           TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kVariation = 2136;

protected:
    void RunDialog() override;
    void ReadXML() override;

private:
    void LoadInfoTexts();
};
