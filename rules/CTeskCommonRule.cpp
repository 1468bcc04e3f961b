#include "rules/CTeskCommonRule.h"

#include <cmath>
#include <cwchar>
#include <memory>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "host/CTeskUnitConvertor.h"
#include "host/TeskXMLNode.h"
#include "params/NumberText.h"
#include "params/UnitLabels.h"
#include "rules/RuleXml.h"

namespace {

constexpr UINT IDS_MODULE_VALIDATOR = 2041;
constexpr UINT IDS_MODULE_ENGINE = 2042;
constexpr UINT IDS_BETA_LABEL = 2387;
constexpr const wchar_t* kAngularUnitAttribute = L"AngularUnit";

// A unit code attribute: a whole decimal number, 0 when it is not one.
std::int32_t ParseUnitCode(const CString& text) {
    wchar_t* end = nullptr;
    const long code = std::wcstol(text.GetString(), &end, 10);
    const bool whole = end != text.GetString() && *end == L'\0';
    return whole && code >= 0 && code <= 0xFFFF ? static_cast<std::int32_t>(code) : 0;
}

bool UnitKindChanges(int unitKind, const RuleUnitSystemStructure& from,
                     const RuleUnitSystemStructure& to) {
    return unitKind == TESK_UNIT_KIND_ANGLE ? from.angularUnit != to.angularUnit
                                            : from.linearUnit != to.linearUnit;
}

}  // namespace

CTeskCommonRule::CTeskCommonRule(const RuleDefinition& definition, int helpContextId)
    : m_definition(definition) {
    if (!g_pTheApp) {
        return;
    }
    LoadTexts();
    m_strValidatorName = LanguageLibraryText(IDS_MODULE_VALIDATOR);
    m_lstEngines.AddTail(LanguageLibraryText(IDS_MODULE_ENGINE));
    SetRuleCategory(TESK_CATEGORY_MOULDING);
    m_nHelpContextId = helpContextId;
}

CTeskCommonRule::CTeskCommonRule(const RuleDefinition& definition, const CString& engineName,
                                 const CString& validatorName, TeskRuleCategory_e category,
                                 int helpContextId)
    : m_definition(definition) {
    if (!g_pTheApp) {
        return;
    }
    LoadTexts();
    m_strValidatorName = validatorName;
    m_lstEngines.AddTail(engineName);
    SetRuleCategory(category);
    m_nHelpContextId = helpContextId;
}

CTeskCommonRule::~CTeskCommonRule() = default;

void CTeskCommonRule::LoadTexts() {
    const CString& name = LanguageLibraryText(m_definition.nameId);
    m_strDisplayName =
        m_definition.betaLabelPrefix ? LanguageLibraryText(IDS_BETA_LABEL) + L" - " + name : name;
    m_strName = g_pTheApp->LoadEnglishString(m_definition.nameId);
    m_strDescription = FormatDescription({L"", L"", L"", L"", L"", L"", L"", L"", L""});
    m_nSeverity = m_definition.defaultSeverity;
    m_nRuleStatus = 0;
}

CString CTeskCommonRule::DescriptionFormat() const {
    const CString& first = LanguageLibraryText(m_definition.descriptionId);
    if (m_definition.secondDescriptionId == 0) {
        return first;
    }
    const CString& second = LanguageLibraryText(m_definition.secondDescriptionId);
    return m_definition.partsAreSentences ? JoinedSentences(first, second) : first + second;
}

CString CTeskCommonRule::FormatDescription(std::initializer_list<CString> texts) const {
    CString description;
    // A format of one part is used as the library holds it, without a copy.
    description.FormatTexts(m_definition.secondDescriptionId == 0
                                ? LanguageLibraryText(m_definition.descriptionId).GetString()
                                : DescriptionFormat().GetString(),
                            texts);
    return description;
}

void CTeskCommonRule::CreateParameters() {
    for (const RuleParamSpec& spec : m_definition.params) {
        AppendParam(m_arrParams, CreateParamStorageObject(spec.valueType, spec.id, spec.op,
                                                          spec.paramType, spec.status, false));
    }
}

bool CTeskCommonRule::HasAllParameters() {
    for (const RuleParamSpec& spec : m_definition.params) {
        if (!FindParameterInArray(spec.id)) {
            return false;
        }
    }
    return true;
}

TeskParamDataOf<TESK_TYPE_DOUBLE>* CTeskCommonRule::DoubleParam(std::int32_t id) {
    CTeskParamStorage* param = FindParameterInArray(id);
    return param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr;
}

TeskValueArray<double>* CTeskCommonRule::DoubleValues(std::int32_t id) {
    TeskParamDataOf<TESK_TYPE_DOUBLE>* param = DoubleParam(id);
    return param ? &param->Values : nullptr;
}

void CTeskCommonRule::SetDefaults(TeskValueArray<double>& values,
                                  std::initializer_list<double> defaults) {
    int index = 0;
    for (const double value : defaults) {
        if (index < values.GetCount()) {
            values.ElementAt(index) = value;
        } else {
            values.Add(value);
        }
        ++index;
    }
}

CString CTeskCommonRule::DescribeComparisons(std::initializer_list<Comparison> comparisons,
                                             ComparisonWording wording) const {
    return m_definition.secondDescriptionId == 0
               ? StateComparisons(LanguageLibraryText(m_definition.descriptionId), comparisons,
                                  wording)
               : StateComparisons(DescriptionFormat(), comparisons, wording);
}

