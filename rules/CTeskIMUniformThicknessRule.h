#pragma once

#include "rules/CTeskCommonRule.h"

class TeskXMLNode;

// Uniform thickness: a lower and an upper wall thickness, each with a leading on/off value.
class CTeskIMUniformThicknessRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskIMUniformThicknessRule() override;
    explicit CTeskIMUniformThicknessRule(int helpContextId);
    CTeskIMUniformThicknessRule(const CString& engineName, const CString& validatorName,
                                TeskRuleCategory_e category, int helpContextId,
                                TeskXMLNode* unused);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kMinimumThickness = 2045;
    static constexpr std::int32_t kMaximumThickness = 2046;

protected:
    void RunDialog() override;
    void ReadXML() override;
    void NormaliseValues() override;

private:
    // The sentences of the two limits: at least the minimum, at most the maximum.
    CString MinimumPart(TeskOperator_e op, const CString& value) const;
    CString MaximumPart(TeskOperator_e op, const CString& value) const;
};
