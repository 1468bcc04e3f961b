#include "document/RuleDocument.h"

#include <cstring>

#include "app/ModuleExports.h"
#include "document/DocumentChecks.h"
#include "document/DocumentNodes.h"
#include "document/KnownRules.h"

namespace {

// The parts of a parameter record the rule writes itself.
bool IsWrittenByTheRule(pugi::xml_node child) {
    if (child.type() != pugi::node_element) {
        return false;
    }
    const char* name = child.name();
    return NameIs(name, "Value") || NameIs(name, "Operator") || NameIs(name, "ParameterType") ||
           NameIs(name, "Remarks");
}

bool IsParameterRecord(pugi::xml_node node) {
    return node.type() == pugi::node_element && NameIs(node.name(), "Parameter");
}

// The rewritten element mostly holds the old one's attributes in the same order, so the one at
// the same place is tried before the whole list is searched.
void KeepForeignAttributes(pugi::xml_node old, pugi::xml_node fresh) {
    pugi::xml_attribute samePlace = fresh.first_attribute();
    for (pugi::xml_attribute attribute = old.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        const bool kept = samePlace && std::strcmp(samePlace.name(), attribute.name()) == 0;
        if (!kept && !fresh.attribute(attribute.name())) {
            fresh.append_copy(attribute);
        }
        samePlace = samePlace.next_attribute();
    }
}

// What the module does not write survives a rewrite of a rule: attributes it does not write, and
// the child nodes it does not make (comments, processing instructions, elements of its own, the
// records of parameters the rule does not know), in the rule element and in each of its records.
void KeepForeignContent(pugi::xml_node old, pugi::xml_node fresh) {
    KeepForeignAttributes(old, fresh);
    for (pugi::xml_node child = old.first_child(); child; child = child.next_sibling()) {
        pugi::xml_node record = IsParameterRecord(child)
                                    ? fresh.find_child_by_attribute("Parameter", "Type",
                                                                    child.attribute("Type").value())
                                    : pugi::xml_node();
        if (!record) {
            fresh.append_copy(child);
            continue;
        }
        KeepForeignAttributes(child, record);
        for (pugi::xml_node part = child.first_child(); part; part = part.next_sibling()) {
            if (!IsWrittenByTheRule(part)) {
                record.append_copy(part);
            }
        }
    }
}

}  // namespace

void RuleDocument::ReplaceRuleElement(LoadedRule& loaded) {
    SetXMLDoc(&m_xml);
    std::unique_ptr<TeskXMLNode> element(loaded.rule->GetXML());
    if (element) {
        KeepForeignContent(loaded.element->Handle(), element->Handle());
    }
    if (element && Root().ReplaceChild(loaded.element.get(), element.get())) {
        loaded.element = std::move(element);
    }
}

std::string RuleDocument::SaveText(const std::filesystem::path& path) const {
    return m_encoding.FromUtf8(SaveUtf8(path));
}

void RuleDocument::CheckBeforeSave(const std::filesystem::path& path) const {
    CheckRuleElements(path.string() + ": not saved", KnownRules(), m_root->Handle());
}

std::string RuleDocument::SaveUtf8(const std::filesystem::path& path) const {
    CheckBeforeSave(path);
    return m_xml.SaveText(m_encoding.Name());
}
