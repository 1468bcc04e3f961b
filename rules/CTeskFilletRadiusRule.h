#pragma once

#include "rules/CTeskCommonRule.h"

// Fillet radius: a lower and an upper fillet radius, both lengths.
class CTeskFilletRadiusRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskFilletRadiusRule() override;
    CTeskFilletRadiusRule(const CString& engineName, const CString& validatorName,
                          TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;

    static constexpr std::int32_t kMinimumRadius = 2142;
    static constexpr std::int32_t kMaximumRadius = 2144;

protected:
    void RunDialog() override;
    void ReadXML() override;

private:
    void Compose();
};
