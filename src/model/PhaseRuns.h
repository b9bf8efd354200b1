#pragma once

#include "ContinuousSolution.h"
#include "PhasePlane.h"
#include "Simulation.h"

#include <atomic>
#include <utility>
#include <vector>

namespace vorlenza {

/// What the lab's phase plane solves for its constants: the separatrix in its box and, from each
/// start, the continuous path and (when asked) the daily run.
struct PhaseRunsInput {
    ModelParameters p;
    int days = 100;
    double boxN1 = 1.0;
    double boxN2 = 1.0;
    std::vector<std::pair<double, double>> starts;
    bool dailySteps = false;
};

struct PhaseRuns {
    PhaseCurve separatrix;
    std::vector<ContinuousSolution> paths; ///< one per start
    std::vector<DailyPath> steps;          ///< one per start; empty paths without dailySteps
    bool cancelled = false;                ///< stopped early: nothing of it is to be drawn
};

/// Solves all of it; stops early when `cancelled` becomes true. Reuses from `earlier` (the last
/// result, for `earlierInput`) every path whose start and constants are unchanged.
PhaseRuns solvePhaseRuns(const PhaseRunsInput& input, const std::atomic<bool>& cancelled,
                         const PhaseRunsInput* earlierInput = nullptr, const PhaseRuns* earlier = nullptr);

} // namespace vorlenza
