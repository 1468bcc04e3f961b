#include "rules/RuleXml.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

#include "app/CTeskCommonRulesApp.h"
#include "app/ResourceHandleSwitch.h"
#include "host/CTeskRule.h"
#include "host/HeldReferences.h"
#include "host/NarrowText.h"
#include "host/TeskXMLDocument.h"
#include "params/NumberText.h"
#include "params/ParameterXml.h"
#include "platform/MessageSink.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

constexpr UINT IDS_RULE_ELEMENT = 2019;
constexpr UINT IDS_ATTR_NAME = 2020;
constexpr UINT IDS_ATTR_RULE_STATUS = 2021;
constexpr UINT IDS_ATTR_LIFE_STATUS = 2022;
constexpr UINT IDS_ATTR_DESCRIPTION = 2033;
constexpr UINT IDS_ATTR_VALIDATOR = 2034;
constexpr UINT IDS_ATTR_AUX_TEXT = 2035;
constexpr UINT IDS_ATTR_MODULE_FILE = 2036;
constexpr UINT IDS_ATTR_SEVERITY = 2037;
constexpr UINT IDS_ATTR_CATEGORY = 2038;
constexpr UINT IDS_UNKNOWN_VALUE_TYPE = 2044;
constexpr const wchar_t* kConstraintElement = L"Constraint";

// The file-name part of a path: the text after its last separator, or all of it.
CString FileNamePart(const CString& path) {
    const int separator = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    return separator < 0 ? path : path.Mid(separator + 1);
}

// The number the text starts with, kept within 32 bits; -1 when it does not start with one.
std::int32_t LeadingNumber(const CString& text) {
    const std::optional<std::int64_t> number = ScanInteger(text);
    if (!number) {
        return -1;
    }
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(*number, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

// Read from the document's own text: the numbers the module writes are plain digits.
std::int32_t ReadNumberAttribute(TeskXMLNode& element, UINT nameId) {
    const pugi::xml_attribute attribute =
        element.Handle().attribute(NarrowText(LanguageLibraryText(nameId).GetString()).c_str());
    if (!attribute) {
        return -1;
    }
    if (const std::optional<int> plain = PlainDigits(attribute.value())) {
        return *plain;
    }
    return LeadingNumber(CString(platform::WideFromUtf8(ReadableText(attribute.value()).c_str())));
}

void WriteAttributes(const CTeskRule& rule, TeskXMLNode& element) {
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_NAME), rule.m_strName);
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_RULE_STATUS),
                         DecimalText(rule.m_nRuleStatus));
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_LIFE_STATUS),
                         DecimalText(rule.m_nLifeStatus));
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_DESCRIPTION), rule.m_strDescription);
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_VALIDATOR), rule.m_strValidatorName);
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_AUX_TEXT), rule.m_strAuxText);
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_MODULE_FILE),
                         FileNamePart(rule.m_strModuleFileName));
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_SEVERITY), DecimalText(rule.m_nSeverity));
    element.AddAttribute(LanguageLibraryText(IDS_ATTR_CATEGORY), rule.m_strCategory);
}

void AppendChild(TeskXMLNode& element, TeskXMLNode* child) {
    std::unique_ptr<TeskXMLNode> owned(child);
    delete element.AppendNode(owned.get());
}

void WriteParameters(CTeskRule& rule, TeskXMLNode& element) {
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        const TeskParamFields* fields = param ? param->GetFields() : nullptr;
        if (!fields) {
            AfxMessageBox(LanguageLibraryText(IDS_UNKNOWN_VALUE_TYPE), MB_OK);
            continue;
        }
        if (fields->Operator == TESK_OP_NONE || fields->Operator == TESK_OP_HIDDEN) {
            continue;
        }
        AppendChild(element, WriteParameterXML(*param));
    }
}

void WriteConstraints(const CTeskRule& rule, TeskXMLNode& element) {
    for (int i = 0; i < rule.m_arrConstraints.GetCount(); ++i) {
        if (const CTeskConstraint* constraint = rule.m_arrConstraints.ElementAt(i)) {
            AppendChild(element, constraint->GetXMLNode());
        }
    }
}

void ReadAttributes(CTeskRule& rule, TeskXMLNode& element) {
    element.GetAttributeValue(LanguageLibraryText(IDS_ATTR_NAME), rule.m_strName);
    element.GetAttributeValue(LanguageLibraryText(IDS_ATTR_VALIDATOR), rule.m_strValidatorName);
    element.GetAttributeValue(LanguageLibraryText(IDS_ATTR_AUX_TEXT), rule.m_strAuxText);
    element.GetAttributeValue(LanguageLibraryText(IDS_ATTR_MODULE_FILE), rule.m_strModuleFileName);
    rule.m_nRuleStatus = ReadNumberAttribute(element, IDS_ATTR_RULE_STATUS);
    rule.m_nLifeStatus = ReadNumberAttribute(element, IDS_ATTR_LIFE_STATUS);
    rule.m_nSeverity = ReadNumberAttribute(element, IDS_ATTR_SEVERITY);
}

// False when a parameter has a value type the readers do not know.
bool ReadParameters(CTeskRule& rule, TeskXMLNode& element) {
    const ParameterRecords records(element);
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        if (!param || !ReadParameterXML(*param, records)) {
            AfxMessageBox(LanguageLibraryText(IDS_UNKNOWN_VALUE_TYPE), MB_OK);
            return false;
        }
    }
    return true;
}

// Constraints are read only when the element holds exactly one per constraint of the rule.
void ReadConstraints(CTeskRule& rule, TeskXMLNode& element) {
    // A rule without constraints reads none, whatever the element holds.
    if (rule.m_arrConstraints.GetCount() == 0) {
        return;
    }
    const std::unique_ptr<TeskXMLNodeList> children(element.GetNodeList(kConstraintElement));
    if (children->GetSize() != rule.m_arrConstraints.GetCount()) {
        return;
    }
    for (int i = 0; i < children->GetSize(); ++i) {
        TeskXMLNode* child = children->GetItem(i);
        if (CTeskConstraint* constraint = rule.m_arrConstraints.ElementAt(i)) {
            constraint->PopulateFromXML(child);
        }
    }
}

}  // namespace

TeskXMLNode* WriteRuleXML(CTeskRule* rule) {
    if (!rule || !g_pTheApp) {
        return nullptr;
    }
    CResourceHandleSwitch languageResources;
    if (!g_pXMLDoc) {
        return nullptr;
    }
    TeskXMLNode* element = g_pXMLDoc->CreateNode(LanguageLibraryText(IDS_RULE_ELEMENT));
    WriteAttributes(*rule, *element);
    WriteParameters(*rule, *element);
    WriteConstraints(*rule, *element);
    return element;
}

void ReadRuleXML(CTeskRule* rule, TeskXMLNode* element) {
    if (!rule || !element || !g_pTheApp) {
        return;
    }
    CResourceHandleSwitch languageResources;
    ReadAttributes(*rule, *element);
    if (!ReadParameters(*rule, *element)) {
        return;
    }
    ReadConstraints(*rule, *element);
    rule->m_bParamsReady = true;
    rule->PostPopulate();
}

void AppendParam(TeskValueArray<CTeskParamStorage*>& params, CTeskParamStorage* param) {
    params.Add(param);
}
