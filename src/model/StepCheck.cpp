#include "StepCheck.h"

#include "Simulation.h"

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

/// Share of the larger K within which the equations count as having reached an equilibrium.
constexpr double kReached = 1e-3;
/// Share of the larger K within which the equations count as approaching a stable equilibrium
/// (slow species may take far longer than the run to arrive).
constexpr double kApproaching = 5e-2;
/// Share of the larger K by which the last day of the run may lie from the equations.
constexpr double kFarApart = 1e-2;
/// Share of the larger K by which one species' values must differ to be named.
constexpr double kDiffers = 1e-3;
/// Share of the larger K that the run may still move on its last day and count as settled.
constexpr double kSettled = 1e-5;

} // namespace

double roundedForSentence(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::max(1, 2 - magnitude);
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0.0 ? 0.0 : rounded;
}

StepCheck checkOneDaySteps(const ModelState& state, const ContinuousSolution& solution)
{
    StepCheck check;
    const ModelParameters p = parametersOf(state);
    const int T = state.simTime;
    const double K = std::max(std::abs(p.K1), std::abs(p.K2));
    if (T < 1 || solution.solvedDays < 0 || !(K > 0.0))
        return check;
    const auto at = [](const std::vector<double>& v, int day) { return v[static_cast<std::size_t>(day)]; };
    check.day = T;
    check.dailyN1 = state.N1[static_cast<std::size_t>(T)];
    check.dailyN2 = state.N2[static_cast<std::size_t>(T)];
    check.dailySettled = std::abs(check.dailyN1 - state.N1[static_cast<std::size_t>(T - 1)]) <= kSettled * K &&
                         std::abs(check.dailyN2 - state.N2[static_cast<std::size_t>(T - 1)]) <= kSettled * K;

    // The equilibrium the equations approach: the nearest to where they end, if it is near and
    // stable for them.
    const int last = std::min(solution.solvedDays, T + 1);
    const double endN1 = at(solution.N1, last), endN2 = at(solution.N2, last);
    const auto distance = [&](const Equilibrium& e) { return std::hypot(e.n1 - endN1, e.n2 - endN2); };
    const std::vector<Equilibrium> equilibria = equilibriaOf(p);
    const Equilibrium* approached = nullptr;
    for (const Equilibrium& e : equilibria)
        if (!approached || distance(e) < distance(*approached))
            approached = &e;
    if (approached && distance(*approached) > kApproaching * K)
        approached = nullptr;

    if (approached) {
        // A species absent from the start stays absent: its direction does not count.
        const bool aPresent = state.N1[0] != 0.0, bPresent = state.N2[0] != 0.0;
        std::vector<std::complex<double>> lambdas;
        // Alone, a species moves along its own axis: the diagonal of the Jacobian is its eigenvalue.
        if (aPresent && bPresent)
            lambdas.assign(approached->eigenvalues.begin(), approached->eigenvalues.end());
        else if (aPresent)
            lambdas.push_back(approached->jacobian[0][0]);
        else if (bPresent)
            lambdas.push_back(approached->jacobian[1][1]);
        const bool stable =
            !lambdas.empty() && std::all_of(lambdas.begin(), lambdas.end(), [](auto l) { return l.real() < 0.0; });
        if (!stable)
            approached = nullptr;
        else
            // a multiplier of exactly 1 (r = 2) lets the steps settle, slowly: not driven away
            check.unstableForSteps = std::any_of(lambdas.begin(), lambdas.end(), [](auto l) {
                const std::complex<double> m = heunMultiplier(l);
                return std::abs(m) > 1.0 && !multiplierIsOne(m);
            });
    }

    // The equations on day T (where they stopped earlier, on their last day).
    const bool reachedDayT = solution.solvedDays >= T;
    check.continuousN1 = reachedDayT ? at(solution.N1, T) : endN1;
    check.continuousN2 = reachedDayT ? at(solution.N2, T) : endN2;
    check.farApart = reachedDayT &&
                     std::hypot(check.dailyN1 - check.continuousN1, check.dailyN2 - check.continuousN2) > kFarApart * K;
    check.coarse = check.unstableForSteps || check.farApart;
    if (!check.coarse)
        return check;

    check.continuousSettled = approached && std::hypot(approached->n1 - check.continuousN1,
                                                       approached->n2 - check.continuousN2) <= kReached * K;
    if (check.continuousSettled) {
        check.continuousN1 = approached->n1;
        check.continuousN2 = approached->n2;
    }
    check.speciesA = std::abs(check.dailyN1 - check.continuousN1) > kDiffers * K;
    check.speciesB = std::abs(check.dailyN2 - check.continuousN2) > kDiffers * K;
    if (!check.speciesA && !check.speciesB) {
        check.speciesA = check.continuousN1 != 0.0;
        check.speciesB = check.continuousN2 != 0.0;
    }
    return check;
}

} // namespace vorlenza
