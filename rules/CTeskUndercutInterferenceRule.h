#pragma once

#include "rules/CTeskCommonRule.h"

// Undercut interference: die thickness, die overhang and the required gap, all lengths.
class CTeskUndercutInterferenceRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskUndercutInterferenceRule() override;
    explicit CTeskUndercutInterferenceRule(int helpContextId);
    CTeskUndercutInterferenceRule(const CString& engineName, const CString& validatorName,
                                  TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kDieThickness = 2178;
    static constexpr std::int32_t kDieOverhang = 2179;
    static constexpr std::int32_t kRequiredGap = 2180;

protected:
    void RunDialog() override;
    void ReadXML() override;

private:
    void Compose(const CString& thickness, const CString& overhang, const CString& gap);
};
