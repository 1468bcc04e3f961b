#include "document/ForeignContent.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "document/DocumentNodes.h"
#include "host/HeldReferences.h"

namespace {

constexpr std::array<const char*, 4> kPartsTheRuleWrites = {"Value", "Operator", "ParameterType",
                                                            "Remarks"};

bool IsWrittenByTheRule(pugi::xml_node part) {
    if (!IsElement(part)) {
        return false;
    }
    for (const char* name : kPartsTheRuleWrites) {
        if (NameIs(part.name(), name)) {
            return true;
        }
    }
    return false;
}

bool IsParameterRecord(pugi::xml_node node) {
    return IsElement(node) && NameIs(node.name(), "Parameter");
}

bool IsText(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The old element's attributes the fresh one lacks are appended to it. Each old attribute is
// compared with the rule's own few, never with those appended, so the cost stays linear.
void KeepForeignAttributes(pugi::xml_node old, pugi::xml_node fresh) {
    std::vector<const char*> written;
    for (pugi::xml_attribute attribute = fresh.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        written.push_back(attribute.name());
    }
    for (pugi::xml_attribute attribute = old.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        const auto isNamed = [name](const char* other) { return std::strcmp(other, name) == 0; };
        if (std::none_of(written.begin(), written.end(), isNamed)) {
            fresh.append_copy(attribute);
        }
    }
}

// Comments, processing instructions and elements inside a part the rule writes (a Value, say)
// go into the fresh part on the same side of its text as they stood.
void KeepForeignPartContent(pugi::xml_node old, pugi::xml_node fresh) {
    KeepForeignAttributes(old, fresh);
    pugi::xml_node freshText = fresh.first_child();
    while (freshText && !IsText(freshText)) {
        freshText = freshText.next_sibling();
    }
    bool pastText = false;
    for (pugi::xml_node child = old.first_child(); child; child = child.next_sibling()) {
        if (IsText(child)) {
            pastText = true;
        } else if (pastText || !freshText) {
            fresh.append_copy(child);
        } else {
            fresh.insert_copy_before(child, freshText);
        }
    }
}

// The fresh record's parts of one name, handed out in order to the old record's parts of that
// name: the second Value of the old record is matched with the second Value the rule wrote.
class FreshParts {
public:
    explicit FreshParts(pugi::xml_node record) {
        for (pugi::xml_node part = record.first_child(); part; part = part.next_sibling()) {
            if (IsWrittenByTheRule(part)) {
                m_parts[part.name()].push_back(part);
            }
        }
    }
    pugi::xml_node Next(const char* name) {
        const auto found = m_parts.find(name);
        std::size_t& taken = m_taken[name];
        return found == m_parts.end() || taken >= found->second.size() ? pugi::xml_node()
                                                                       : found->second[taken++];
    }

private:
    std::unordered_map<std::string_view, std::vector<pugi::xml_node>> m_parts;
    std::unordered_map<std::string_view, std::size_t> m_taken;
};

void KeepForeignRecordContent(pugi::xml_node old, pugi::xml_node fresh) {
    KeepForeignAttributes(old, fresh);
    FreshParts freshParts(fresh);
    for (pugi::xml_node part = old.first_child(); part; part = part.next_sibling()) {
        if (!IsWrittenByTheRule(part)) {
            fresh.append_copy(part);
        } else if (const pugi::xml_node freshPart = freshParts.Next(part.name())) {
            KeepForeignPartContent(part, freshPart);
        }
    }
}

// The rule's records in the fresh element by their Type, each given to the first old record of
// that Type, which is the one the rule read.
class FreshRecords {
public:
    explicit FreshRecords(pugi::xml_node element) {
        for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
            if (IsParameterRecord(child)) {
                m_byType.try_emplace(child.attribute("Type").value(), child);
            }
        }
    }
    // The old record's Type as the rule read it.
    pugi::xml_node Take(const char* heldType) {
        const auto found = m_byType.find(ReadableText(heldType).c_str());
        if (found == m_byType.end()) {
            return {};
        }
        return std::exchange(found->second, pugi::xml_node());
    }

private:
    // The keys are the fresh records' own attribute texts, which appending does not move.
    std::unordered_map<std::string_view, pugi::xml_node> m_byType;
};

}  // namespace

void KeepForeignContent(pugi::xml_node old, pugi::xml_node fresh) {
    KeepForeignAttributes(old, fresh);
    FreshRecords records(fresh);
    for (pugi::xml_node child = old.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_node record = IsParameterRecord(child)
                                          ? records.Take(child.attribute("Type").value())
                                          : pugi::xml_node();
        if (record) {
            KeepForeignRecordContent(child, record);
        } else {
            fresh.append_copy(child);
        }
    }
}
