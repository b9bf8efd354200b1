#pragma once

#include "Simulation.h"

#include <string>
#include <vector>

using namespace vorlenza;

/// A run the benchmark times the charts on: a label for the table and the field texts as the
/// user would type them (the length comes from the caller).
struct BenchRun {
    std::string label;
    FieldTexts fields;
    bool fromPreset3 = false; ///< reached by the third preset button, then one field edited
};

/// The four runs every chart is timed on: the defaults (settling), r1 = 3.8 (chaotic),
/// r1 = 2.6 with r2 = 2.9 (oscillating), preset 3 with N1(0) = 0.001 (A nearly extinct).
std::vector<BenchRun> BenchRuns(int days);
