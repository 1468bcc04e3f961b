#include "rules/CTeskIMUniformThicknessRule.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "dialogs/CTeskIMUniformThicknessDlg.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

constexpr UINT IDS_MINIMUM_PART = 2023;
constexpr UINT IDS_MAXIMUM_PART = 2024;

// Value 0 is the on/off value, value 1 the thickness.
constexpr std::array<RuleParamSpec, 2> kParams{{
    {CTeskIMUniformThicknessRule::kMinimumThickness, TESK_TYPE_DOUBLE, TESK_OP_GREATER_EQUAL,
     TeskParamType_e{1}, true, 2},
    {CTeskIMUniformThicknessRule::kMaximumThickness, TESK_TYPE_DOUBLE, TESK_OP_LESS_EQUAL,
     TeskParamType_e{1}, true, 2},
}};

constexpr std::array<ConvertedValue, 2> kConverted{{
    {CTeskIMUniformThicknessRule::kMinimumThickness, 1, TESK_UNIT_KIND_LENGTH},
    {CTeskIMUniformThicknessRule::kMaximumThickness, 1, TESK_UNIT_KIND_LENGTH},
}};

constexpr RuleDefinition kDefinition{
    .nameId = 2047,
    .descriptionId = IDS_MINIMUM_PART,
    .secondDescriptionId = IDS_MAXIMUM_PART,
    .defaultSeverity = 2,
    .executeResult = -3,
    .params = kParams,
    .convertedValues = kConverted,
    .storedUnits = StoredUnits::Both,
};

}  // namespace

CTeskIMUniformThicknessRule::~CTeskIMUniformThicknessRule() = default;

CTeskIMUniformThicknessRule::CTeskIMUniformThicknessRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskIMUniformThicknessRule::CTeskIMUniformThicknessRule(const CString& engineName,
                                                         const CString& validatorName,
                                                         TeskRuleCategory_e category,
                                                         int helpContextId, TeskXMLNode*)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

void CTeskIMUniformThicknessRule::InitializeParamStorage() {
    CreateParameters();
    TeskValueArray<double>* minimum = DoubleValues(kMinimumThickness);
    TeskValueArray<double>* maximum = DoubleValues(kMaximumThickness);
    if (!minimum || !maximum) {
        return;
    }
    const bool casting = GetRuleCategoryEnum() == TESK_CATEGORY_CASTING;
    const double minimumDefault = casting ? 3.0 : 2.0;
    const double maximumDefault = casting ? 5.0 : 3.0;
    SetDefaults(*minimum, {1.0, minimumDefault});
    SetDefaults(*maximum, {1.0, maximumDefault});
    m_strDescription = MinimumPart(TESK_OP_GREATER_EQUAL, FormatNumber(minimumDefault)) +
                       MaximumPart(TESK_OP_LESS_EQUAL, FormatNumber(maximumDefault));
    m_bParamsReady = true;
}

CString CTeskIMUniformThicknessRule::MinimumPart(TeskOperator_e op, const CString& value) const {
    return FormatComparisons(IDS_MINIMUM_PART,
                             {{AtLeastOperator(op), value, LinearUnitLabel(m_nLinearUnit)}},
                             ComparisonWording::OrEqualTo);
}

CString CTeskIMUniformThicknessRule::MaximumPart(TeskOperator_e op, const CString& value) const {
    return FormatComparisons(IDS_MAXIMUM_PART,
                             {{AtMostOperator(op), value, LinearUnitLabel(m_nLinearUnit)}},
                             ComparisonWording::OrEqualTo);
}

void CTeskIMUniformThicknessRule::NormaliseValues() {
    for (const std::int32_t id : {kMinimumThickness, kMaximumThickness}) {
        if (TeskValueArray<double>* values = DoubleValues(id)) {
            EnsureLeadingOnValue(*values);
        }
    }
}

void CTeskIMUniformThicknessRule::ReadXML() {
    if (!g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    TeskParamDataOf<TESK_TYPE_DOUBLE>* minimum = DoubleParam(kMinimumThickness);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* maximum = DoubleParam(kMaximumThickness);
    if (!minimum || !maximum) {
        return;
    }
    NormaliseValues();
    const CString minimumPart = IsSwitchedOn(minimum->Values)
                                    ? MinimumPart(minimum->Operator, ValueText(minimum->Values, 1))
                                    : CString();
    const CString maximumPart = IsSwitchedOn(maximum->Values)
                                    ? MaximumPart(maximum->Operator, ValueText(maximum->Values, 1))
                                    : CString();
    m_strDescription = minimumPart + maximumPart;
}

// The dialog reads the on value and the thickness of each limit; a limit kept in the older
// shape, its thickness alone, is given its on value first, as loading does.
void CTeskIMUniformThicknessRule::RunDialog() {
    NormaliseValues();
    CTeskIMUniformThicknessDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
