#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Conversions at the file and XML boundaries: the module works on wide strings, files hold
// UTF-8. Invalid input never fails: each broken sequence becomes U+FFFD.
namespace platform {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// Where the first byte stands that does not begin a well-formed UTF-8 sequence (an overlong form,
// a surrogate, a code point beyond U+10FFFF, a sequence cut short, a stray continuation byte);
// nothing when the whole text is UTF-8.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8);

}  // namespace platform
