#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Character references (&#N; and &#xN;) in a document's text. XML allows a reference only to a
// character it allows in text: tab, line feed, carriage return, U+0020 to U+D7FF, U+E000 to
// U+FFFD and U+10000 to U+10FFFF. A reference to any other (&#0;, a surrogate, a number beyond
// U+10FFFF) would cut a text short or be written back as bytes no reader takes. What stands in
// comments, CDATA sections and processing instructions is no reference.
struct ForbiddenReference {
    std::size_t offset;     // of its "&"
    std::string_view text;  // "&#xD800;"
};

// The reference whose "&#" (or held "&", see HeldReferences.h) stands at at, as far as its ";",
// and the character it names (kBeyondUnicode for any number beyond Unicode); nothing when no
// reference stands there.
inline constexpr char32_t kBeyondUnicode = 0x110000;
struct CharacterReference {
    std::string_view text;
    char32_t code;
};
std::optional<CharacterReference> ReadCharacterReference(std::string_view text, std::size_t at);
bool IsXmlCharacter(char32_t code);

// The first reference to a character XML does not allow, or nothing.
std::optional<ForbiddenReference> FindForbiddenCharacterReference(std::string_view xml);
