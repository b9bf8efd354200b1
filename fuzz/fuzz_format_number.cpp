// FormatNumber on doubles taken from the fuzz bytes (every 8 bytes as raw bits, and the whole input
// read as a number text): the text has the display form, matches the C library's "%.15G" and reads
// back through NumericPrefix to the same double within 15 significant digits.

#include "DisplayFormat.h"
#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using fuzzcheck::exact;
using fuzzcheck::require;

void check(double x)
{
    const std::string s = FormatNumber(x);
    if (std::isnan(x)) {
        require(s == "NaN", "NaN not written \"NaN\"", s);
        return;
    }
    if (std::isinf(x)) {
        require(s == (x > 0 ? "Infinity" : "-Infinity"), "infinity written wrongly", s);
        return;
    }

    const std::string problem = fuzzcheck::displayFormatProblem(s, x);
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
