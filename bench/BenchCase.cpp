#include "BenchCase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace
{

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

/// CPU time of this thread in milliseconds: what the work itself costs, whatever else the machine runs.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    return one.empty() ? std::string("unknown") : one + " " + five;
}

} // namespace

int RunBenchCases(const std::vector<BenchCase>& cases)
{
    using Clock = std::chrono::steady_clock;
    int missed = 0;
    std::printf("load average before: %s\n", loadAverage().c_str());
    std::printf("%-44s %5s %10s %10s %9s %9s %10s\n", "case", "reps", "median ms", "cpu ms", "min ms",
                "max ms", "target ms");
    for (const BenchCase& c : cases) {
        std::vector<double> wall, cpu;
        wall.reserve(static_cast<std::size_t>(c.repetitions));
        cpu.reserve(static_cast<std::size_t>(c.repetitions));
        for (int i = 0; i < c.repetitions; ++i) {
            if (c.prepare)
                c.prepare();
            const double cpuStart = threadCpuMs();
            const Clock::time_point start = Clock::now();
            c.run();
            wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            cpu.push_back(threadCpuMs() - cpuStart);
        }
        const double m = median(wall);
        const bool miss = c.targetMs > 0.0 && m > c.targetMs;
        missed += miss ? 1 : 0;
        char target[32] = "-";
        if (c.targetMs > 0.0)
            std::snprintf(target, sizeof target, "%.1f%s", c.targetMs, miss ? " MISSED" : "");
        std::printf("%-44s %5d %10.3f %10.3f %9.3f %9.3f %10s\n", c.name.c_str(), c.repetitions, m,
                    median(cpu), *std::min_element(wall.begin(), wall.end()),
                    *std::max_element(wall.begin(), wall.end()), target);
        std::fflush(stdout);
    }
    std::printf("load average after: %s\n", loadAverage().c_str());
    return missed;
}
