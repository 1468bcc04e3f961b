#include "host/TeskXMLNode.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "host/HeldReferences.h"
#include "host/NarrowText.h"
#include "host/TeskXMLDocument.h"
#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

// The memory of deleted wrappers, per thread, up to a bound. Sanitizer builds go straight to the
// heap, so that a wrapper used after its deletion is still caught.
struct FreeWrapper {
    FreeWrapper* next;
};
// GCC names AddressSanitizer with a macro, clang with a feature test.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VERITOR_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(VERITOR_ADDRESS_SANITIZER)
constexpr std::size_t kKeptWrappers = 0;
#else
constexpr std::size_t kKeptWrappers = 256;
#endif
// The framework is loaded with its host, so its few bytes per thread sit with the program's own
// and are reached without a call.
thread_local FreeWrapper* t_freeWrappers __attribute__((tls_model("initial-exec"))) = nullptr;
thread_local std::size_t t_freeWrapperCount __attribute__((tls_model("initial-exec"))) = 0;

CString Wide(const char* text) {
    return CString(platform::WideFromUtf8(ReadableText(text).c_str()));
}

// True when the wide text is the ASCII text.
bool SameAsciiText(const CString& wide, const char* text) {
    const std::wstring& held = wide.str();
    std::size_t i = 0;
    for (; i < held.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0 || c >= 0x80 || held[i] != static_cast<wchar_t>(c)) {
            return false;
        }
    }
    return text[i] == '\0';
}

template <typename Accept>
TeskXMLNodeList* CollectChildren(pugi::xml_node parent, Accept accept) {
    std::vector<TeskXMLNode> nodes;
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && accept(child)) {
            nodes.emplace_back(child);
        }
    }
    return new TeskXMLNodeList(std::move(nodes));
}

bool IsAttachedParent(pugi::xml_node parent) {
    return parent.type() == pugi::node_element && !TeskXMLDocument::IsDetachedPool(parent);
}

}  // namespace

CString TeskXMLNode::GetNodeName() const {
    return Wide(m_node.name());
}

void TeskXMLNode::AddAttribute(const CString& name, const CString& value) {
    SetAttribute(NarrowText(name).c_str(), value);
}

void TeskXMLNode::AddAttribute(const wchar_t* name, const CString& value) {
    SetAttribute(NarrowText(name).c_str(), value);
}

void TeskXMLNode::AddAttribute(const char* name, const CString& value) {
    SetAttribute(name ? name : "", value);
}

void TeskXMLNode::SetAttribute(const char* name, const CString& value) {
    pugi::xml_attribute attribute = m_node.attribute(name);
    if (!attribute) {
        attribute = m_node.append_attribute(name);
    }
    attribute.set_value(NarrowText(value).c_str());
}

bool TeskXMLNode::GetAttributeValue(const CString& name, CString& out) const {
    return ReadAttribute(NarrowText(name).c_str(), out);
}

bool TeskXMLNode::GetAttributeValue(const wchar_t* name, CString& out) const {
    return ReadAttribute(NarrowText(name).c_str(), out);
}

bool TeskXMLNode::ReadAttribute(const char* name, CString& out) const {
    const pugi::xml_attribute attribute = m_node.attribute(name);
    if (!attribute) {
        return false;
    }
    // A rule mostly reads back the texts it holds already, which then keep their buffers.
    if (!SameAsciiText(out, attribute.value())) {
        out = Wide(attribute.value());
    }
    return true;
}

TeskXMLNode* TeskXMLNode::AppendNode(TeskXMLNode* child) {
    if (!child || !child->m_node) {
        return nullptr;
    }
    const bool sameDocument = child->m_node.root() == m_node.root();
    const pugi::xml_node appended =
        sameDocument ? m_node.append_move(child->m_node) : m_node.append_copy(child->m_node);
    return appended ? new TeskXMLNode(appended) : nullptr;
}

TeskXMLNode* TeskXMLNode::AppendNode(const CString& name) {
    return AppendNode(name.GetString());
}

TeskXMLNode* TeskXMLNode::AppendNode(const wchar_t* name) {
    return AppendNode(NarrowText(name).c_str());
}

