#include "rules/CTeskIMDraftAngleRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskIMDraftAngleDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

constexpr const wchar_t* kCastingValidator = L"TeskCastingRulesValidator";

constexpr std::array<RuleParamSpec, 2> kParams{{
    {CTeskIMDraftAngleRule::kCoreSideAngle, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{2}, true, 1},
    {CTeskIMDraftAngleRule::kCavitySideAngle, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{2}, true, 1},
}};

constexpr std::array<ConvertedValue, 2> kConverted{{
    {CTeskIMDraftAngleRule::kCoreSideAngle, 0, TESK_UNIT_KIND_ANGLE},
    {CTeskIMDraftAngleRule::kCavitySideAngle, 0, TESK_UNIT_KIND_ANGLE},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2115,
    .descriptionId = 2116,
    .defaultSeverity = 2,
    .executeResult = -3,
    .params = kParams,
    .unitOnLoad = UnitOnLoad::ParentAngular,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::AngularOnly,
};

}  // namespace

CTeskIMDraftAngleRule::~CTeskIMDraftAngleRule() = default;

CTeskIMDraftAngleRule::CTeskIMDraftAngleRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskIMDraftAngleRule::CTeskIMDraftAngleRule(const CString& engineName,
                                             const CString& validatorName,
                                             TeskRuleCategory_e category, int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskIMDraftAngleRule::InitializeParamStorage() {
    CreateParameters();
    TeskValueArray<double>* core = DoubleValues(kCoreSideAngle);
    TeskValueArray<double>* cavity = DoubleValues(kCavitySideAngle);
    if (!core || !cavity) {
        return;
    }
    // The casting validator asks for a smaller cavity-side draft.
    const double cavityDefault = m_strValidatorName == kCastingValidator ? 3.0 : 5.0;
    SetDefaults(*core, {0.5});
    SetDefaults(*cavity, {cavityDefault});
    Compose(TESK_OP_GREATER_EQUAL, FormatNumber(0.5), TESK_OP_GREATER_EQUAL,
            FormatNumber(cavityDefault));
    m_bParamsReady = true;
}

void CTeskIMDraftAngleRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    TeskParamDataOf<TESK_TYPE_DOUBLE>* core = DoubleParam(kCoreSideAngle);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* cavity = DoubleParam(kCavitySideAngle);
    if (!core || !cavity) {
        return;
    }
    Compose(core->Operator, ValueText(core->Values, 0), cavity->Operator,
            ValueText(cavity->Values, 0));
}

void CTeskIMDraftAngleRule::Compose(TeskOperator_e coreOp, const CString& coreValue,
                                    TeskOperator_e cavityOp, const CString& cavityValue) {
    const CString unit = AngularUnitLabel(m_nAngularUnit);
    m_strDescription = DescribeComparisons({{AtLeastOperator(coreOp), coreValue, unit},
                                            {AtLeastOperator(cavityOp), cavityValue, unit}},
                                           ComparisonWording::OrEqualTo);
}

void CTeskIMDraftAngleRule::RunDialog() {
    CTeskIMDraftAngleDlg dialog(nullptr, this);
    dialog.SetUnitString(AngularUnitLabel(m_nAngularUnit));
    dialog.DoModal();
}
