#pragma once

#include "rules/CTeskCommonRule.h"

// Draft angles on the core and the cavity side: both at least a minimum angle.
class CTeskIMDraftAngleRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskIMDraftAngleRule() override;
    explicit CTeskIMDraftAngleRule(int helpContextId);
    CTeskIMDraftAngleRule(const CString& engineName, const CString& validatorName,
                          TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kCoreSideAngle = 2120;
    static constexpr std::int32_t kCavitySideAngle = 2121;

protected:
    void ReadXML() override;
    void RunDialog() override;

private:
    // Each side's draft is at least its value; inclusive when its operator is.
    void Compose(TeskOperator_e coreOp, const CString& coreValue, TeskOperator_e cavityOp,
                 const CString& cavityValue);
};
