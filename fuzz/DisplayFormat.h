#pragma once
// Checks shared by the fuzz targets: what a display-format text may look like, whether a reading
// came back close enough, and a failure that libFuzzer records with the input that caused it.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "\n*** %s: %s\n", what, detail.c_str());
    std::abort();
}

inline void require(bool condition, const char* what, const std::string& detail = {})
{
    if (!condition)
        fail(what, detail);
}

/// The whole double in round-trip precision, for failure messages.
inline std::string exact(double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

/// True when `back` is `x` to 15 significant digits (both zero counts as equal).
inline bool sameTo15Digits(double x, double back)
{
    if (x == 0.0 || back == 0.0)
        return x == back;
    return std::fabs(back - x) <= std::fabs(x) * 1e-14;
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Why `s` is not the display form of the finite value `x`, or empty when it is. The form: an
/// optional minus (only for negative values), then either a plain decimal (no leading zeros, a 0
/// before the point below 1, no trailing fraction zeros, no lone point) for decimal exponents
/// -4..14, or a mantissa d[.ddd]E+NN / E-NN (two exponent digits, three when needed) otherwise;
/// never more than 15 significant digits; zero is "0".
inline std::string displayFormatProblem(const std::string& s, double x)
{
    if (x == 0.0)
        return s == "0" ? std::string() : "zero is not written \"0\"";
    std::size_t i = 0;
    const bool minus = !s.empty() && s[0] == '-';
    if (minus != (x < 0.0))
        return "sign does not match the value";
    if (minus)
        i = 1;

    const std::size_t e = s.find('E');
    const std::string mantissa = s.substr(i, e == std::string::npos ? std::string::npos : e - i);
    const std::size_t point = mantissa.find('.');
    const std::string intPart = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : mantissa.substr(point + 1);
    if (intPart.empty())
        return "no digit before the point";
    for (char c : intPart + fraction)
        if (!isDigit(c))
            return "stray character in the mantissa";
    if (point != std::string::npos && (fraction.empty() || fraction.back() == '0'))
        return "lone point or trailing zero in the fraction";

    std::size_t significant = 0;
    bool started = false;
    for (char c : intPart + fraction) {
        started = started || c != '0';
        if (started)
            ++significant;
    }
    if (significant == 0)
        return "a nonzero value written with zeros only";
    if (significant > 15)
        return "more than 15 significant digits";

    if (e == std::string::npos) {
        if (intPart.size() > 1 && intPart[0] == '0')
            return "leading zero";
        if (intPart.size() > 15)
            return "plain form used for 1E+15 or more";
        if (intPart == "0" && fraction.compare(0, 4, "0000") == 0)
            return "plain form used below 1E-04";
        return {};
    }

    if (intPart.size() != 1 || intPart[0] == '0')
        return "exponent form needs one nonzero digit before the point";
    const std::string exponent = s.substr(e + 1);
    if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-'))
        return "exponent needs a sign and at least two digits";
    const std::string expDigits = exponent.substr(1);
    for (char c : expDigits)
        if (!isDigit(c))
            return "stray character in the exponent";
    if (expDigits.size() > 3 || (expDigits.size() == 3 && expDigits[0] == '0'))
        return "exponent padded beyond two digits";
    const int value = std::atoi(expDigits.c_str()) * (exponent[0] == '-' ? -1 : 1);
    if (value > -5 && value < 15)
        return "exponent form used for an exponent of -4..14";
    return {};
}

} // namespace fuzzcheck
