#include "document/RuleDocument.h"

#include <algorithm>
#include <sstream>
#include <string_view>

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

}  // namespace

std::string RuleDocument::SaveTextChangingOnly(const LoadedRule& loaded,
                                               const std::filesystem::path& path) const {
    return m_encoding.FromUtf8(SpliceRule(loaded, path));
}

std::string RuleDocument::SpliceRule(const LoadedRule& loaded,
                                     const std::filesystem::path& path) const {
    CheckBeforeSave(path);
    // The whole document is printed only when the splice cannot be made.
    const auto whole = [this] { return WholeText(); };
    const auto start = static_cast<std::size_t>(std::max<std::ptrdiff_t>(loaded.sourceOffset, 0));
    const std::string name = std::string("<") + loaded.element->Handle().name();
    const std::size_t end = ElementEnd(m_source, start);
    if (loaded.sourceOffset < 0 || start >= m_source.size() ||
        m_source.compare(start, name.size(), name) != 0 || end == std::string::npos) {
        return whole();
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
    std::string spliced = m_source.substr(0, start) + element + m_source.substr(end);
    // Should the text around the element be anything the splice did not foresee, what does not
    // read back as a document falls back to the whole save.
    TeskXMLDocument check;
    std::string error;
    return check.LoadText(spliced, error) ? spliced : whole();
}
