#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The style words a dialog template may use, with their values.
namespace resgen {

struct StyleName {
    const char* name;
    std::uint32_t value;
    bool extended;  // an extended window style (WS_EX_...)
};

std::optional<StyleName> FindStyle(std::string_view name);

}  // namespace resgen
