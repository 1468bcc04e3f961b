#include "platform/PlainDigits.h"

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
