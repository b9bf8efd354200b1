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
};

/// Times every case and prints one table: name, repetitions, median wall-clock time, median CPU time
/// of this thread, fastest, slowest, target (checked against the wall-clock median).
/// Returns the number of cases whose median missed its target.
int RunBenchCases(const std::vector<BenchCase>& cases);
