#include "host/TeskXMLDocument.h"

#include <optional>
#include <string_view>
#include <unordered_set>

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "host/CharacterReferences.h"
#include "host/HeldReferences.h"
#include "host/NarrowText.h"
#include "platform/Utf.h"

namespace {

constexpr const char* kPoolName = "tesk:detached";

std::string LineAndColumn(std::string_view text, std::ptrdiff_t offset) {
    const auto end = static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size())));
    const std::string_view before = text.substr(0, end);
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? end + 1 : end - lineStart;
    return fmt::format("line {}, column {}", line, column);
}

// Collects the printed document straight into a string, without a stream's formatting layer.
struct TextWriter : pugi::xml_writer {
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

}  // namespace

TeskXMLDocument::TeskXMLDocument() = default;

bool TeskXMLDocument::IsDetachedPool(pugi::xml_node node) {
    return node.parent().type() == pugi::node_document &&
           std::string_view(node.name()) == kPoolName;
}

pugi::xml_node TeskXMLDocument::DetachedPool() {
    if (m_pool) {
        return m_pool;
    }
    for (pugi::xml_node child : m_doc.children()) {
        if (IsDetachedPool(child)) {
            return m_pool = child;
        }
    }
    return m_pool = m_doc.append_child(kPoolName);
}

pugi::xml_node TeskXMLDocument::RootElement() const {
    for (pugi::xml_node child : m_doc.children()) {
        if (child.type() == pugi::node_element && !IsDetachedPool(child)) {
            return child;
        }
    }
    return {};
}

TeskXMLNode* TeskXMLDocument::CreateNode(const CString& name) {
    return CreateNode(name.GetString());
}

TeskXMLNode* TeskXMLDocument::CreateNode(const wchar_t* name) {
    return CreateNode(NarrowText(name).c_str());
}

TeskXMLNode* TeskXMLDocument::CreateNode(const char* name) {
    const pugi::xml_node node = DetachedPool().append_child(name ? name : "");
    return node ? new TeskXMLNode(node) : nullptr;
}

namespace {

// The first attribute of the element whose name an earlier one has, in a list of any length.
pugi::xml_attribute RepeatedInLongList(pugi::xml_node element) {
    std::unordered_set<std::string_view> names;
    for (const pugi::xml_attribute attribute : element.attributes()) {
        if (!names.insert(attribute.name()).second) {
            return attribute;
        }
    }
    return {};
}

// The same for the few attributes elements have, which are compared in turn.
pugi::xml_attribute RepeatedAttribute(pugi::xml_node element) {
    constexpr std::size_t kComparedInTurn = 16;
    std::array<const char*, kComparedInTurn> names{};
    std::size_t count = 0;
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
        if (count == kComparedInTurn) {
            return RepeatedInLongList(element);
        }
        const char* name = attribute.name();
        for (std::size_t i = 0; i < count; ++i) {
            if (names[i][0] == name[0] && std::strcmp(names[i], name) == 0) {
                return attribute;
            }
        }
        names[count++] = name;
    }
    return {};
}

// What the parser lets through but a document must not hold: nesting deeper than
// TeskXMLDocument::kMaxDepth, and an attribute given twice on one element.
class ShapeCheck : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node& node) override {
        if (node.type() != pugi::node_element) {
            return true;
        }
        if (depth() >= TeskXMLDocument::kMaxDepth) {
            problem = fmt::format("elements are nested deeper than {} levels",
                                  TeskXMLDocument::kMaxDepth);
        } else if (const pugi::xml_attribute twice = RepeatedAttribute(node)) {
            problem = fmt::format("the attribute \"{}\" is given twice on <{}>", twice.name(),
                                  node.name());
        }
        return !problem;
    }

    std::optional<std::string> problem;
};

// The walk is the library's own, without recursion, so no input's depth reaches the stack.
std::optional<std::string> ShapeProblem(pugi::xml_document& document) {
    ShapeCheck check;
    document.traverse(check);
    return check.problem;
}

}  // namespace

bool TeskXMLDocument::LoadText(std::string_view utf8, std::string& error) {
    // Comments, processing instructions, the document type and the declaration are kept, so that
    // a save gives back what it does not understand; entities are never expanded.
    constexpr unsigned kKeepEverything = pugi::parse_default | pugi::parse_comments |
                                         pugi::parse_pi | pugi::parse_doctype |
                                         pugi::parse_declaration;
    m_pool = {};
    m_loadedSize = utf8.size();
    const std::optional<std::string> held = HoldReferences(utf8);
    m_holdsReferences = held.has_value();
    const std::string_view parsed = held ? std::string_view(*held) : utf8;
    const pugi::xml_parse_result result =
        m_doc.load_buffer(parsed.data(), parsed.size(), kKeepEverything, pugi::encoding_utf8);
    if (!result) {
        error = fmt::format("{} at {}", result.description(), LineAndColumn(utf8, result.offset));
        m_doc.reset();
        return false;
    }
    if (!RootElement()) {
        error = "no root element";
    } else if (const std::optional<std::string> problem = ShapeProblem(m_doc)) {
        error = *problem;
    } else if (const auto reference = FindForbiddenCharacterReference(utf8)) {
        error = fmt::format("\"{}\" refers to a character XML does not allow, at {}",
                            reference->text, LineAndColumn(utf8, reference->offset));
    } else {
        return true;
    }
    m_doc.reset();
    return false;
}

// Everything at the top goes back: the declaration (naming the encoding the text will be
// written in), comments, processing instructions, the document type and the root element.
std::string TeskXMLDocument::SaveText(const std::string& encoding) const {
    TextWriter out;
    // Room for the document as it was loaded and some growth, instead of a copy at every doubling.
    out.text.reserve(m_loadedSize + m_loadedSize / 8);
    pugi::xml_node declaration = m_doc.first_child();
    if (declaration.type() == pugi::node_declaration) {
        if (pugi::xml_attribute named = declaration.attribute("encoding")) {
            named.set_value(encoding.c_str());
        } else if (encoding != "UTF-8") {
            declaration.append_attribute("encoding").set_value(encoding.c_str());
        }
    } else {
        out.text = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n";
    }
    if (RootElement()) {
        for (const pugi::xml_node node : m_doc.children()) {
            if (!IsDetachedPool(node)) {
                node.print(out, "  ", pugi::format_indent);
            }
        }
    }
    if (m_holdsReferences) {
        RestoreReferences(out.text);
    }
    return std::move(out.text);
}

TeskXMLNode* TeskXMLDocument::GetRootNode() const {
    const pugi::xml_node root = RootElement();
    return root ? new TeskXMLNode(root) : nullptr;
}

void TeskXMLDocument::SetRootNode(TeskXMLNode* node) {
    if (!node) {
        return;
    }
    const pugi::xml_node old = RootElement();
    if (old == node->Handle()) {
        return;
    }
    const pugi::xml_node placed = node->Handle().root() == m_doc.root()
                                      ? m_doc.append_move(node->Handle())
                                      : m_doc.append_copy(node->Handle());
    if (placed && old) {
        m_doc.remove_child(old);
    }
}
