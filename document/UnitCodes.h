#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Unit systems as users name them on the command line: a code or a name.
// Lengths: 0 mm, 1 cm, 2 m, 3 in, 4 ft, 5 ft-in, 6 angstrom, 7 nm, 8 um, 9 mil, 10 uin.
// Angles: 0 deg, 1 rad, 2 deg-min, 3 deg-min-sec.
std::optional<std::int32_t> ParseLinearUnit(const std::string& text);
std::optional<std::int32_t> ParseAngularUnit(const std::string& text);
std::string LinearUnitName(std::int32_t code);
std::string AngularUnitName(std::int32_t code);

inline constexpr std::int32_t kLastLinearUnit = 10;
inline constexpr std::int32_t kLastAngularUnit = 3;
