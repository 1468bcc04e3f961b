#include "rules/CTeskIMMoldWallThicknessRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskIMMoldWallThicknessDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"
#include "params/ValueConversion.h"

namespace {

constexpr UINT IDS_RATIO_PART = 2097;
constexpr UINT IDS_THICKNESS_PART = 2098;

constexpr std::array<RuleParamSpec, 2> kParams{{
    {CTeskIMMoldWallThicknessRule::kThicknessRatio, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{1}, true, 1},
    {CTeskIMMoldWallThicknessRule::kWallThickness, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{1}, false, 1},
}};

// The ratio is a factor and never converted.
constexpr std::array<ConvertedValue, 1> kConverted{{
    {CTeskIMMoldWallThicknessRule::kWallThickness, 0, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2096,
    .descriptionId = IDS_RATIO_PART,
    .secondDescriptionId = IDS_THICKNESS_PART,
    .partsAreSentences = true,
    .defaultSeverity = 2,
    .executeResult = -3,
    .params = kParams,
    .unitOnLoad = UnitOnLoad::ParentLinear,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskIMMoldWallThicknessRule::~CTeskIMMoldWallThicknessRule() = default;

CTeskIMMoldWallThicknessRule::CTeskIMMoldWallThicknessRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskIMMoldWallThicknessRule::CTeskIMMoldWallThicknessRule(const CString& engineName,
                                                           const CString& validatorName,
                                                           TeskRuleCategory_e category,
                                                           int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

// The wall thickness starts switched off, so a new rule describes the ratio only.
void CTeskIMMoldWallThicknessRule::InitializeParamStorage() {
    CreateParameters();
    TeskParamDataOf<TESK_TYPE_DOUBLE>* ratio = DoubleParam(kThicknessRatio);
    TeskValueArray<double>* thickness = DoubleValues(kWallThickness);
    if (!ratio || !thickness) {
        return;
    }
    const double ratioDefault = GetRuleCategoryEnum() == TESK_CATEGORY_CASTING ? 3.0 : 2.0;
    SetDefaults(ratio->Values, {ratioDefault});
    SetDefaults(*thickness, {1.0});
    m_strDescription = JoinedSentences(RatioPart(ratio->Operator, FormatNumber(ratioDefault)), L"");
    m_bParamsReady = true;
}

void CTeskIMMoldWallThicknessRule::NormaliseValues() {
    for (const std::int32_t id : {kThicknessRatio, kWallThickness}) {
        if (TeskParamDataOf<TESK_TYPE_DOUBLE>* param = DoubleParam(id)) {
            SplitLegacyFlagValue(*param);
        }
    }
}

void CTeskIMMoldWallThicknessRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    TeskParamDataOf<TESK_TYPE_DOUBLE>* ratio = DoubleParam(kThicknessRatio);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* thickness = DoubleParam(kWallThickness);
    if (!ratio || !thickness) {
        return;
    }
    NormaliseValues();
    const CString ratioPart =
        ratio->Status ? RatioPart(ratio->Operator, ValueText(ratio->Values, 0)) : CString();
    CString thicknessPart;
    if (thickness->Status) {
        thicknessPart =
            FormatComparisons(IDS_THICKNESS_PART,
                              {{AtLeastOperator(thickness->Operator),
                                ValueText(thickness->Values, 0), LinearUnitLabel(m_nLinearUnit)}},
                              ComparisonWording::OrEqualTo);
    }
    m_strDescription = JoinedSentences(ratioPart, thicknessPart);
}

CString CTeskIMMoldWallThicknessRule::RatioPart(TeskOperator_e op, const CString& ratio) {
    return FormatComparisons(IDS_RATIO_PART, {{AtLeastOperator(op), ratio, CString(), false}},
                             ComparisonWording::OrEqualTo);
}

void CTeskIMMoldWallThicknessRule::RunDialog() {
    CTeskIMMoldWallThicknessDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
