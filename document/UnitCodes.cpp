#include "document/UnitCodes.h"

#include <array>
#include <charconv>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 11> kLinearNames{
    "mm", "cm", "m", "in", "ft", "ft-in", "angstrom", "nm", "um", "mil", "uin"};
constexpr std::array<std::string_view, 4> kAngularNames{"deg", "rad", "deg-min", "deg-min-sec"};

template <std::size_t N>
std::optional<std::int32_t> ParseUnit(const std::string& text,
                                      const std::array<std::string_view, N>& names) {
    for (std::size_t code = 0; code < N; ++code) {
        if (names[code] == text) {
            return static_cast<std::int32_t>(code);
        }
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