TeskXMLNode* TeskXMLNode::AppendNode(const char* name) {
    const pugi::xml_node appended = m_node.append_child(name ? name : "");
    return appended ? new TeskXMLNode(appended) : nullptr;
}

bool TeskXMLNode::ReplaceChild(TeskXMLNode* child, TeskXMLNode* replacement) {
    if (!child || !replacement || child->m_node.parent() != m_node) {
        return false;
    }
    const bool sameDocument = replacement->m_node.root() == m_node.root();
    const pugi::xml_node inserted =
        sameDocument ? m_node.insert_move_before(replacement->m_node, child->m_node)
                     : m_node.insert_copy_before(replacement->m_node, child->m_node);
    return inserted && m_node.remove_child(child->m_node);
}

void TeskXMLNode::SetNodeValue(const CString& text) {
    m_node.text().set(NarrowText(text).c_str());
}

CString TeskXMLNode::GetNodeValue() const {
    return Wide(m_node.text().get());
}

bool TeskXMLNode::GetNodeValueInInt(int& out) const {
    const ReadableText readable(m_node.text().get());
    const char* text = readable.c_str();
    if (const std::optional<int> plain = PlainDigits(text)) {
        out = *plain;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    while (end && (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n')) {
        ++end;
    }
    const bool whole = end != text && end && *end == '\0';
    if (!whole || errno == ERANGE || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max()) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

TeskXMLNode* TeskXMLNode::SelectSingleNode(const CString& name) const {
    return SelectSingleNode(name.GetString());
}

TeskXMLNode* TeskXMLNode::SelectSingleNode(const wchar_t* name) const {
    const pugi::xml_node found = m_node.child(NarrowText(name).c_str());
    return found ? new TeskXMLNode(found) : nullptr;
}

TeskXMLNodeList* TeskXMLNode::GetNodeList(const CString& name) const {
    return GetNodeList(name.GetString());
}

TeskXMLNodeList* TeskXMLNode::GetNodeList(const wchar_t* name) const {
    return GetNodeList(NarrowText(name).c_str());
}

TeskXMLNodeList* TeskXMLNode::GetNodeList(const char* name) const {
    const char* key = name ? name : "";
    return CollectChildren(
        m_node, [key](pugi::xml_node child) { return std::strcmp(key, child.name()) == 0; });
}

TeskXMLNodeList* TeskXMLNode::GetChildNodes() const {
    return CollectChildren(m_node, [](pugi::xml_node) { return true; });
}

TeskXMLNode* TeskXMLNode::GetParentNode() const {
    const pugi::xml_node parent = m_node.parent();
    return IsAttachedParent(parent) ? new TeskXMLNode(parent) : nullptr;
}

TeskXMLNodeList::TeskXMLNodeList(const std::vector<std::unique_ptr<TeskXMLNode>>& nodes) {
    m_nodes.reserve(nodes.size());
    for (const std::unique_ptr<TeskXMLNode>& node : nodes) {
        m_nodes.emplace_back(node ? node->Handle() : pugi::xml_node());
    }
}

TeskXMLNode* TeskXMLNodeList::GetItem(int index) const {
    if (index < 0 || index >= GetSize()) {
        return nullptr;
    }
    // A wrapper's one member, the element's handle, never changes: what callers change through
    // it is the document.
    return const_cast<TeskXMLNode*>(&m_nodes[static_cast<std::size_t>(index)]);
}

void* TeskXMLNode::operator new(std::size_t size) {
    static_assert(sizeof(TeskXMLNode) >= sizeof(FreeWrapper));
    if (size != sizeof(TeskXMLNode) || !t_freeWrappers) {
        return ::operator new(size);
    }
    FreeWrapper* kept = t_freeWrappers;
    t_freeWrappers = kept->next;
    --t_freeWrapperCount;
    return kept;
}

void TeskXMLNode::operator delete(void* memory, std::size_t size) noexcept {
    if (!memory) {
        return;
    }
    if (size != sizeof(TeskXMLNode) || t_freeWrapperCount >= kKeptWrappers) {
        ::operator delete(memory, size);
        return;
    }
    t_freeWrappers = new (memory) FreeWrapper{t_freeWrappers};
    ++t_freeWrapperCount;
}
