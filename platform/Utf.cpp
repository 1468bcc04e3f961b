#include "platform/Utf.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one code point starting at text[pos] and advances pos past it.
char32_t DecodeOne(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < length; ++i) {
        if (pos >= text.size() || !IsContinuation(static_cast<unsigned char>(text[pos]))) {
            return kReplacement;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate) {
        return kReplacement;
    }
    return code;
}

void EncodeOne(char32_t code, std::string& out) {
    if (code >= 0xD800 && code <= 0xDFFF) {
        code = kReplacement;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        EncodeOne(kReplacement, out);
    }
}

// Most texts (names, numbers, English words) are ASCII, where every character is one unit in
// both forms and needs no decoding.
template <typename Char>
bool IsAscii(std::basic_string_view<Char> text) {
    return std::all_of(text.begin(), text.end(),
                       [](Char c) { return static_cast<std::make_unsigned_t<Char>>(c) < 0x80; });
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::wstring(utf8.begin(), utf8.end());
    }
    std::wstring wide;
    wide.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        wide += static_cast<wchar_t>(DecodeOne(utf8, pos));
    }
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    if (IsAscii(wide)) {
        return std::string(wide.begin(), wide.end());
    }
    std::string utf8;
    utf8.reserve(wide.size());
    for (wchar_t c : wide) {
        EncodeOne(static_cast<char32_t>(static_cast<std::uint32_t>(c)), utf8);
    }
    return utf8;
}

std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    constexpr std::string_view kEncodedReplacement = "\xEF\xBF\xBD";
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::uint64_t eight = 0;
        if (pos + sizeof eight <= utf8.size()) {
            std::memcpy(&eight, utf8.data() + pos, sizeof eight);
            if ((eight & kHighBits) == 0) {
                pos += sizeof eight;
                continue;
            }
        }
        const std::size_t start = pos;
        if (DecodeOne(utf8, pos) == kReplacement &&
            utf8.substr(start, kEncodedReplacement.size()) != kEncodedReplacement) {
            return start;
        }
    }
    return std::nullopt;
}

}  // namespace platform
