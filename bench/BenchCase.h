#pragma once

#include <functional>
#include <string>
#include <vector>

/// One timed path of the program. `prepare` runs before every repetition and is not timed;
/// `run` is timed from call to return.
struct BenchCase {
    std::string name;
    int repetitions = 30;
    double targetMs = 0.0; ///< 0: no target
    std::function<void()> prepare;
    std::function<void()> run;
    std::string group; ///< the run the case draws; the table names the slowest case of each group
};

/// Times every case and prints one table: name, repetitions, median wall-clock time, median CPU time
/// of this thread, fastest, slowest, target (checked against the wall-clock median).
/// A case whose first repetitions already took seconds stops after three (the median of a path
/// that slow says enough). VORLENZA_BENCH_ONLY=<text> times only the cases whose name holds <text>
/// (for looking at one path with a profiler; a path through the windows may then start from a
/// different run than in the full table).
/// Returns the number of cases whose median missed its target.
int RunBenchCases(const std::vector<BenchCase>& cases);
