#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Unit systems as users name them on the command line: a code, a name or a symbol.
// Lengths: 0 mm, 1 cm, 2 m, 3 in, 4 ft, 5 ft-in, 6 angstrom (Å), 7 nm, 8 um (µm), 9 mil,
// 10 uin (µin). Angles: 0 deg, 1 rad, 2 deg-min, 3 deg-min-sec.
std::optional<std::int32_t> ParseLinearUnit(const std::string& text);
std::optional<std::int32_t> ParseAngularUnit(const std::string& text);
// The names written where a program reads them back (the JSON report): ASCII only.
std::string LinearUnitName(std::int32_t code);
std::string AngularUnitName(std::int32_t code);
// The unit as an engineer writes it in a list a person reads: µm, µin, Å.
std::string LinearUnitSymbol(std::int32_t code);
// A unit name of a report ("um", or "um2" for an area) as a person reads it ("µm", "µm2");
// any other text as it is.
std::string UnitForPeople(const std::string& name);

inline constexpr std::int32_t kLastLinearUnit = 10;
inline constexpr std::int32_t kLastAngularUnit = 3;
