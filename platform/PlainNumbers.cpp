#include "platform/PlainNumbers.h"

#include <array>
#include <cstdint>

namespace {

template <typename Char>
std::optional<double> PlainDecimalOf(const Char* text) {
    constexpr int kMostDigits = 15;
    constexpr std::array<double, kMostDigits + 1> kPowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = *text == '-';
    const Char* at = negative ? text + 1 : text;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    bool point = false;
    for (;; ++at) {
        if (*at >= '0' && *at <= '9') {
            if (++count > kMostDigits) {
                return std::nullopt;
            }
            digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
            decimals += point ? 1 : 0;
        } else if (*at == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (*at != '\0' || count == 0) {
        return std::nullopt;
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

}  // namespace

std::optional<int> PlainDigits(const char* text) {
    constexpr int kMostDigits = 9;
    int value = 0;
    int count = 0;
    for (; text[count] >= '0' && text[count] <= '9'; ++count) {
        if (count == kMostDigits) {
            return std::nullopt;
        }
        value = value * 10 + (text[count] - '0');
    }
    return count > 0 && text[count] == '\0' ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> PlainDecimal(const char* text) {
    return PlainDecimalOf(text);
}

std::optional<double> PlainDecimal(const wchar_t* text) {
    return PlainDecimalOf(text);
}
