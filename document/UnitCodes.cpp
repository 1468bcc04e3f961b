#include "document/UnitCodes.h"

#include <array>
#include <charconv>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 11> kLinearNames{
    "mm", "cm", "m", "in", "ft", "ft-in", "angstrom", "nm", "um", "mil", "uin"};
constexpr std::array<std::string_view, 11> kLinearSymbols{"mm", "cm", "m",  "in",  "ft", "ft-in",
                                                          "Å",  "nm", "µm", "mil", "µin"};
constexpr std::array<std::string_view, 4> kAngularNames{"deg", "rad", "deg-min", "deg-min-sec"};

template <std::size_t N>
std::optional<std::int32_t> Named(const std::string& text,
                                  const std::array<std::string_view, N>& names) {
    for (std::size_t code = 0; code < N; ++code) {
        if (names[code] == text) {
            return static_cast<std::int32_t>(code);
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::int32_t> ParseUnit(const std::string& text,
                                      const std::array<std::string_view, N>& names) {
    if (const std::optional<std::int32_t> code = Named(text, names)) {
        return code;
    }
    std::int32_t code = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (error != std::errc() || end != text.data() + text.size() || code < 0 ||
        static_cast<std::size_t>(code) >= N) {
        return std::nullopt;
    }
    return code;
}

template <std::size_t N>
std::string UnitName(std::int32_t code, const std::array<std::string_view, N>& names) {
    if (code < 0 || static_cast<std::size_t>(code) >= N) {
        return "unit " + std::to_string(code);
    }
    return std::string(names[static_cast<std::size_t>(code)]);
}

}  // namespace

std::optional<std::int32_t> ParseLinearUnit(const std::string& text) {
    if (const std::optional<std::int32_t> code = Named(text, kLinearSymbols)) {
        return code;
    }
    return ParseUnit(text, kLinearNames);
}
std::optional<std::int32_t> ParseAngularUnit(const std::string& text) {
    return ParseUnit(text, kAngularNames);
}
std::string LinearUnitName(std::int32_t code) {
    return UnitName(code, kLinearNames);
}
std::string AngularUnitName(std::int32_t code) {
    return UnitName(code, kAngularNames);
}
std::string LinearUnitSymbol(std::int32_t code) {
    return UnitName(code, kLinearSymbols);
}

std::string UnitForPeople(const std::string& name) {
    const bool area = name.ends_with('2');
    const std::optional<std::int32_t> code =
        Named(area ? name.substr(0, name.size() - 1) : name, kLinearNames);
    return code ? LinearUnitSymbol(*code) + (area ? "2" : "") : name;
}
