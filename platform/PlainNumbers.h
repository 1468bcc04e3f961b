#pragma once

#include <optional>

// The value of a text of one to nine decimal digits and nothing else, which is how the module
// writes its numbers; nothing for any other text, which the general readers then take. Every
// reader of whole numbers gives such a text this value, so it is read without them.
std::optional<int> PlainDigits(const char* text);

// The value of a plain decimal of at most fifteen digits (an optional minus, digits with at most
// one point among them, nothing else), as the module writes values; nothing for any other text,
// which the general readers then take. Its digits and the power of ten are exact doubles, so one
// division rounds as those readers do.
std::optional<double> PlainDecimal(const char* text);
std::optional<double> PlainDecimal(const wchar_t* text);
