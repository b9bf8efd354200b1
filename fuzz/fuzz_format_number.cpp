// formatNumber on doubles taken from the fuzz bytes (every 8 bytes as raw bits, and the whole input
// read as a number text): the text has the display form, matches the C library's "%.15G" and reads
// back through NumericPrefix to the same double within 15 significant digits.

#include "FuzzChecks.h"
#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace vorlenza;

namespace {

using fuzzcheck::exact;
using fuzzcheck::require;

/// Why `s` is not the display form of the finite value `x`, or empty when it is. The form: an
/// optional minus (only for negative values), then either a plain decimal (no leading zeros, a 0
/// before the point below 1, no trailing fraction zeros, no lone point) for decimal exponents
/// -4..14, or a mantissa d[.ddd]E+NN / E-NN (two exponent digits, three when needed) otherwise;
/// never more than 15 significant digits; zero is "0".
std::string displayFormatProblem(const std::string& s, double x)
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
        if (!fuzzcheck::isDigit(c))
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
        if (!fuzzcheck::isDigit(c))
            return "stray character in the exponent";
    if (expDigits.size() > 3 || (expDigits.size() == 3 && expDigits[0] == '0'))
        return "exponent padded beyond two digits";
    const int value = std::atoi(expDigits.c_str()) * (exponent[0] == '-' ? -1 : 1);
    if (value > -5 && value < 15)
        return "exponent form used for an exponent of -4..14";
    return {};
}

void check(double x)
{
    const std::string s = formatNumber(x);
    if (std::isnan(x)) {
        require(s == "NaN", "NaN not written \"NaN\"", s);
        return;
    }
    if (std::isinf(x)) {
        require(s == (x > 0 ? "Infinity" : "-Infinity"), "infinity written wrongly", s);
        return;
    }

    const std::string problem = displayFormatProblem(s, x);
    require(problem.empty(), "not the display form", exact(x) + " -> " + s + ": " + problem);

    const double back = NumericPrefix(s);
    require(fuzzcheck::sameTo15Digits(x, back), "display text does not read back",
            exact(x) + " -> " + s + " -> " + exact(back));

    // The C library's %.15G has the same layout; where its text reads back at all it must agree.
    char ref[64];
    std::snprintf(ref, sizeof ref, "%.15G", x == 0.0 ? 0.0 : x);
    if (std::isfinite(NumericPrefix(ref)))
        require(s == ref, "differs from %.15G", exact(x) + " -> " + s + ", printf " + ref);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check(NumericPrefix(std::string_view(reinterpret_cast<const char*>(data), size)));
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double x = 0.0;
        std::memcpy(&x, data + at, sizeof x);
        check(x);
    }
    return 0;
}
