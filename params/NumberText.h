#pragma once

#include <cstdint>
#include <optional>

#include "platform/CString.h"

// The module's display form of numbers and its tolerant readers of number texts.

// The whole number as "%d" writes it.
CString DecimalText(std::int64_t value);

// The value as "%f" writes it: six decimals, with a point whatever the locale.
CString FixedText(double value);

// Six decimals at most, trailing zeros dropped, at least one digit after the point:
// 3 gives "3.0", 0.1234567 gives "0.123457".
CString FormatNumber(double value);

// Reads what the user typed: blanks at both ends are ignored and only the leading run of
// digits and points counts, so " 12 mm" gives 12, "1.2.3" gives 1.2 and "-4" gives 0 (a sign
// is not accepted). Text without a number gives 0.
double ParseNumber(const CString& text);

// Drops trailing zeros after the decimal point, keeping one digit after it ("2.500" gives
// "2.5", "3.000" gives "3.0"). Text without a point is a whole number and stays as it is.
void TrimNumberText(CString& text);

// True when every character is a digit or a point; the empty text counts as a number.
bool IsNumberText(const CString& text);

// The integer the text starts with, read as "%d" reads it (blanks, an optional sign,
// decimal digits); beyond the 64-bit range it saturates at the nearer end. Empty when the
// text does not start with a number.
std::optional<std::int64_t> ScanInteger(const CString& text);

// The floating-point number the text starts with, read as "%lf" reads it, always with a
// point as decimal separator; too large a magnitude gives an infinity. Empty when the text
// does not start with a number.
std::optional<double> ScanDouble(const CString& text);
// The same of a text in UTF-8, as the document holds it.
std::optional<double> ScanDoubleUtf8(const char* text);
