#include "rules/CTeskUndercutInterferenceRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskUndercutInterferenceDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

using Rule = CTeskUndercutInterferenceRule;

constexpr std::array<RuleParamSpec, 3> kParams{{
    {Rule::kDieThickness, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL, TeskParamType_e{1}, true, 1},
    {Rule::kDieOverhang, TESK_TYPE_DOUBLE, TESK_OP_LESS_EQUAL, TeskParamType_e{1}, true, 1},
    {Rule::kRequiredGap, TESK_TYPE_DOUBLE, TESK_OP_LESS_EQUAL, TeskParamType_e{1}, true, 1},
}};

constexpr std::array<ConvertedValue, 3> kConverted{{
    {Rule::kDieThickness, 0, TESK_UNIT_KIND_LENGTH},
    {Rule::kDieOverhang, 0, TESK_UNIT_KIND_LENGTH},
    {Rule::kRequiredGap, 0, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2182,
    .descriptionId = 2199,
    .defaultSeverity = 1,
    .executeResult = -3,
    .betaLabelPrefix = true,
    .params = kParams,
    .unitOnLoad = UnitOnLoad::ParentLinear,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskUndercutInterferenceRule::~CTeskUndercutInterferenceRule() = default;

CTeskUndercutInterferenceRule::CTeskUndercutInterferenceRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskUndercutInterferenceRule::CTeskUndercutInterferenceRule(const CString& engineName,
                                                             const CString& validatorName,
                                                             TeskRuleCategory_e category,
                                                             int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskUndercutInterferenceRule::InitializeParamStorage() {
    CreateParameters();
    if (!HasAllParameters()) {
        return;
    }
    SetDefaults(*DoubleValues(kDieThickness), {4.0});
    SetDefaults(*DoubleValues(kDieOverhang), {0.0});
    SetDefaults(*DoubleValues(kRequiredGap), {1.0});
    Compose(FormatNumber(4.0), FormatNumber(0.0), FormatNumber(1.0));
    m_bParamsReady = true;
}

void CTeskUndercutInterferenceRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    if (HasAllParameters()) {
        Compose(ValueText(*DoubleValues(kDieThickness), 0),
                ValueText(*DoubleValues(kDieOverhang), 0),
                ValueText(*DoubleValues(kRequiredGap), 0));
    }
}

// Every value is shown with the or-equal-to phrase, whatever its operator.
void CTeskUndercutInterferenceRule::Compose(const CString& thickness, const CString& overhang,
                                            const CString& gap) {
    const CString unit = LinearUnitLabel(m_nLinearUnit);
    m_strDescription = DescribeComparisons({{TESK_OP_GREATER_EQUAL, thickness, unit},
                                            {TESK_OP_LESS_EQUAL, overhang, unit},
                                            {TESK_OP_LESS_EQUAL, gap, unit}},
                                           ComparisonWording::OrEqualTo);
}

void CTeskUndercutInterferenceRule::RunDialog() {
    CTeskUndercutInterferenceDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
