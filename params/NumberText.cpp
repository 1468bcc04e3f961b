#include "params/NumberText.h"

#include <locale.h>
#include <wchar.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/PlainNumbers.h"
#include "platform/Utf.h"

namespace {

constexpr const wchar_t* kNumberCharacters = L".0123456789";

// Stored documents and the display form always use a point, whatever locale the process
// has chosen.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", nullptr);
    return classic;
}

// Room for any finite value as "%f" writes it: the largest double has 309 digits before the
// point.
using FixedDigits = std::array<char, 320>;

// A value written with integer arithmetic from its product with a million. A whole product
// below 2^51 is within an eighth of the exact one, so it is the exact expansion rounded to six
// decimals, as the general formatter writes it: values people type mostly are such. Below 2^40
// the product is within 2^-13 of the exact one, so one whose fraction is farther than 2^-10 from
// a half rounds as the exact expansion does: converted values mostly are such. Returns the end of
// the digits written, or null for a value nearer a tie or too large, which the general formatter
// is left.
char* WriteRoundedMillionths(double value, FixedDigits& digits) {
    constexpr double kMillion = 1e6;
    constexpr double kWholeBelow = 2251799813685248.0;  // 2^51
    constexpr double kRoundedBelow = 1099511627776.0;   // 2^40
    constexpr double kTieMargin = 1.0 / 1024;
    constexpr std::uint64_t kDecimals = 6;
    const double scaled = std::fabs(value * kMillion);
    if (!(scaled < kWholeBelow)) {
        return nullptr;
    }
    double whole = std::trunc(scaled);
    if (scaled != whole) {
        const double fraction = scaled - whole;
        if (!(scaled < kRoundedBelow) || std::fabs(fraction - 0.5) < kTieMargin) {
            return nullptr;
        }
        whole += fraction > 0.5 ? 1.0 : 0.0;
    }
    std::uint64_t millionths = static_cast<std::uint64_t>(whole);
    char* out = digits.data();
    if (std::signbit(value)) {
        *out++ = '-';
    }
    out = std::to_chars(out, digits.data() + digits.size(), millionths / 1000000).ptr;
    *out = '.';
    for (std::uint64_t place = kDecimals; place > 0; --place, millionths /= 10) {
        out[place] = static_cast<char>('0' + millionths % 10);
    }
    return out + 1 + kDecimals;
}

// A finite value as "%f" writes it; returns the end of the digits. to_chars rounds exactly as
// printf does, without parsing a format for every number.
char* WriteFixed(double value, FixedDigits& digits) {
    if (char* end = WriteRoundedMillionths(value, digits)) {
        return end;
    }
    return std::to_chars(digits.data(), digits.data() + digits.size(), value,
                         std::chars_format::fixed, 6)
        .ptr;
}

CString Widened(const char* begin, const char* end) {
    return CString(std::wstring(begin, end));
}

}  // namespace

CString DecimalText(std::int64_t value) {
    std::array<char, 24> digits;
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return Widened(digits.data(), written.ptr);
}

CString FixedText(double value) {
    CString text;
    if (!std::isfinite(value)) {
        text.Format(L"%f", value);
        return text;
    }
    FixedDigits digits;
    return Widened(digits.data(), WriteFixed(value, digits));
}

// Trimmed before it is widened: most numbers then fit in the string itself, with no allocation.
CString FormatNumber(double value) {
    if (!std::isfinite(value)) {
        CString text = FixedText(value);
        TrimNumberText(text);
        return text;
    }
    FixedDigits digits;
    const char* end = WriteFixed(value, digits);
    // Six decimals are always written: the zeros at the end go, but the one after the point stays.
    while (end[-1] == '0' && end[-2] != '.') {
        --end;
    }
    return Widened(digits.data(), end);
}

double ParseNumber(const CString& text) {
    CString trimmed(text);
    trimmed.Trim();
    return ScanDouble(trimmed.SpanIncluding(kNumberCharacters)).value_or(0.0);
}

void TrimNumberText(CString& text) {
    if (text.Find(L'.') < 0) {
        return;
    }
    text.TrimRight(L'0');
    if (!text.IsEmpty() && text.GetAt(text.GetLength() - 1) == L'.') {
        text += L'0';
    }
}

bool IsNumberText(const CString& text) {
    return text.SpanIncluding(kNumberCharacters).GetLength() == text.GetLength();
}

std::optional<std::int64_t> ScanInteger(const CString& text) {
    const wchar_t* begin = text.GetString();
    wchar_t* end = nullptr;
    const long long value = std::wcstoll(begin, &end, 10);
    if (end == begin) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ScanDouble(const CString& text) {
    const wchar_t* begin = text.GetString();
    if (const std::optional<double> plain = PlainDecimal(begin)) {
        return plain;
    }
    wchar_t* end = nullptr;
    const locale_t classic = ClassicLocale();
    const double value = classic ? wcstod_l(begin, &end, classic) : std::wcstod(begin, &end);
    if (end == begin) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ScanDoubleUtf8(const char* text) {
    if (const std::optional<double> plain = PlainDecimal(text)) {
        return plain;
    }
    return ScanDouble(CString(platform::WideFromUtf8(text)));
}
