#pragma once

#include "rules/CTeskCommonRule.h"

// Surface finish: a lower and an upper finish value, never converted.
class CTeskSurfaceFinishRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskSurfaceFinishRule() override;
    CTeskSurfaceFinishRule(const CString& engineName, const CString& validatorName,
                           TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;

    static constexpr std::int32_t kMinimumFinish = 2152;
    static constexpr std::int32_t kMaximumFinish = 2153;

protected:
    void RunDialog() override;
    // Composes the description whenever both values are there.
    void ReadXML() override;
};
