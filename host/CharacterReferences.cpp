#include "host/CharacterReferences.h"

#include <cctype>
#include <utility>

bool IsXmlCharacter(char32_t code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code < kBeyondUnicode);
}

std::optional<CharacterReference> ReadCharacterReference(std::string_view xml, std::size_t at) {
    if (at + 1 >= xml.size() || xml[at + 1] != '#') {
        return std::nullopt;
    }
    std::size_t pos = at + 2;
    const bool hex = pos < xml.size() && xml[pos] == 'x';
    pos += hex ? 1 : 0;
    const std::size_t digitsStart = pos;
    char32_t code = 0;
    for (; pos < xml.size(); ++pos) {
        const auto c = static_cast<unsigned char>(xml[pos]);
        const bool digit = hex ? std::isxdigit(c) != 0 : std::isdigit(c) != 0;
        if (!digit) {
            break;
        }
        const char32_t value =
            std::isdigit(c) ? c - '0' : static_cast<char32_t>(std::tolower(c) - 'a' + 10);
        code = code < kBeyondUnicode ? code * (hex ? 16 : 10) + value : kBeyondUnicode;
    }
    if (pos == digitsStart || pos >= xml.size() || xml[pos] != ';') {
        return std::nullopt;
    }
    return CharacterReference{xml.substr(at, pos + 1 - at), code};
}

namespace {

// Whether offsets, asked in increasing order, lie in a comment, a CDATA section or a processing
// instruction, where "&#0;" is just text. Each part of the text is looked at once.
class LiteralSections {
public:
    explicit LiteralSections(std::string_view xml) : m_xml(xml) {}

    bool Contain(std::size_t offset) {
        while (m_sectionEnd <= offset) {
            const std::size_t open = m_xml.find('<', m_sectionEnd);
            if (open == std::string_view::npos || open > offset) {
                return false;
            }
            m_sectionEnd = EndOfSectionAt(open);
            if (m_sectionEnd > open + 1 && m_sectionEnd > offset) {
                return true;
            }
        }
        return true;
    }

private:
    // Past the comment, section or instruction opening at open; open + 1 for other markup.
    std::size_t EndOfSectionAt(std::size_t open) const {
        const std::string_view rest = m_xml.substr(open);
        for (const auto& [start, end] : kSections) {
            if (rest.starts_with(start)) {
                const std::size_t close = m_xml.find(end, open + start.size());
                return close == std::string_view::npos ? m_xml.size() : close + end.size();
            }
        }
        return open + 1;
    }

    static constexpr std::pair<std::string_view, std::string_view> kSections[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};

    std::string_view m_xml;
    std::size_t m_sectionEnd = 0;
};

}  // namespace

std::optional<ForbiddenReference> FindForbiddenCharacterReference(std::string_view xml) {
    LiteralSections literal(xml);
    for (std::size_t at = xml.find("&#"); at != std::string_view::npos;
         at = xml.find("&#", at + 2)) {
        const std::optional<CharacterReference> reference = ReadCharacterReference(xml, at);
        if (reference && !IsXmlCharacter(reference->code) && !literal.Contain(at)) {
            return ForbiddenReference{at, reference->text};
        }
    }
    return std::nullopt;
}
