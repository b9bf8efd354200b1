#pragma once

/// Longest text WriteNumberText writes: sign, 15 digits, point and "E+308" style exponent, or
/// "-0.000" and 15 digits, with room to spare.
constexpr int MaxNumberText = 24;

/// Writes `value` in the display format (the same text FormatNumber gives: at most 15 significant
/// digits, "." as the decimal point, exponent form below 1E-04 and from 1E+15) to `out`, which
/// must have room for MaxNumberText characters. Returns the end of what was written. No memory is
/// allocated, so a table of ten thousand rows is written quickly. Locale-free.
char* WriteNumberText(char* out, double value);
