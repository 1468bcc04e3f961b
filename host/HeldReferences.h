#pragma once

#include <optional>
#include <string>
#include <string_view>

// References in a document's text (&shop;, &#8594;) come back as they were read. The parser
// would expand a character reference into its character, and leave a reference to an entity the
// document type declares as text, which a save then writes escaped (&amp;shop;): either way the
// reference would be lost. While a document is held, the ampersand of each such reference is a
// byte that never stands in UTF-8 text, so that the parser leaves the reference alone and a save
// writes it back as it was. What the module reads is the text with its references: characters
// for character references, and an entity reference as it was written (entities are never
// expanded). A text the module writes itself is written escaped.
inline constexpr char kHeldAmpersand = '\xFF';

// The UTF-8 text with the ampersand of every reference held, other than those to the five
// entities XML predefines, which the parser expands and the printer writes again; nothing when
// the text holds no such reference.
std::optional<std::string> HoldReferences(std::string_view utf8);
// Every held ampersand of the text put back.
void RestoreReferences(std::string& text);

// A text of a held document as the module reads it. Most texts hold no reference and are handed
// on as they stand.
class ReadableText {
public:
    explicit ReadableText(const char* held);
    ReadableText(const ReadableText&) = delete;
    ReadableText& operator=(const ReadableText&) = delete;

    const char* c_str() const { return m_text; }

private:
    std::string m_read;
    const char* m_text;
};
