#include "rules/CTeskFilletRadiusRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskFilletRadiusDlg.h"
#include "params/UnitLabels.h"

namespace {

using Rule = CTeskFilletRadiusRule;

constexpr std::array<RuleParamSpec, 2> kParams{{
    {Rule::kMinimumRadius, TESK_TYPE_DOUBLE, TESK_OP_LESS, TeskParamType_e{1}, true, 1},
    {Rule::kMaximumRadius, TESK_TYPE_DOUBLE, TESK_OP_GREATER, TeskParamType_e{1}, true, 1},
}};

constexpr std::array<ConvertedValue, 2> kConverted{{
    {Rule::kMinimumRadius, 0, TESK_UNIT_KIND_LENGTH},
    {Rule::kMaximumRadius, 0, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2141,
    .descriptionId = 2146,
    .defaultSeverity = 2,
    .params = kParams,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskFilletRadiusRule::~CTeskFilletRadiusRule() = default;

CTeskFilletRadiusRule::CTeskFilletRadiusRule(const CString& engineName,
                                             const CString& validatorName,
                                             TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskFilletRadiusRule::InitializeParamStorage() {
    CreateParameters();
    if (!HasAllParameters()) {
        return;
    }
    SetDefaults(*DoubleValues(kMinimumRadius), {0.1});
    SetDefaults(*DoubleValues(kMaximumRadius), {0.2});
    Compose();
    m_bParamsReady = true;
}

void CTeskFilletRadiusRule::ReadXML() {
    if (!g_pTheApp || !HasAllParameters()) {
        return;
    }
    CResourceHandleSwitch languageResources;
    Compose();
}

// The operators are not shown: the format names both limits itself.
void CTeskFilletRadiusRule::Compose() {
    m_strDescription = FormatDescription({ValueText(*DoubleValues(kMinimumRadius), 0),
                                          ValueText(*DoubleValues(kMaximumRadius), 0),
                                          LinearUnitLabel(m_nLinearUnit)});
}

void CTeskFilletRadiusRule::RunDialog() {
    CTeskFilletRadiusDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
