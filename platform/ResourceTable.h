#pragma once

#include <cstdint>

// What a language resource library exports. The library is data only; each table is found by
// its symbol name after dlopen, and a library may lack either. Texts are UTF-8.
extern "C" {

// The string table, sorted by id.
struct TeskResourceString {
    std::uint32_t id;
    const char* text;
};

struct TeskStringTable {
    std::uint32_t count;
    const TeskResourceString* entries;
};

// The dialog templates, sorted by id. Dialog ids are a namespace of their own: a dialog, a
// string and a control may share a number.
enum : std::uint32_t {
    kTeskDialogItemButton = 1,
    kTeskDialogItemEdit = 2,
    kTeskDialogItemStatic = 3,
    kTeskDialogItemComboBox = 4,
    kTeskDialogItemListView = 5,
};

struct TeskDialogItem {
    std::int32_t id;  // -1 for a control the code never addresses
    std::uint32_t kind;
    std::uint32_t style;  // window and control styles
    std::uint32_t exStyle;
    std::int32_t x, y, cx, cy;  // dialog units
    const char* caption;
};

struct TeskDialogTemplate {
    std::uint32_t id;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int32_t x, y, cx, cy;  // dialog units
    const char* caption;
    const char* fontName;
    std::uint32_t fontPoints;
    std::uint32_t itemCount;
    const TeskDialogItem* items;  // in tab order
};

struct TeskDialogTable {
    std::uint32_t count;
    const TeskDialogTemplate* templates;
};

}  // extern "C"

inline constexpr const char* kStringTableSymbol = "TeskStrings";
inline constexpr const char* kDialogTableSymbol = "TeskDialogs";
