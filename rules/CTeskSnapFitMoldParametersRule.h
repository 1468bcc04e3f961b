#pragma once

#include "rules/CTeskCommonRule.h"

// Snap-fit mould parameters: an overhang length and a height-to-width ratio.
class CTeskSnapFitMoldParametersRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskSnapFitMoldParametersRule() override;
    explicit CTeskSnapFitMoldParametersRule(int helpContextId);
    CTeskSnapFitMoldParametersRule(const CString& engineName, const CString& validatorName,
                                   TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;

    static constexpr std::int32_t kOverhang = 2185;
    static constexpr std::int32_t kHeightToWidthRatio = 2192;

protected:
    void RunDialog() override;
    void ReadXML() override;

private:
    void Compose(const CString& overhang, const CString& ratio);
};
