#pragma once

#include <optional>
#include <string>
#include <string_view>

// References to entities a document type declares (&shop;) are never expanded and come back as
// they were read. The parser leaves such a reference as text, which a save would write escaped
// (&amp;shop;), turning it into other text. While a document is held, the ampersand of each
// such reference is a byte that never stands in UTF-8 text: a save writes it back as the
// reference, and reading the text gives the module the ampersand it had, which the module then
// writes escaped if it writes that text itself.
inline constexpr char kHeldAmpersand = '\xFF';

// The UTF-8 text with the ampersand of every reference to a named entity, other than the five
// XML predefines, held; nothing when the text holds no such reference.
std::optional<std::string> HoldEntityReferences(std::string_view utf8);
// Every held ampersand of the text put back.
void RestoreEntityReferences(std::string& text);
