#pragma once

#include "rules/CTeskCommonRule.h"

// Mould wall thickness: a thickness ratio and a wall thickness, each of which can be switched off.
class CTeskIMMoldWallThicknessRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskIMMoldWallThicknessRule() override;
    explicit CTeskIMMoldWallThicknessRule(int helpContextId);
    CTeskIMMoldWallThicknessRule(const CString& engineName, const CString& validatorName,
                                 TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kThicknessRatio = 2094;
    static constexpr std::int32_t kWallThickness = 2095;

protected:
    void RunDialog() override;
    void ReadXML() override;
    void NormaliseValues() override;

private:
    // The ratio's sentence: unitless, so it states the value alone.
    static CString RatioPart(TeskOperator_e op, const CString& ratio);
};
