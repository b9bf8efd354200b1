#include "PhasePlane.h"

#include "ContinuousSolution.h"

#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlenza {

Jacobian jacobianAt(const ModelParameters& p, double n1, double n2)
{
    return {{
        {p.r1 * (1.0 - 2.0 * n1 / p.K1 - p.alpha * n2 / p.K1), -p.r1 * p.alpha * n1 / p.K1},
        {-p.r2 * p.beta * n2 / p.K2, p.r2 * (1.0 - 2.0 * n2 / p.K2 - p.beta * n1 / p.K2)},
    }};
}

std::array<std::complex<double>, 2> eigenvaluesOf(const Jacobian& j)
{
    // λ = tr/2 ± sqrt((a − d)²/4 + b·c), which keeps its digits when tr² ≈ 4·det
    const double half = 0.5 * (j[0][0] + j[1][1]);
    const double halfGap = 0.5 * (j[0][0] - j[1][1]);
    const double disc = halfGap * halfGap + j[0][1] * j[1][0];
    if (disc >= 0.0) {
        const double root = std::sqrt(disc);
        return {std::complex<double>(half - root, 0.0), std::complex<double>(half + root, 0.0)};
    }
    const double root = std::sqrt(-disc);
    return {std::complex<double>(half, -root), std::complex<double>(half, root)};
}

EquilibriumType typeOf(const std::array<std::complex<double>, 2>& ev)
{
    const double lo = ev[0].real();
    const double hi = ev[1].real();
    if (lo == 0.0 || hi == 0.0)
        return EquilibriumType::Degenerate;
    if (ev[0].imag() != 0.0)
        return lo < 0.0 ? EquilibriumType::StableFocus : EquilibriumType::UnstableFocus;
    if (hi < 0.0)
        return EquilibriumType::StableNode;
    if (lo > 0.0)
        return EquilibriumType::UnstableNode;
    return EquilibriumType::Saddle;
}

std::complex<double> heunMultiplier(std::complex<double> lambda) { return 1.0 + lambda + lambda * lambda / 2.0; }

bool multiplierIsOne(std::complex<double> multiplier) { return std::abs(std::abs(multiplier) - 1.0) <= 1e-12; }

Equilibrium equilibriumAt(const ModelParameters& p, EquilibriumKind kind, double n1, double n2)
{
    Equilibrium e;
    e.kind = kind;
    e.n1 = n1;
    e.n2 = n2;
    e.jacobian = jacobianAt(p, n1, n2);
    e.eigenvalues = eigenvaluesOf(e.jacobian);
    e.type = typeOf(e.eigenvalues);
    e.dailyStepStable = std::all_of(e.eigenvalues.begin(), e.eigenvalues.end(),
                                    [](std::complex<double> l) { return std::abs(heunMultiplier(l)) < 1.0; });
    double largest = 0.0;
    for (const std::complex<double>& l : e.eigenvalues)
        largest = std::max(largest, std::abs(heunMultiplier(l)));
    e.dailyStepSlow = multiplierIsOne(largest);
    e.attracts = e.stable();
    return e;
}

std::vector<Equilibrium> equilibriaOf(const ModelParameters& p)
{
    std::vector<Equilibrium> out;
    out.push_back(equilibriumAt(p, EquilibriumKind::Extinction, 0.0, 0.0));
    out.push_back(equilibriumAt(p, EquilibriumKind::AAlone, p.K1, 0.0));
    out.push_back(equilibriumAt(p, EquilibriumKind::BAlone, 0.0, p.K2));
    // On a boundary the linearisation leaves the species' own point undecided: the winner's is
    // where the runs settle (slowly), the loser's is left (slowly).
    const CompetitionOutcome outcome = outcomeOf(p);
    for (Equilibrium& e : out) {
        if (e.slow())
            e.attracts = (e.kind == EquilibriumKind::AAlone && outcome == CompetitionOutcome::AWins) ||
                         (e.kind == EquilibriumKind::BAlone && outcome == CompetitionOutcome::BWins);
        e.onEquilibriumLine = outcome == CompetitionOutcome::Neutral && e.kind != EquilibriumKind::Extinction;
    }
    const double d = 1.0 - p.alpha * p.beta;
    if (d != 0.0) {
        const double n1 = (p.K1 - p.alpha * p.K2) / d;
        const double n2 = (p.K2 - p.beta * p.K1) / d;
        if (n1 > 0.0 && n2 > 0.0 && std::isfinite(n1) && std::isfinite(n2))
            out.push_back(equilibriumAt(p, EquilibriumKind::Coexistence, n1, n2));
    }
    return out;
}

