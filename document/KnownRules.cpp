#include "document/KnownRules.h"

#include <string_view>

#include "app/CTeskCommonRulesApp.h"
#include "host/HeldReferences.h"
#include "platform/Utf.h"

namespace {

constexpr UINT IDS_RULE_ELEMENT = 2019;
constexpr UINT IDS_ATTR_NAME = 2020;

CString ModuleText(UINT id) {
    return g_pTheApp ? LoadString(g_pTheApp->m_hLangResDll, id) : CString();
}

}  // namespace

KnownRules::KnownRules()
    : element(platform::Utf8FromWide(ModuleText(IDS_RULE_ELEMENT).str())),
      nameAttribute(platform::Utf8FromWide(ModuleText(IDS_ATTR_NAME).str())) {
    for (const RuleKind& kind : RuleCatalogue()) {
        std::unique_ptr<CTeskRule> rule = kind.makeDefault();
        std::string name = platform::Utf8FromWide(rule->m_strName.str());
        rules.push_back({std::move(rule), &kind, std::move(name)});
    }
}

const KnownRule* FindKind(const KnownRules& known, pugi::xml_node element) {
    if (element.type() != pugi::node_element || known.element != element.name()) {
        return nullptr;
    }
    const pugi::xml_attribute attribute = element.attribute(known.nameAttribute.c_str());
    if (!attribute) {
        return nullptr;
    }
    const ReadableText readable(attribute.value());
    const std::string_view name = readable.c_str();
    for (const KnownRule& rule : known.rules) {
        if (rule.name == name) {
            return &rule;
        }
    }
    return nullptr;
}
