#pragma once

#include "rules/CTeskCommonRule.h"

// Hole-to-part-edge distance: the distance from a hole to the part's edge, a length.
class CTeskHoleToPartEdgeDistanceRule : public CTeskCommonRule {
public:
    // Out of line, so that the virtual table stays inside the module.
    ~CTeskHoleToPartEdgeDistanceRule() override;
    CTeskHoleToPartEdgeDistanceRule(const CString& engineName, const CString& validatorName,
                                    TeskRuleCategory_e category, int helpContextId);

    void InitializeParamStorage() override;

    static constexpr std::int32_t kDistance = 2048;

protected:
    void RunDialog() override;
    // Composes the description, with the parameter's own operator, whenever it is there.
    void ReadXML() override;
};
