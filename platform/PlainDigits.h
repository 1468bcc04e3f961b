#pragma once

#include <optional>

// The value of a text of one to nine decimal digits and nothing else, which is how the module
// writes its numbers; nothing for any other text, which the general readers then take. Every
// reader of whole numbers gives such a text this value, so it is read without them.
std::optional<int> PlainDigits(const char* text);
