#include "BenchCase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include <QByteArray>
#include <QtGlobal>

namespace {

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
    const QByteArray only = qgetenv("VORLENZA_BENCH_ONLY");
    std::vector<std::string> groups;
    std::map<std::string, std::pair<std::string, double>> slowest; // group: case name, median
    std::printf("%-52s %5s %10s %10s %9s %9s %10s\n", "case", "reps", "median ms", "cpu ms", "min ms", "max ms",
                "target ms");
    for (const BenchCase& c : cases) {
        if (!only.isEmpty() && c.name.find(only.constData()) == std::string::npos)
            continue;
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
            if (wall.size() >= 3 && wall.front() + wall[1] + wall[2] > 3000.0)
                break;
        }
        const double m = median(wall);
        const bool miss = c.targetMs > 0.0 && m > c.targetMs;
        missed += miss ? 1 : 0;
        char target[32] = "-";
        if (c.targetMs > 0.0)
            std::snprintf(target, sizeof target, "%.1f%s", c.targetMs, miss ? " MISSED" : "");
        if (!c.group.empty()) {
            if (slowest.count(c.group) == 0)
                groups.push_back(c.group);
            auto& worst = slowest[c.group];
            if (worst.first.empty() || m > worst.second)
                worst = {c.name, m};
        }
        std::printf("%-52s %5d %10.3f %10.3f %9.3f %9.3f %10s\n", c.name.c_str(), static_cast<int>(wall.size()), m,
                    median(cpu), *std::min_element(wall.begin(), wall.end()),
                    *std::max_element(wall.begin(), wall.end()), target);
        std::fflush(stdout);
    }
    for (const std::string& g : groups)
        std::printf("slowest of %-20s %-44s %10.3f ms\n", g.c_str(), slowest[g].first.c_str(), slowest[g].second);
    std::printf("load average after: %s\n", loadAverage().c_str());
    return missed;
}
