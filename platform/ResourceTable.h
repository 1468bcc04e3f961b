#pragma once

#include <cstdint>

// What a language resource library exports: its string table, sorted by id, texts in
// UTF-8. The library is data only; it is found by this symbol name after dlopen.
extern "C" {

struct TeskResourceString {
    std::uint32_t id;
    const char* text;
};

struct TeskStringTable {
    std::uint32_t count;
    const TeskResourceString* entries;
};

}  // extern "C"

inline constexpr const char* kStringTableSymbol = "TeskStrings";
