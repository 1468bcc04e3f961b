#include "rules/CTeskRibHeightForThicknessRule.h"

#include <array>

#include "dialogs/CTeskRibHeightForThicknessDlg.h"
#include "host/CTeskUnitConvertor.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"

namespace {

// Loading replaces every row, so all of them go before the stored ones are read.
constexpr std::array<RuleParamSpec, 1> kParams{{
    {CTeskRibHeightForThicknessRule::kThicknessHeightTable, TESK_TYPE_TEXT_LIST, TESK_OP_LESS_EQUAL,
     TESK_PARAM_TABLE, true, kAllValues},
}};

// The description is a plain text that no value changes.
constexpr RuleDefinition kDefinition{
    .nameId = 2230,
    .descriptionId = 2231,
    .defaultSeverity = 2,
    .executeResult = -3,
    .params = kParams,
    .storedUnits = StoredUnits::Both,
};

CString ConvertText(const CTeskUnitConvertor& convertor, const CString& text,
                    const RuleUnitSystemStructure& from, const RuleUnitSystemStructure& to) {
    return FormatNumber(convertor.ConversionFromOneUnitToAnother(
        ParseNumber(text), TESK_UNIT_KIND_LENGTH, from.linearUnit, to.linearUnit));
}

// Rows with fewer than the two texts are left as they are.
void ConvertRow(const CTeskUnitConvertor& convertor, CStringList& row,
                const RuleUnitSystemStructure& from, const RuleUnitSystemStructure& to) {
    if (row.GetCount() < 2) {
        return;
    }
    POSITION pos = row.GetHeadPosition();
    for (int text = 0; text < 2; ++text) {
        const POSITION current = pos;
        row.SetAt(current, ConvertText(convertor, row.GetNext(pos), from, to));
    }
}

}  // namespace

CTeskRibHeightForThicknessRule::~CTeskRibHeightForThicknessRule() = default;

CTeskRibHeightForThicknessRule::CTeskRibHeightForThicknessRule(int helpContextId)
    : CTeskCommonRule(kDefinition, helpContextId) {
    InitializeParamStorage();
}

CTeskRibHeightForThicknessRule::CTeskRibHeightForThicknessRule(const CString& engineName,
                                                               const CString& validatorName,
                                                               TeskRuleCategory_e category,
                                                               int helpContextId)
    : CTeskCommonRule(kDefinition, engineName, validatorName, category, helpContextId) {
    InitializeParamStorage();
}

TeskValueArray<CStringList*>* CTeskRibHeightForThicknessRule::Rows() {
    CTeskParamStorage* table = FindParameterInArray(kThicknessHeightTable);
    TeskParamDataOf<TESK_TYPE_TEXT_LIST>* data =
        table ? table->GetData<TESK_TYPE_TEXT_LIST>() : nullptr;
    return data ? &data->Values : nullptr;
}

void CTeskRibHeightForThicknessRule::InitializeThicknessHeightTable() {
    CreateParameters();
    TeskValueArray<CStringList*>* rows = Rows();
    if (!rows) {
        return;
    }
    auto row = std::make_unique<CStringList>();
    row->AddTail(L"0.5");
    row->AddTail(L"4.0");
    rows->Add(row.release());
}

void CTeskRibHeightForThicknessRule::InitializeParamStorage() {
    InitializeThicknessHeightTable();
    m_strDescription = DescriptionFormat();
    m_bParamsReady = true;
}

void CTeskRibHeightForThicknessRule::UpdateRule(const RuleUnitSystemStructure* from,
                                                const RuleUnitSystemStructure* to) {
    if (!from || !to) {
        return;
    }
    const CTeskUnitConvertor convertor;
    TeskValueArray<CStringList*>* rows = Rows();
    if (rows && from->linearUnit != to->linearUnit) {
        for (int i = 0; i < rows->GetCount(); ++i) {
            if (CStringList* row = rows->ElementAt(i)) {
                ConvertRow(convertor, *row, *from, *to);
            }
        }
    }
    m_nLinearUnit = to->linearUnit;
    m_nAngularUnit = to->angularUnit;
    ReadXML();
}

void CTeskRibHeightForThicknessRule::RunDialog() {
    CTeskRibHeightForThicknessDlg dialog(nullptr, this);
    dialog.SetUnitString(LinearUnitLabel(m_nLinearUnit));
    dialog.DoModal();
}