IsoclinesTouch isoclinesTouch(double K1, double K2, double alpha, double beta)
{
    const bool aOn = alpha == K1 / K2;
    const bool bOn = beta == K2 / K1;
    if (aOn && bOn)
        return IsoclinesTouch::Everywhere;
    if (aOn)
        return IsoclinesTouch::AtBAlone;
    return bOn ? IsoclinesTouch::AtAAlone : IsoclinesTouch::Nowhere;
}

CompetitionOutcome outcomeOf(double K1, double K2, double alpha, double beta)
{
    // -1 below its boundary, 0 on it, +1 above it
    const auto side = [](double value, double boundary) { return value < boundary ? -1 : value > boundary; };
    const int a = side(alpha, K1 / K2);
    const int b = side(beta, K2 / K1);
    if (a < 0 && b < 0)
        return CompetitionOutcome::Coexistence;
    if (a > 0 && b > 0)
        return CompetitionOutcome::EitherWins;
    if (a == 0 && b == 0)
        return CompetitionOutcome::Neutral;
    // A's isocline lies above B's when A's end on the N2 axis is the higher one (a <= 0) and its end
    // on the N1 axis the farther one (b >= 0), and not both only touch
    return a <= 0 && b >= 0 ? CompetitionOutcome::AWins : CompetitionOutcome::BWins;
}

std::array<OutcomeRegion, 4> outcomeRegions(double K1, double K2, double alphaMax, double betaMax)
{
    const double a = std::min(K1 / K2, alphaMax);
    const double b = std::min(K2 / K1, betaMax);
    return {{
        {CompetitionOutcome::Coexistence, 0.0, a, 0.0, b},
        {CompetitionOutcome::AWins, 0.0, a, b, betaMax},
        {CompetitionOutcome::BWins, a, alphaMax, 0.0, b},
        {CompetitionOutcome::EitherWins, a, alphaMax, b, betaMax},
    }};
}

double outcomeMapReach(double K1, double K2) { return 3.0 * std::max(K1 / K2, K2 / K1); }

namespace {

using Point = std::array<double, 2>;

/// Thrown by the observer where the traced curve has left the box or come to the origin.
struct CurveEnds {};

/// The stable manifold from the saddle one way: backwards in time from a point just off the saddle,
/// solved for (ln N1, ln N2), so that neither population can step across its axis however small it
/// gets. Points closer than 1/4000 of the box to the last one kept are left out.
PhaseCurve traceBackwards(const ModelParameters& p, Point from, double n1Max, double n2Max, double days,
                          double sampleStep)
{
    namespace ode = boost::numeric::odeint;
    PhaseCurve curve;
    const double nearOrigin = 1e-6 * std::max(n1Max, n2Max);
    const double apartN1 = n1Max / 4000.0, apartN2 = n2Max / 4000.0;
    // d(ln N)/dt = (dN/dt) / N, backwards in time
    const auto backwards = [&p](const Point& logs, Point& dxdt, double) {
        const double n1 = std::exp(logs[0]), n2 = std::exp(logs[1]);
        dxdt[0] = -p.r1 * (1.0 - n1 / p.K1 - p.alpha * n2 / p.K1);
        dxdt[1] = -p.r2 * (1.0 - n2 / p.K2 - p.beta * n1 / p.K2);
    };
    const auto keep = [&](const Point& logs, double) {
        const double n1 = std::exp(logs[0]), n2 = std::exp(logs[1]);
        if (!std::isfinite(n1) || !std::isfinite(n2) || n1 > n1Max || n2 > n2Max) {
            if (!curve.empty() && std::isfinite(n1) && std::isfinite(n2)) {
                // end on the edge of the box, between the last point inside and this one
                const auto [x0, y0] = curve.back();
                double t = 1.0;
                if (n1 > n1Max)
                    t = std::min(t, (n1Max - x0) / (n1 - x0));
                if (n2 > n2Max)
                    t = std::min(t, (n2Max - y0) / (n2 - y0));
                curve.emplace_back(x0 + t * (n1 - x0), y0 + t * (n2 - y0));
            }
            throw CurveEnds();
        }
        if (std::hypot(n1, n2) < nearOrigin) {
            curve.emplace_back(0.0, 0.0);
            throw CurveEnds();
        }
        if (curve.empty() || std::abs(n1 - curve.back().first) > apartN1 ||
            std::abs(n2 - curve.back().second) > apartN2)
            curve.emplace_back(n1, n2);
    };
    Point logs{std::log(from[0]), std::log(from[1])};
    auto stepper = ode::make_dense_output(1e-10, 1e-10, ode::runge_kutta_dopri5<Point>());
    try {
        ode::integrate_const(stepper, backwards, logs, 0.0, days, sampleStep, keep);
    } catch (const CurveEnds&) {
    } catch (const std::runtime_error&) {
        // the step size collapsed: keep what was traced
    }
    return curve;
}

} // namespace

