#pragma once
// Checks shared by the fuzz targets: whether a reading came back close enough, and a failure that
// libFuzzer records with the input that caused it.

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

/// An ASCII decimal digit.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace fuzzcheck
