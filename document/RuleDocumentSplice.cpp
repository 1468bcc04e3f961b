#include "document/RuleDocument.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string_view>

#include "app/ModuleExports.h"
#include "document/KnownRules.h"
#include "host/HeldReferences.h"

namespace {

// Where the element that starts at start ends in well-formed text: past its end tag, or past
// its own tag when it closes itself; npos when the text does not hold one there.
std::size_t ElementEnd(std::string_view text, std::size_t start) {
    int depth = 0;
    for (std::size_t at = start; at < text.size();) {
        if (text[at] != '<') {
            at = text.find('<', at);
            continue;
        }
        const std::string_view rest = text.substr(at);
        const auto skip = [&](std::string_view closing) {
            const std::size_t close = text.find(closing, at);
            return close == std::string_view::npos ? close : close + closing.size();
        };
        if (rest.starts_with("<!--")) {
            at = skip("-->");
        } else if (rest.starts_with("<![CDATA[")) {
            at = skip("]]>");
        } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
            at = skip(">");
        } else if (rest.starts_with("</")) {
            at = skip(">");
            if (--depth == 0) {
                return at;
            }
        } else {
            char quote = 0;
            std::size_t close = at + 1;
            for (; close < text.size() && (quote || text[close] != '>'); ++close) {
                if (quote ? text[close] == quote : text[close] == '"' || text[close] == '\'') {
                    quote = quote ? 0 : text[close];
                }
            }
            if (close >= text.size()) {
                return std::string_view::npos;
            }
            const bool closesItself = text[close - 1] == '/';
            at = close + 1;
            if (!closesItself) {
                ++depth;
            } else if (depth == 0) {
                return at;
            }
        }
    }
    return std::string_view::npos;
}

// The text is one element and nothing else. The source read as a document, so one such element
// put in place of another leaves it one, without reading the whole of it again.
bool IsOneElement(std::string_view text) {
    constexpr unsigned kEverythingKept =
        pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration;
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), kEverythingKept, pugi::encoding_utf8)) {
        return false;
    }
    const pugi::xml_node only = document.first_child();
    return only.type() == pugi::node_element && !only.next_sibling();
}

}  // namespace

std::string RuleDocument::SaveTextChangingOnly(const LoadedRule& loaded,
                                               const std::filesystem::path& path) const {
    return m_encoding.FromUtf8(SpliceRule(loaded, path));
}

std::string RuleDocument::SpliceRule(const LoadedRule& loaded,
                                     const std::filesystem::path& path) const {
    CheckBeforeSave(path);
    // The whole document is printed only when the splice cannot be made.
    std::optional<std::string> spliced = SpliceIntoSource(loaded);
    return spliced ? std::move(*spliced) : WholeText();
}

std::optional<std::string> RuleDocument::ChangeRuleInPlace(LoadedRule& loaded,
                                                           std::vector<LoadedRule>& rules,
                                                           const std::filesystem::path& path) {
    ReplaceRuleElement(loaded);
    CheckBeforeSave(path);
    std::optional<std::string> spliced = SpliceIntoSource(loaded);
    if (!spliced) {
        return std::nullopt;
    }
    // Every byte before and after the element is kept, so the rules after it move by the
    // difference alone.
    const std::ptrdiff_t growth =
        static_cast<std::ptrdiff_t>(spliced->size()) - static_cast<std::ptrdiff_t>(m_source.size());
    for (LoadedRule& rule : rules) {
        if (rule.sourceOffset > loaded.sourceOffset) {
            rule.sourceOffset += growth;
        }
    }
    m_source = std::move(*spliced);
    SetXMLDoc(&m_xml);
    LoadRuleOf(KnownRules(), loaded);
    return m_encoding.FromUtf8(m_source);
}

std::optional<std::string> RuleDocument::SpliceIntoSource(const LoadedRule& loaded) const {
    const auto start = static_cast<std::size_t>(std::max<std::ptrdiff_t>(loaded.sourceOffset, 0));
    const std::string name = std::string("<") + loaded.element->Handle().name();
    const std::size_t end = ElementEnd(m_source, start);
    if (loaded.sourceOffset < 0 || start >= m_source.size() ||
        m_source.compare(start, name.size(), name) != 0 || end == std::string::npos) {
        return std::nullopt;
    }
    // The new element takes the old one's indentation, when it starts a line of its own.
    const std::size_t lineStart = m_source.find_last_of('\n', start) + 1;
    std::string indentation = m_source.substr(lineStart, start - lineStart);
    if (indentation.find_first_not_of(" \t") != std::string::npos) {
        indentation.clear();
    }
    std::ostringstream printed;
    loaded.element->Handle().print(printed, "  ", pugi::format_indent);
    std::string element = printed.str();
    while (!element.empty() && element.back() == '\n') {
        element.pop_back();
    }
    for (std::size_t at = element.find('\n'); at != std::string::npos;
         at = element.find('\n', at + 1 + indentation.size())) {
        element.insert(at + 1, indentation);
    }
    RestoreReferences(element);
    element = WithDocumentLineBreaks(std::move(element));
    // Should the text around the element be anything the splice did not foresee, what would not
    // read back as a document falls back to the whole save.
    if (!IsOneElement(std::string_view(m_source).substr(start, end - start)) ||
        !IsOneElement(element)) {
        return std::nullopt;
    }
    std::string spliced;
    spliced.reserve(m_source.size() - (end - start) + element.size());
    spliced.append(m_source, 0, start).append(element).append(m_source, end);
    return spliced;
}
