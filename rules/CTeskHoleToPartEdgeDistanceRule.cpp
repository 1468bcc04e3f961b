#include "rules/CTeskHoleToPartEdgeDistanceRule.h"

#include <array>

#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskHoleToPartEdgeDistanceDlg.h"
#include "params/UnitLabels.h"

namespace {

using Rule = CTeskHoleToPartEdgeDistanceRule;

constexpr std::array<RuleParamSpec, 1> kParams{{
    {Rule::kDistance, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL, TeskParamType_e{1}, true, 1},
}};

constexpr std::array<ConvertedValue, 1> kConverted{{
    {Rule::kDistance, 0, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2150,
    .descriptionId = 2145,
    .defaultSeverity = 2,
    .usesHostImport = true,
    .params = kParams,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskHoleToPartEdgeDistanceRule::~CTeskHoleToPartEdgeDistanceRule() = default;

CTeskHoleToPartEdgeDistanceRule::CTeskHoleToPartEdgeDistanceRule(const CString& engineName,
                                                                 const CString& validatorName,
                                                                 TeskRuleCategory_e category,
                                                                 int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskHoleToPartEdgeDistanceRule::InitializeParamStorage() {
    CreateParameters();
    TeskValueArray<double>* distance = DoubleValues(kDistance);
    if (!distance) {
        return;
    }
    SetDefaults(*distance, {1.0});
    ReadXML();
    m_bParamsReady = true;
}

void CTeskHoleToPartEdgeDistanceRule::ReadXML() {
    CResourceHandleSwitch languageResources;
    if (TeskParamDataOf<TESK_TYPE_DOUBLE>* distance = DoubleParam(kDistance)) {
        m_strDescription = DescribeComparisons(
            {{distance->Operator, ValueText(distance->Values, 0), LinearUnitLabel(m_nLinearUnit)}},
            ComparisonWording::Symbol);
    }
}

void CTeskHoleToPartEdgeDistanceRule::RunDialog() {
    CTeskHoleToPartEdgeDistanceDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
