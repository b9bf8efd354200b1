#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

/// "&H1F" or "&O17": digits of the radix after the two-character mark; none reads as 0.
double readRadix(const std::string& s, int radix)
{
    double value = 0.0;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const int d = digitValue(s[i]);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

/// Decimal exponent of the leading significant digit of a mantissa such as "0012.5" or ".0003"
/// (12.5 -> 1, 0.0003 -> -4); used only to tell an overflow from an underflow.
long long leadingExponent(std::string_view mantissa)
{
    const std::size_t point = mantissa.find('.');
    const std::size_t intEnd = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < intEnd; ++i)
        if (mantissa[i] != '0')
            return static_cast<long long>(intEnd - i);
    if (point != std::string_view::npos)
        for (std::size_t i = point + 1; i < mantissa.size(); ++i)
            if (mantissa[i] != '0')
                return -static_cast<long long>(i - point);
    return std::numeric_limits<long long>::min(); // all zeros
}

} // namespace

double NumericPrefix(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(s, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(s, 8);
        return 0.0;
    }

    const std::size_t n = s.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    while (i < n && isDigit(s[i]))
        ++i;
    std::size_t digits = i - start;
    if (i < n && s[i] == '.') {
        std::size_t j = i + 1;
        while (j < n && isDigit(s[j]))
            ++j;
        digits += j - i - 1;
        i = j;
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;

    long long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        const std::size_t expStart = j;
        while (j < n && isDigit(s[j])) {
            if (exponent < 1000000000LL)
                exponent = exponent * 10 + (s[j] - '0');
            ++j;
        }
        if (j > expStart) { // an "E" without digits is not part of the number
            i = j;
            if (expNegative)
                exponent = -exponent;
        }
    }

    const char* first = s.data() + start;
    const char* last = s.data() + i;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const long long lead = leadingExponent(std::string_view(first, mantissaEnd - start));
        if (lead == std::numeric_limits<long long>::min() || lead + exponent <= 0)
            value = 0.0;
        else
            value = std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string FormatNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";

    // 15 significant digits: one before the point, fourteen after.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string sci(buf, result.ptr);

    std::size_t pos = 0;
    const bool negative = sci[0] == '-';
    if (negative)
        pos = 1;
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = pos; k < ePos; ++k)
        if (sci[k] != '.')
            digits.push_back(sci[k]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = std::stoi(sci.substr(ePos + 1));
    // Rounding to 15 digits carries the very largest doubles up to 1.79769313486232E+308, which is
    // beyond the double range and would read back as infinity; write those rounded toward zero.
    if (std::fabs(value) > 1.79769313486231e308) {
        digits = "179769313486231";
        exponent = 308;
    }

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const std::string expDigits = std::to_string(exponent < 0 ? -exponent : exponent);
        if (expDigits.size() < 2)
            out += '0';
        out += expDigits;
    } else if (exponent >= 0) {
        const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out += digits;
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits, 0, intLen);
            out += '.';
            out.append(digits, intLen, std::string::npos);
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string FormatInteger(long long value) { return std::to_string(value); }
