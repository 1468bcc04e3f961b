#include "rules/CTeskSnapFitMoldParametersRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskSnapFitMoldParametersDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

using Rule = CTeskSnapFitMoldParametersRule;

constexpr std::array<RuleParamSpec, 2> kParams{{
    {Rule::kOverhang, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL, TeskParamType_e{1}, true, 1},
    {Rule::kHeightToWidthRatio, TESK_TYPE_DOUBLE, TESK_OP_LESS_EQUAL, TeskParamType_e{1}, true, 1},
}};

// The ratio is dimensionless and never converted.
constexpr std::array<ConvertedValue, 1> kConverted{{
    {Rule::kOverhang, 0, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2184,
    .descriptionId = 2189,
    .defaultSeverity = 1,
    .betaLabelPrefix = true,
    .params = kParams,
    .unitOnLoad = UnitOnLoad::ParentLinear,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskSnapFitMoldParametersRule::~CTeskSnapFitMoldParametersRule() = default;

CTeskSnapFitMoldParametersRule::CTeskSnapFitMoldParametersRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskSnapFitMoldParametersRule::CTeskSnapFitMoldParametersRule(const CString& engineName,
                                                               const CString& validatorName,
                                                               TeskRuleCategory_e category,
                                                               int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskSnapFitMoldParametersRule::InitializeParamStorage() {
    CreateParameters();
    if (!HasAllParameters()) {
        return;
    }
    SetDefaults(*DoubleValues(kOverhang), {0.5});
    SetDefaults(*DoubleValues(kHeightToWidthRatio), {3.0});
    Compose(FormatNumber(0.5), FormatNumber(3.0));
    m_bParamsReady = true;
}

void CTeskSnapFitMoldParametersRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    if (HasAllParameters()) {
        Compose(ValueText(*DoubleValues(kOverhang), 0),
                ValueText(*DoubleValues(kHeightToWidthRatio), 0));
    }
}

// The description names the rule's fixed comparisons, whatever operators the parameters hold;
// a new rule shows them too, so its description reads the same as after any later change.
void CTeskSnapFitMoldParametersRule::Compose(const CString& overhang, const CString& ratio) {
    m_strDescription =
        DescribeComparisons({{TESK_OP_GREATER_EQUAL, overhang, LinearUnitLabel(m_nLinearUnit)},
                             {TESK_OP_LESS_EQUAL, ratio, CString(), false}},
                            ComparisonWording::Symbol);
}

void CTeskSnapFitMoldParametersRule::RunDialog() {
    CTeskSnapFitMoldParametersDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
