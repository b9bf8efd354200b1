#pragma once

#include "ModelState.h"

#include <atomic>
#include <vector>

namespace vorlenza {

/// The two competition equations solved as differential equations (not in one-day steps),
/// sampled once a day.
struct ContinuousSolution {
    std::vector<double> N1; ///< population of species A at day i, i = 0..lastDay
    std::vector<double> N2; ///< population of species B at day i
    /// Days 0..solvedDays hold values; it is smaller than the requested last day only when the
    /// solver could not go on (a value left the double range, the step size collapsed, or rates so
    /// large that the equations are too stiff to solve in a moment).
    int solvedDays = -1;
    bool complete() const { return solvedDays >= 0 && solvedDays + 1 == static_cast<int>(N1.size()); }
};

/// dN1/dt and dN2/dt at (n1, n2), per day.
void competitionRates(const ModelParameters& p, double n1, double n2, double& d1, double& d2);

/// Integrates dN1/dt = r1·N1·(1 − N1/K1 − alpha·N2/K1) and dN2/dt = r2·N2·(1 − N2/K2 − beta·N1/K2)
/// from (n1Start, n2Start) at day 0 with an adaptive Dormand–Prince 5(4) solver (relative tolerance
/// 1e-10, absolute 1e-10 of the largest of K1, K2 and the starts) and dense output, and samples it
/// at every whole day 0..lastDay.
/// K1, K2 must not be 0.
/// When `cancelled` is given and becomes true, it stops at once with the days solved so far (for
/// work done on another thread that nobody waits for any more).
ContinuousSolution solveContinuous(const ModelParameters& p, double n1Start, double n2Start, int lastDay,
                                   const std::atomic<bool>* cancelled = nullptr);

/// The same from the start of the last run in `state`, for days 0..T+1 (the days the run filled).
ContinuousSolution solveContinuous(const ModelState& state);

} // namespace vorlenza