CString CTeskCommonRule::FormatResource(UINT formatId, std::initializer_list<CString> texts) {
    CString text;
    text.FormatTexts(LanguageLibraryText(formatId), texts);
    return text;
}

CString CTeskCommonRule::FormatComparisons(UINT formatId,
                                           std::initializer_list<Comparison> comparisons,
                                           ComparisonWording wording) {
    return StateComparisons(LanguageLibraryText(formatId), comparisons, wording);
}

CString CTeskCommonRule::ResourceText(UINT id) {
    return LanguageLibraryText(id);
}

void CTeskCommonRule::EnsureLeadingOnValue(TeskValueArray<double>& values) {
    if (values.GetCount() == 1) {
        const double value = values.ElementAt(0);
        values.ElementAt(0) = 1.0;
        values.Add(value);
    }
}

// The on/off value counts when its whole part is not zero; comparing magnitudes avoids
// converting values too large for an integer.
bool CTeskCommonRule::IsSwitchedOn(const TeskValueArray<double>& values) {
    return values.GetCount() > 0 && std::fabs(values.ElementAt(0)) >= 1.0;
}

CString CTeskCommonRule::ValueText(const TeskValueArray<double>& values, int index) {
    return index < values.GetCount() ? FormatNumber(values.ElementAt(index)) : CString();
}

std::int32_t CTeskCommonRule::Execute(TeskICadSys*, const CTeskData*&, TeskResultSet*&) const {
    return m_definition.executeResult;
}

std::int32_t CTeskCommonRule::Import(TeskXMLDocument* document, TeskXMLNode* element,
                                     const CTeskData*& data, TeskICadSys* cadSystem,
                                     TeskResultSet*& results) const {
    return m_definition.usesHostImport
               ? CTeskRule::Import(document, element, data, cadSystem, results)
               : 0;
}

void CTeskCommonRule::RemoveDefaultValues() {
    for (const RuleParamSpec& spec : m_definition.params) {
        CTeskParamStorage* param = FindParameterInArray(spec.id);
        if (!param) {
            continue;
        }
        param->Visit([&spec](auto, auto& data) {
            const int count = spec.defaultValueCount == kAllValues ? data.Values.GetCount()
                                                                   : spec.defaultValueCount;
            for (int i = count - 1; i >= 0; --i) {
                data.Values.RemoveAt(i);
            }
        });
    }
}

void CTeskCommonRule::ReadUnitFromParent(TeskXMLNode* element) {
    switch (m_definition.unitOnLoad) {
        case UnitOnLoad::None:
            ReadXML();
            return;
        case UnitOnLoad::ParentLinear:
            m_nLinearUnit = ReadLinearUnitCode(element);
            ReadXML();
            return;
        case UnitOnLoad::ParentAngular: {
            // Without a parent the rule keeps its unit and its description.
            const std::unique_ptr<TeskXMLNode> parent(element->GetParentNode());
            if (!parent) {
                return;
            }
            CString code;
            parent->GetAttributeValue(kAngularUnitAttribute, code);
            m_nAngularUnit = ParseUnitCode(code);
            ReadXML();
            return;
        }
    }
}

// The reader appends, so the defaults go first; a rule missing one of its parameters loads
// nothing. Without an element there is nothing to read and the defaults stay.
void CTeskCommonRule::PopulateParametersFromXML(TeskXMLNode* element) {
    if (!element || !HasAllParameters()) {
        return;
    }
    RemoveDefaultValues();
    ReadRuleXML(this, element);
    ReadUnitFromParent(element);
}

TeskXMLNode* CTeskCommonRule::GetXML() {
    TeskXMLNode* element = WriteRuleXML(this);
    ReadXML();
    return element;
}

void CTeskCommonRule::ConvertValues(const RuleUnitSystemStructure& from,
                                    const RuleUnitSystemStructure& to) {
    const CTeskUnitConvertor convertor;
    for (const ConvertedValue& converted : m_definition.convertedValues) {
        TeskValueArray<double>* values = DoubleValues(converted.id);
        if (!values || converted.index >= values->GetCount() ||
            !UnitKindChanges(converted.unitKind, from, to)) {
            continue;
        }
        const int fromCode =
            converted.unitKind == TESK_UNIT_KIND_ANGLE ? from.angularUnit : from.linearUnit;
        const int toCode =
            converted.unitKind == TESK_UNIT_KIND_ANGLE ? to.angularUnit : to.linearUnit;
        double& value = values->ElementAt(converted.index);
        value =
            convertor.ConversionFromOneUnitToAnother(value, converted.unitKind, fromCode, toCode);
    }
}

void CTeskCommonRule::StoreUnits(const RuleUnitSystemStructure& to) {
    if (m_definition.storedUnits == StoredUnits::None) {
        return;
    }
    m_nAngularUnit = to.angularUnit;
    if (m_definition.storedUnits == StoredUnits::Both) {
        m_nLinearUnit = to.linearUnit;
    }
}

void CTeskCommonRule::UpdateRule(const RuleUnitSystemStructure* from,
                                 const RuleUnitSystemStructure* to) {
    if (!from || !to || !HasAllParameters()) {
        return;
    }
    NormaliseValues();
    ConvertValues(*from, *to);
    StoreUnits(*to);
    ReadXML();
}

void CTeskCommonRule::EditRule() {
    CResourceHandleSwitch languageResources;
    RunDialog();
    ReadXML();
}
