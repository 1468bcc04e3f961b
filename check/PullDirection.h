#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace check {

// "X,Y,Z" as three finite numbers that are not all zero; nothing for any other text.
std::optional<std::array<double, 3>> ParsePullDirection(std::string_view text);

}  // namespace check
