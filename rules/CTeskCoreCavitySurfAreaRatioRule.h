#pragma once

#include "rules/CTeskCommonRule.h"

// Core/cavity surface-area ratio: no parameters; the rule is its texts, severity and element.
class CTeskCoreCavitySurfAreaRatioRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskCoreCavitySurfAreaRatioRule() override;
    explicit CTeskCoreCavitySurfAreaRatioRule(int helpContextId);
    CTeskCoreCavitySurfAreaRatioRule(const CString& engineName, const CString& validatorName,
                                     TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override { m_bParamsReady = true; }

protected:
    void RunDialog() override;
};
