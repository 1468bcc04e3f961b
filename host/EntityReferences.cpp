#include "host/EntityReferences.h"

#include <algorithm>
#include <array>

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

}  // namespace

std::optional<std::string> HoldEntityReferences(std::string_view utf8) {
    std::optional<std::string> held;
    for (std::size_t at = utf8.find('&'); at != std::string_view::npos;
         at = utf8.find('&', at + 1)) {
        if (IsEntityReference(utf8, at)) {
            if (!held) {
                held.emplace(utf8);
            }
            (*held)[at] = kHeldAmpersand;
        }
    }
    return held;
}

void RestoreEntityReferences(std::string& text) {
    std::replace(text.begin(), text.end(), kHeldAmpersand, '&');
}
