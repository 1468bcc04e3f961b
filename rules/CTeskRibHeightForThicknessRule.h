#pragma once

#include "rules/CTeskCommonRule.h"

// Rib height for thickness: a table of wall thicknesses, each with the largest rib height
// allowed for it. Each row is a list of number texts: thickness, then height.
class CTeskRibHeightForThicknessRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskRibHeightForThicknessRule() override;
    explicit CTeskRibHeightForThicknessRule(int helpContextId);
    CTeskRibHeightForThicknessRule(const CString& engineName, const CString& validatorName,
                                   TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;
    void UpdateRule(const RuleUnitSystemStructure* from,
                    const RuleUnitSystemStructure* to) override;
    using CTeskCommonRule::UpdateRule;
    void UpdateRule(std::int32_t, std::int32_t) {}

    static constexpr std::int32_t kThicknessHeightTable = 2227;

protected:
    void RunDialog() override;

private:
    void InitializeThicknessHeightTable();
    TeskValueArray<CStringList*>* Rows();
};
