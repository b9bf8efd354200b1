// NumericPrefix on any bytes: no crash, no undefined behaviour, never NaN, and the same value as
// the C library's reading of the same leading number once blanks, tabs and line feeds are gone.

#include "FuzzChecks.h"
#include "NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vorlenza;

namespace {

using fuzzcheck::exact;
using fuzzcheck::require;

bool isHexDigit(char c) { return fuzzcheck::isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

/// "&H"/"&O" texts: the run of radix digits, checked against strtoull while it fits 53 bits.
void checkRadix(const std::string& s, double got)
{
    const char mark = s.size() >= 2 ? s[1] : '\0';
    const bool hex = mark == 'H' || mark == 'h';
    const bool octal = mark == 'O' || mark == 'o';
    if (!hex && !octal) {
        require(got == 0.0, "an & without H or O must read as 0", s);
        return;
    }
    std::size_t end = 2;
    while (end < s.size() && (hex ? isHexDigit(s[end]) : (s[end] >= '0' && s[end] <= '7')))
        ++end;
    const std::string digits = s.substr(2, end - 2);
    require(got >= 0.0, "a hexadecimal or octal reading is negative", s);
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    const std::size_t significant = digits.size() - first;
    if (significant <= (hex ? 13u : 17u)) {
        const double expected =
            digits.empty() ? 0.0 : static_cast<double>(std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8));
        require(got == expected, "wrong hexadecimal or octal value", s + " -> " + exact(got));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = NumericPrefix(text);
    require(!std::isnan(got), "NumericPrefix returned NaN");

    // The same text with blanks, tabs and line feeds taken out reads the same.
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    const double stripped = NumericPrefix(s);
    require(stripped == got, "blanks changed the reading", exact(got) + " vs " + exact(stripped));

    if (!s.empty() && s[0] == '&') {
        checkRadix(s, got);
        return 0;
    }

    // A decimal leading number: strtod in the C locale reads the same grammar (sign, digits, point,
    // fraction, exponent) and rounds correctly, overflow to +/-HUGE_VAL and underflow to 0 or the
    // nearest subnormal. Only its own extras (inf, nan, 0x hexadecimal) must be kept out of the way.
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i >= s.size() || !(fuzzcheck::isDigit(s[i]) || s[i] == '.')) {
        require(got == 0.0, "a text without a leading number must read as 0", s);
        return 0;
    }
    std::string c = s;
    if (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X'))
        c.resize(i + 1); // "0x1F" is 0 followed by junk here
    errno = 0;
    const double expected = std::strtod(c.c_str(), nullptr);
    require(got == expected, "NumericPrefix differs from strtod",
            s.substr(0, 200) + " -> " + exact(got) + ", strtod " + exact(expected));
    return 0;
}
