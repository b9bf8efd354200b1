#include "NumberWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

char* copyText(char* out, const char* text)
{
    const std::size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

} // namespace

char* WriteNumberText(char* out, double value)
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
