#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "host/TeskXMLNode.h"

// The host's rule XML document. Elements are created unattached and later appended where they
// belong; until then they wait in a hidden holder that is never saved.
class TeskXMLDocument {
public:
    TeskXMLDocument();
    TeskXMLDocument(const TeskXMLDocument&) = delete;
    TeskXMLDocument& operator=(const TeskXMLDocument&) = delete;

    // A new element, not yet attached; the caller deletes the wrapper.
    TeskXMLNode* CreateNode(const CString& name);
    TeskXMLNode* CreateNode(const wchar_t* name);
    // The name in UTF-8, as the document holds it.
    TeskXMLNode* CreateNode(const char* name);

    // How deep elements may nest: far more than any rule document needs (it uses four levels).
    static constexpr int kMaxDepth = 64;

    // Replaces the content with the parsed text; on failure the document is empty and error says
    // where and why. Elements nested deeper than kMaxDepth, an attribute given twice on one
    // element and a reference to a character XML does not allow (&#0;) are refused like any
    // other malformed text.
    bool LoadText(std::string_view utf8, std::string& error);
    // The document as UTF-8 text with an XML declaration that names this encoding (the one the
    // caller then writes the text in), indented.
    std::string SaveText(const std::string& encoding = "UTF-8") const;

    // The root element (new wrapper), or null when the document has none.
    TeskXMLNode* GetRootNode() const;
    // Makes node the root element, replacing any root there was.
    void SetRootNode(TeskXMLNode* node);

    static bool IsDetachedPool(pugi::xml_node node);

private:
    pugi::xml_node RootElement() const;
    pugi::xml_node DetachedPool();

    pugi::xml_document m_doc;
    // The holder of unattached elements once found or made: nothing removes it but loading,
    // which forgets it.
    pugi::xml_node m_pool;
    // The length of the text last loaded: what a save of the same document will roughly print.
    std::size_t m_loadedSize = 0;
    // The text last loaded held references, whose ampersands are held (HeldReferences.h).
    bool m_holdsReferences = false;
};
