#include "PhaseRuns.h"

#include <algorithm>
#include <optional>

namespace vorlenza {

namespace {

bool sameConstants(const ModelParameters& a, const ModelParameters& b)
{
    return a.K1 == b.K1 && a.K2 == b.K2 && a.alpha == b.alpha && a.beta == b.beta && a.r1 == b.r1 && a.r2 == b.r2;
}

} // namespace

PhaseRuns solvePhaseRuns(const PhaseRunsInput& input, const std::atomic<bool>& cancelled,
                         const PhaseRunsInput* earlierInput, const PhaseRuns* earlier)
{
    const bool reuse = earlierInput && earlier && !earlier->cancelled && sameConstants(earlierInput->p, input.p) &&
                       earlierInput->days == input.days;
    // where the earlier result holds the path from `start`
    const auto earlierIndex = [&](const std::pair<double, double>& start) -> std::optional<std::size_t> {
        if (!reuse)
            return std::nullopt;
        const auto& starts = earlierInput->starts;
        const auto at = std::find(starts.begin(), starts.end(), start);
        return at == starts.end() ? std::nullopt : std::optional<std::size_t>(std::size_t(at - starts.begin()));
    };

    PhaseRuns out;
    if (reuse && earlierInput->boxN1 == input.boxN1 && earlierInput->boxN2 == input.boxN2)
        out.separatrix = earlier->separatrix;
    else
        out.separatrix = separatrixOf(input.p, input.boxN1, input.boxN2);
    for (const std::pair<double, double>& start : input.starts) {
        if (cancelled.load(std::memory_order_relaxed))
            break;
        const std::optional<std::size_t> k = earlierIndex(start);
        out.paths.push_back(k ? earlier->paths[*k]
                              : solveContinuous(input.p, start.first, start.second, input.days, &cancelled));
        if (!input.dailySteps)
            out.steps.emplace_back();
        else if (k && earlierInput->dailySteps)
            out.steps.push_back(earlier->steps[*k]);
        else
            out.steps.push_back(dailyPath(input.p, start.first, start.second, input.days));
    }
    out.cancelled = cancelled.load(std::memory_order_relaxed);
    return out;
}

} // namespace vorlenza