PhaseCurve separatrixOf(const ModelParameters& p, double n1Max, double n2Max)
{
    const std::vector<Equilibrium> all = equilibriaOf(p);
    const auto saddle = std::find_if(all.begin(), all.end(), [](const Equilibrium& e) {
        return e.kind == EquilibriumKind::Coexistence && e.type == EquilibriumType::Saddle;
    });
    if (saddle == all.end())
        return {};

    // The stable direction: the eigenvector of the negative eigenvalue, (J − λ)v = 0.
    const Jacobian& j = saddle->jacobian;
    const double ls = saddle->eigenvalues[0].real();
    double vx = -j[0][1];
    double vy = j[0][0] - ls;
    if (std::hypot(vx, vy) < 1e-12 * (std::abs(j[0][0]) + std::abs(ls) + std::abs(j[0][1]))) {
        vx = j[1][1] - ls;
        vy = -j[1][0];
    }
    const double len = std::hypot(vx, vy);
    vx /= len;
    vy /= len;

    const double scale = std::max(n1Max, n2Max);
    const double offset = 1e-7 * scale;
    const double fastest =
        std::max({std::abs(p.r1), std::abs(p.r2), std::abs(saddle->eigenvalues[1].real()), std::abs(ls)});
    // Backwards the saddle's stable direction grows by e^(|λs|·t): this many days reach any end.
    const double days = 60.0 / std::min({std::abs(ls), std::abs(p.r1), std::abs(p.r2)});
    const double sampleStep = 0.05 / fastest;

    PhaseCurve one =
        traceBackwards(p, {saddle->n1 + offset * vx, saddle->n2 + offset * vy}, n1Max, n2Max, days, sampleStep);
    const PhaseCurve other =
        traceBackwards(p, {saddle->n1 - offset * vx, saddle->n2 - offset * vy}, n1Max, n2Max, days, sampleStep);
    std::reverse(one.begin(), one.end());
    one.emplace_back(saddle->n1, saddle->n2);
    one.insert(one.end(), other.begin(), other.end());
    // From the lower end to the upper one
    if (!one.empty() && one.front().first > one.back().first)
        std::reverse(one.begin(), one.end());
    return one;
}

int sideOfSeparatrix(const PhaseCurve& s, double n1, double n2)
{
    if (s.size() < 2)
        return 0;
    // The stable manifold of a competition saddle rises from the origin: it is a graph over N1.
    if (n1 > s.back().first)
        return s.back().second >= s.front().second ? -1 : 1;
    if (n1 < s.front().first)
        return 0;
    const auto after = std::lower_bound(s.begin(), s.end(), n1,
                                        [](const std::pair<double, double>& pt, double x) { return pt.first < x; });
    double curveN2 = after->second;
    if (after != s.begin() && after->first != n1) {
        const auto before = after - 1;
        const double t = (n1 - before->first) / (after->first - before->first);
        curveN2 = before->second + t * (after->second - before->second);
    }
    return n2 > curveN2 ? 1 : (n2 < curveN2 ? -1 : 0);
}

} // namespace vorlenza
