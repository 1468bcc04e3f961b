#pragma once

#include <cstddef>
#include <memory>
#include <pugixml.hpp>
#include <vector>

#include "platform/CString.h"

class TeskXMLNodeList;

// A wrapper around one element of a host XML document. Every wrapper an operation returns is a
// new object that the caller deletes; the element itself stays in its document.
class TeskXMLNode {
public:
    explicit TeskXMLNode(pugi::xml_node node) : m_node(node) {}

    // Wrappers are made and deleted by the thousand while a document is read and written, so the
    // memory of deleted ones is kept for the next; callers still make and delete them as ever.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size) noexcept;

    CString GetNodeName() const;

    // Each operation that takes a name also takes it as a plain wide text, so that a literal
    // name costs no string; those that write one, and GetNodeList, also take it in UTF-8, as the
    // document holds it, so that a name the caller knows in that form is not converted again.

    // Sets the attribute, replacing its value when it exists.
    void AddAttribute(const CString& name, const CString& value);
    void AddAttribute(const wchar_t* name, const CString& value);
    void AddAttribute(const char* name, const CString& value);
    // True when the attribute exists; out then holds its text.
    bool GetAttributeValue(const CString& name, CString& out) const;
    bool GetAttributeValue(const wchar_t* name, CString& out) const;

    // Moves the element (or, from another document, a copy of it) under this one as the last
    // child; returns a new wrapper of the appended element, null when it cannot be appended.
    TeskXMLNode* AppendNode(TeskXMLNode* child);
    // Appends a new child element; returns its new wrapper.
    TeskXMLNode* AppendNode(const CString& name);
    TeskXMLNode* AppendNode(const wchar_t* name);
    TeskXMLNode* AppendNode(const char* name);
    // Puts replacement where child stands and drops child; false when child is not a child.
    bool ReplaceChild(TeskXMLNode* child, TeskXMLNode* replacement);

    void SetNodeValue(const CString& text);
    CString GetNodeValue() const;
    // True when the text is a whole decimal integer that fits; out is left alone otherwise.
    bool GetNodeValueInInt(int& out) const;

    // The first child element of that name, or null.
    TeskXMLNode* SelectSingleNode(const CString& name) const;
    TeskXMLNode* SelectSingleNode(const wchar_t* name) const;
    // The child elements of that name, in document order.
    TeskXMLNodeList* GetNodeList(const CString& name) const;
    TeskXMLNodeList* GetNodeList(const wchar_t* name) const;
    TeskXMLNodeList* GetNodeList(const char* name) const;
    // All child elements, in document order.
    TeskXMLNodeList* GetChildNodes() const;
    // The parent element; null at the root and for an element not yet attached.
    TeskXMLNode* GetParentNode() const;

    pugi::xml_node Handle() const { return m_node; }

private:
    void SetAttribute(const char* name, const CString& value);
    bool ReadAttribute(const char* name, CString& out) const;
    pugi::xml_node m_node;
};

// Child elements taken from a node. The list owns the node wrappers it hands out, held in
// one block: lists are taken for every record read.
class TeskXMLNodeList {
public:
    explicit TeskXMLNodeList(std::vector<TeskXMLNode> nodes) : m_nodes(std::move(nodes)) {}
    explicit TeskXMLNodeList(const std::vector<std::unique_ptr<TeskXMLNode>>& nodes);

    int GetSize() const { return static_cast<int>(m_nodes.size()); }
    // The node at index (from 0), owned by the list; null outside the list.
    TeskXMLNode* GetItem(int index) const;
    TeskXMLNode* operator[](int index) const { return GetItem(index); }

private:
    std::vector<TeskXMLNode> m_nodes;
};
