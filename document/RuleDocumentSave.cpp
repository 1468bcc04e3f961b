#include "document/RuleDocument.h"

#include "app/ModuleExports.h"
#include "document/DocumentChecks.h"
#include "document/ForeignContent.h"
#include "document/KnownRules.h"

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
    return WholeText();
}

std::string RuleDocument::WholeText() const {
    return WithDocumentLineBreaks(m_xml.SaveText(m_encoding.Name()));
}

std::string RuleDocument::WithDocumentLineBreaks(std::string text) const {
    if (!m_crlf) {
        return text;
    }
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return crlf;
}
