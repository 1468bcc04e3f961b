#include "rules/CTeskMinRibEdgeRadiusRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskMinRibEdgeRadiusDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

using Rule = CTeskMinRibEdgeRadiusRule;

constexpr std::array<RuleParamSpec, 5> kParams{{
    {Rule::kRadiusRatio, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL, TeskParamType_e{1}, true, 1},
    {Rule::kOption, TESK_TYPE_DOUBLE, TESK_OP_EQUAL, TeskParamType_e{1}, true, 1},
    {Rule::kRange1, TESK_TYPE_DOUBLE, TESK_OP_EQUAL, TeskParamType_e{8}, true, 2},
    {Rule::kRange3, TESK_TYPE_DOUBLE, TESK_OP_EQUAL, TeskParamType_e{8}, true, 2},
    {Rule::kRange2, TESK_TYPE_DOUBLE, TESK_OP_EQUAL, TeskParamType_e{8}, true, 2},
}};

// Nothing is measured in a unit: a unit change only stores the new codes.
constexpr RuleDefinition kDefinition{
    .nameId = 2239,
    .descriptionId = 2240,
    .defaultSeverity = 2,
    .executeResult = -3,
    .params = kParams,
    .storedUnits = StoredUnits::Both,
};

struct RangeDefault {
    std::int32_t id;
    double lower;
    double upper;
};

constexpr std::array<RangeDefault, 3> kRangeDefaults{{
    {Rule::kRange1, 0.0, 0.0},
    {Rule::kRange3, 75.0, 90.0},
    {Rule::kRange2, 0.0, 75.0},
}};

}  // namespace

CTeskMinRibEdgeRadiusRule::~CTeskMinRibEdgeRadiusRule() = default;

CTeskMinRibEdgeRadiusRule::CTeskMinRibEdgeRadiusRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskMinRibEdgeRadiusRule::CTeskMinRibEdgeRadiusRule(const CString& engineName,
                                                     const CString& validatorName,
                                                     TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskMinRibEdgeRadiusRule::InitializeParamStorage() {
    CreateParameters();
    if (!HasAllParameters()) {
        return;
    }
    SetDefaults(*DoubleValues(kRadiusRatio), {0.5});
    SetDefaults(*DoubleValues(kOption), {1.0});
    for (const RangeDefault& range : kRangeDefaults) {
        SetDefaults(*DoubleValues(range.id), {range.lower, range.upper});
    }
    m_strDescription = FormatDescription({FormatNumber(0.5)});
    m_bParamsReady = true;
}

// Only the radius ratio enters the description.
void CTeskMinRibEdgeRadiusRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    if (HasAllParameters()) {
        m_strDescription = FormatDescription({ValueText(*DoubleValues(kRadiusRatio), 0)});
    }
}

void CTeskMinRibEdgeRadiusRule::RunDialog() {
    CTeskMinRibEdgeRadiusDlg dialog(nullptr, this);
    dialog.SetUnitString(AngularUnitLabel(m_nAngularUnit));
    dialog.DoModal();
}
