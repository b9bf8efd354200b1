#pragma once

#include <string>
#include <string_view>

namespace vorlenza {

/// Lenient reading of a field's text: blanks, tabs and line feeds anywhere are ignored, then the
/// longest leading number is read (optional sign, digits, optional "." and fraction, optional
/// exponent "E"/"e" with optional sign and digits; or "&H" + hexadecimal or "&O" + octal digits).
/// The rest of the text is ignored; no leading number reads as 0. The decimal point is always ".",
/// whatever the locale. A number beyond the double range reads as +/-infinity, so callers can
/// reject it; one too small to represent reads as 0.
double NumericPrefix(std::string_view text);

/// Display format of a double: at most 15 significant digits, no trailing zeros, "." as the
/// decimal point, a 0 before the point below 1, and "1E+15" / "1E-05" style for exponents of
/// 15 and above or -5 and below. Locale-free. -0 is written "0".
std::string formatNumber(double value);

/// Longest text writeNumberText writes: sign, 15 digits, point and "E+308" style exponent, or
/// "-0.0000" and 15 digits, with room to spare.
constexpr int MaxNumberText = 24;

/// Writes the display format of `value` (the text formatNumber gives) to `out`, which must have
/// room for MaxNumberText characters, and returns the end of what was written. Allocates nothing,
/// so a table of ten thousand rows is written quickly.
char* writeNumberText(char* out, double value);

/// A whole number (a day) as plain decimal text.
std::string formatInteger(long long value);

} // namespace vorlenza
