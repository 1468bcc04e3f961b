#pragma once

#include <string>
#include <string_view>

// Conversions at the file and XML boundaries: the module works on wide strings, files hold
// UTF-8. Invalid input never fails: each broken sequence becomes U+FFFD.
namespace platform {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace platform
