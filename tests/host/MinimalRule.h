#pragma once

#include <initializer_list>

#include "host/CTeskRule.h"

// The least a rule must implement; the base's own behaviour is what is tested.
class MinimalRule : public CTeskRule {
public:
    void InitializeParamStorage() override {}
    std::int32_t Execute(TeskICadSys*, const CTeskData*&, TeskResultSet*&) const override {
        return 0;
    }
    void PopulateParametersFromXML(TeskXMLNode*) override {}
    TeskXMLNode* GetXML() override { return nullptr; }
    void RunRule() override {}
    void UpdateRule(const RuleUnitSystemStructure*, const RuleUnitSystemStructure*) override {}
    bool UpdateRule(CTeskRule*) override { return false; }
    void EditRule() override {}
    void SetRuleStatusForAssemblyModel(int) override {}

    // A parameter of value type 4 with these values, appended to the rule.
    CTeskParamStorage* AddDoubles(std::int32_t id, std::initializer_list<double> values) {
        CTeskParamStorage* param = CreateParamStorageObject(TESK_TYPE_DOUBLE, id, TESK_OP_GREATER,
                                                            TeskParamType_e{1}, true, false);
        for (double v : values) {
            param->GetData<TESK_TYPE_DOUBLE>()->Values.Add(v);
        }
        m_arrParams.Add(param);
        return param;
    }
};
