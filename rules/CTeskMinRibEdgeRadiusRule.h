#pragma once

#include "rules/CTeskCommonRule.h"

// Minimum rib edge radius: a radius ratio, an on/off option and three angle ranges.
class CTeskMinRibEdgeRadiusRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskMinRibEdgeRadiusRule() override;
    explicit CTeskMinRibEdgeRadiusRule(int helpContextId);
    CTeskMinRibEdgeRadiusRule(const CString& engineName, const CString& validatorName,
                              TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kRadiusRatio = 2237;
    static constexpr std::int32_t kOption = 2238;
    // Each range holds a lower and an upper bound; the dialog shows them as 1, 2, 3.
    static constexpr std::int32_t kRange1 = 2246;
    static constexpr std::int32_t kRange3 = 2247;
    static constexpr std::int32_t kRange2 = 2248;

protected:
    void RunDialog() override;
    void ReadXML() override;
};
