#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace vorlenza {

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

namespace {

char* copyText(char* out, const char* text)
{
    const std::size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

} // namespace

char* writeNumberText(char* out, double value)
{
    if (std::isnan(value))
        return copyText(out, "NaN");
    if (std::isinf(value))
        return copyText(out, value > 0 ? "Infinity" : "-Infinity");
    if (value == 0.0) { // -0 too
        *out++ = '0';
        return out;
    }

    // Rounded to 15 significant digits: "-d.ddddddddddddddde-dd".
    char sci[40];
    const char* const end = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14).ptr;
    const char* s = sci;
    if (*s == '-') {
        *out++ = '-';
        ++s;
    }

    char digits[16];
    int count = 0;
    for (; *s != 'e'; ++s)
        if (*s != '.')
            digits[count++] = *s;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    ++s; // past 'e'
    const bool negativeExponent = *s == '-';
    ++s; // past the exponent's sign, which to_chars always writes
    int magnitude = 0;
    for (; s < end; ++s)
        magnitude = magnitude * 10 + (*s - '0');
    int exponent = negativeExponent ? -magnitude : magnitude;
    // Fifteen digits would round the very largest doubles up past the double range
    // (1.79769313486232E+308 reads back as infinity): write those rounded toward zero.
    if (std::fabs(value) > 1.79769313486231e308) {
        std::memcpy(digits, "179769313486231", 15);
        count = 15;
        magnitude = 308;
        exponent = 308;
    }

    if (exponent < -4 || exponent >= 15) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, static_cast<std::size_t>(count - 1));
            out += count - 1;
        }
        *out++ = 'E';
        *out++ = negativeExponent ? '-' : '+';
        if (magnitude < 10)
            *out++ = '0';
        return std::to_chars(out, out + 4, magnitude).ptr;
    }
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (count <= integerDigits) {
            std::memcpy(out, digits, static_cast<std::size_t>(count));
            out += count;
            std::memset(out, '0', static_cast<std::size_t>(integerDigits - count));
            return out + (integerDigits - count);
        }
        std::memcpy(out, digits, static_cast<std::size_t>(integerDigits));
        out += integerDigits;
        *out++ = '.';
        std::memcpy(out, digits + integerDigits, static_cast<std::size_t>(count - integerDigits));
        return out + (count - integerDigits);
    }
    *out++ = '0';
    *out++ = '.';
    std::memset(out, '0', static_cast<std::size_t>(-exponent - 1));
    out += -exponent - 1;
    std::memcpy(out, digits, static_cast<std::size_t>(count));
    return out + count;
}

std::string formatNumber(double value)
{
    char buffer[MaxNumberText];
    return std::string(buffer, writeNumberText(buffer, value));
}

std::string formatInteger(long long value) { return std::to_string(value); }

} // namespace vorlenza
