#include "ContinuousSolution.h"

#include "Simulation.h"

#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace vorlenza {

namespace {

using Point = std::array<double, 2>;

constexpr double Tolerance = 1e-10;

/// Most evaluations of the rates one solution may take. A smooth run of 10,000 days takes about
/// 80,000; very large rates make the equations stiff, and the solver would creep on for minutes
/// with steps of a millionth of a day. It stops there instead, with the days solved so far.
constexpr long MaxEvaluations = 2'000'000;

/// Thrown to stop the solver where a value left the double range or the work ran out.
struct LeftTheRange : std::runtime_error {
    LeftTheRange() : std::runtime_error("value outside the double range, or too many steps") {}
};

} // namespace

void competitionRates(const ModelParameters& p, double n1, double n2, double& d1, double& d2)
{
    d1 = p.r1 * n1 * (1.0 - n1 / p.K1 - p.alpha * n2 / p.K1);
    d2 = p.r2 * n2 * (1.0 - n2 / p.K2 - p.beta * n1 / p.K2);
}

ContinuousSolution solveContinuous(const ModelParameters& p, double n1Start, double n2Start, int lastDay,
                                   const std::atomic<bool>* cancelled)
{
    namespace ode = boost::numeric::odeint;
    ContinuousSolution out;
    if (lastDay < 0)
        return out;
    const auto days = static_cast<std::size_t>(lastDay) + 1;
    out.N1.assign(days, 0.0);
    out.N2.assign(days, 0.0);

    long evaluations = 0;
    const auto rates = [&p, &evaluations, cancelled](const Point& x, Point& dxdt, double) {
        if (++evaluations > MaxEvaluations || (cancelled && cancelled->load(std::memory_order_relaxed)))
            throw LeftTheRange();
        competitionRates(p, x[0], x[1], dxdt[0], dxdt[1]);
    };
    // Each whole day is passed once; the observer stores the dense-output sample there.
    int day = 0;
    const auto keep = [&out, &day](const Point& x, double) {
        if (!std::isfinite(x[0]) || !std::isfinite(x[1]))
            throw LeftTheRange();
        out.N1[static_cast<std::size_t>(day)] = x[0];
        out.N2[static_cast<std::size_t>(day)] = x[1];
        out.solvedDays = day;
        ++day;
    };

    Point x{n1Start, n2Start};
    if (!std::isfinite(n1Start) || !std::isfinite(n2Start))
        return out;
    // Day 0 is the start itself, whatever the solver manages after it.
    out.N1[0] = n1Start;
    out.N2[0] = n2Start;
    out.solvedDays = 0;
    if (lastDay == 0)
        return out;
    // The absolute tolerance in the populations' own size: capacities of 1e-8 need digits that
    // 1e-10 would throw away, capacities of 1e6 none that it keeps.
    const double size = std::max({std::abs(p.K1), std::abs(p.K2), std::abs(n1Start), std::abs(n2Start)});
    const double absolute = Tolerance * (size > 0.0 && std::isfinite(size) ? size : 1.0);
    auto stepper = ode::make_dense_output(absolute, Tolerance, ode::runge_kutta_dopri5<Point>());
    try {
        ode::integrate_n_steps(stepper, rates, x, 0.0, 1.0, static_cast<std::size_t>(lastDay), keep);
    } catch (const std::runtime_error&) {
        // a value left the double range, or odeint gave up on a collapsing step size:
        // keep the days solved so far
    }
    return out;
}

ContinuousSolution solveContinuous(const ModelState& state)
{
    return solveContinuous(parametersOf(state), state.N1[0], state.N2[0], state.simTime + 1);
}

} // namespace vorlenza
