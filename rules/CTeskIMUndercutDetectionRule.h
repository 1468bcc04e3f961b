#pragma once

#include "rules/CTeskCommonRule.h"

// Undercut detection: no parameters; the rule is its texts, severity and element.
class CTeskIMUndercutDetectionRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskIMUndercutDetectionRule() override;
    explicit CTeskIMUndercutDetectionRule(int helpContextId);
    CTeskIMUndercutDetectionRule(const CString& engineName, const CString& validatorName,
                                 TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override { m_bParamsReady = true; }

protected:
    void RunDialog() override;
};
