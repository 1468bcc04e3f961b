#include "host/HeldReferences.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "host/CharacterReferences.h"
#include "platform/Utf.h"

namespace {

constexpr std::array<std::string_view, 5> kPredefined = {"amp", "lt", "gt", "quot", "apos"};

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsNameCharacter(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Whether "&name;" starts at the ampersand at, naming an entity the parser does not expand.
bool IsEntityReference(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    if (end >= text.size() || !IsNameStart(static_cast<unsigned char>(text[end]))) {
        return false;
    }
    while (end < text.size() && IsNameCharacter(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    if (end >= text.size() || text[end] != ';') {
        return false;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    return std::find(kPredefined.begin(), kPredefined.end(), name) == kPredefined.end();
}

// Whether "&name;" or "&#N;" starts at the ampersand at, which the parser would not give back as
// it stands.
bool IsHeldReference(std::string_view text, std::size_t at) {
    return ReadCharacterReference(text, at).has_value() || IsEntityReference(text, at);
}

}  // namespace

std::optional<std::string> HoldReferences(std::string_view utf8) {
    std::optional<std::string> held;
    for (std::size_t at = utf8.find('&'); at != std::string_view::npos;
         at = utf8.find('&', at + 1)) {
        if (IsHeldReference(utf8, at)) {
            if (!held) {
                held.emplace(utf8);
            }
            (*held)[at] = kHeldAmpersand;
        }
    }
    return held;
}

void RestoreReferences(std::string& text) {
    std::replace(text.begin(), text.end(), kHeldAmpersand, '&');
}

ReadableText::ReadableText(const char* held) : m_text(held ? held : "") {
    if (!std::strchr(m_text, kHeldAmpersand)) {
        return;
    }
    const std::string_view text(m_text);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != kHeldAmpersand) {
            m_read += text[at];
            continue;
        }
        const std::optional<CharacterReference> reference = ReadCharacterReference(text, at);
        if (reference && IsXmlCharacter(reference->code)) {
            m_read +=
                platform::Utf8FromWide(std::wstring(1, static_cast<wchar_t>(reference->code)));
            at += reference->text.size() - 1;
        } else {
            m_read += '&';
        }
    }
    m_text = m_read.c_str();
}
