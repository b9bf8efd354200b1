#include "Simulation.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vorlenza {

namespace {

bool isFiniteValue(double v) { return std::isfinite(v); }

} // namespace

ModelParameters parametersOf(const ModelState& state) { return state; }

ModelParameters constantsOf(const FieldTexts& fields)
{
    ModelParameters p;
    for (const ConstantField& c : ConstantFields)
        p.*c.value = NumericPrefix(fields.*c.text);
    return p;
}

int stepDays(const ModelParameters& p, int days, double* n1, double* n2, double* dN1, double* dN2)
{
    for (int day = 1; day <= days; ++day) {
        const DayStep step = stepOneDay(p, n1[day - 1], n2[day - 1]);
        dN1[day - 1] = step.dN1;
        dN2[day - 1] = step.dN2;
        n1[day] = step.n1;
        n2[day] = step.n2;
        if (!step.finite)
            return day;
    }
    return 0;
}

DailyPath dailyPath(const ModelParameters& p, double n1, double n2, int days)
{
    DailyPath path;
    const std::size_t rows = static_cast<std::size_t>(std::max(days, 0));
    path.n1.assign(rows + 1, 0.0);
    path.n2.assign(rows + 1, 0.0);
    path.dN1.assign(rows, 0.0);
    path.dN2.assign(rows, 0.0);
    path.n1[0] = n1;
    path.n2[0] = n2;
    path.failedDay = stepDays(p, days, path.n1.data(), path.n2.data(), path.dN1.data(), path.dN2.data());
    if (path.failedDay != 0) {
        // nothing after the day that failed
        const auto kept = static_cast<std::size_t>(path.failedDay);
        path.n1.resize(kept + 1);
        path.n2.resize(kept + 1);
        path.dN1.resize(kept);
        path.dN2.resize(kept);
    }
    return path;
}

DayStep stepOneDay(const ModelParameters& p, double x, double y)
{
    // Predictor: the slopes at the start of the day; only the predicted populations are clamped
    // at zero, the returned ones are kept as computed.
    const double a1 = ((1.0 - x / p.K1) - (p.alpha * y) / p.K1) * (p.r1 * x);
    double p1 = x + a1;
    if (p1 < 0.0)
        p1 = 0.0;
    const double a2 = ((1.0 - y / p.K2) - (p.beta * x) / p.K2) * (p.r2 * y);
    double p2 = y + a2;
    if (p2 < 0.0)
        p2 = 0.0;
    // Corrector: the slopes at the predicted point.
    const double b1 = ((1.0 - p1 / p.K1) - (p.alpha * p2) / p.K1) * (p.r1 * p1);
    const double b2 = ((1.0 - p2 / p.K2) - (p.beta * p1) / p.K2) * (p.r2 * p2);
    DayStep step;
    step.dN1 = (a1 + b1) / 2.0;
    step.dN2 = (a2 + b2) / 2.0;
    step.n1 = step.dN1 + x;
    step.n2 = step.dN2 + y;
    step.finite = isFiniteValue(a1) && isFiniteValue(p1) && isFiniteValue(a2) && isFiniteValue(p2) &&
                  isFiniteValue(b1) && isFiniteValue(b2) && isFiniteValue(step.n1) && isFiniteValue(step.n2);
    return step;
}

RunResult RunSimulation(ModelState& state, const FieldTexts& fields)
{
    RunResult result;

    // The length first, rounded to the nearest whole day with halves going to the even neighbour.
    const double tValue = std::nearbyint(NumericPrefix(fields.simut));
    if (!isFiniteValue(tValue) || tValue < -32768.0 || tValue > 32767.0) {
        result.error = RunError::LengthOverflow;
        result.field = ParameterField::Simut;
        return result;
    }
    const int T = static_cast<int>(tValue);
    if (T < 1 || T > ModelState::MaxSimTime) {
        result.error = RunError::LengthOutOfRange;
        result.field = ParameterField::Simut;
        return result;
    }

    const ModelParameters params = constantsOf(fields);
    const double n1Start = NumericPrefix(fields.a0);
    const double n2Start = NumericPrefix(fields.b0);

    const std::pair<double, ParameterField> read[] = {
        {params.K1, ParameterField::K1},     {params.K2, ParameterField::K2},    {params.alpha, ParameterField::Alpha},
        {params.beta, ParameterField::Beta}, {params.r1, ParameterField::R1},    {params.r2, ParameterField::R2},
        {n1Start, ParameterField::N1Start},  {n2Start, ParameterField::N2Start},
    };
    for (const auto& [value, field] : read) {
        if (!isFiniteValue(value)) {
            result.error = RunError::ParameterTooLarge;
            result.field = field;
            return result;
        }
    }
    for (const auto& [value, field] : read) {
        const bool divisor = field == ParameterField::K1 || field == ParameterField::K2 ||
                             field == ParameterField::Alpha || field == ParameterField::Beta;
        if (divisor && value == 0.0) {
            result.error = RunError::ZeroDivisor;
            result.field = field;
            return result;
        }
    }

    // Work in a scratch table and copy it into the state only when every value is finite.
    const std::size_t rows = static_cast<std::size_t>(T) + 2;
    const std::size_t days = rows - 1;
    std::vector<double> work(8 * rows);
    double* n1 = work.data();
    double* n2 = n1 + rows;
    double* d1 = n2 + rows;
    double* d2 = d1 + rows;
    double* ax = d2 + rows;
    double* ay = ax + rows;
    double* bx = ay + rows;
    double* by = bx + rows;
    n1[0] = n1Start;
    n2[0] = n2Start;
    if (const int failed = stepDays(params, T + 1, n1, n2, d1, d2); failed != 0) {
        result.error = RunError::Arithmetic;
        result.day = failed;
        return result;
    }

    // The isoclines: T+1 evenly spaced points along each zero-growth line.
    const double K1 = params.K1, K2 = params.K2, alpha = params.alpha, beta = params.beta;
    const double sA = K1 / T;
    const double sB = (K2 / beta) / T;
    for (int i = 0; i <= T; ++i) {
        const double di = static_cast<double>(i);
        ax[i] = di * sA;
        ay[i] = (K1 / alpha) - (di * sA) / alpha;
        bx[i] = di * sB;
        by[i] = K2 - beta * (di * sB);
        if (!(isFiniteValue(ax[i]) && isFiniteValue(ay[i]) && isFiniteValue(bx[i]) && isFiniteValue(by[i]))) {
            result.error = RunError::IsoclineArithmetic;
            result.day = i;
            return result;
        }
    }

    state.simTime = static_cast<std::int16_t>(T);
    static_cast<ModelParameters&>(state) = params;
    std::copy(n1, n1 + days + 1, state.N1.begin());
    std::copy(n2, n2 + days + 1, state.N2.begin());
    std::copy(d1, d1 + days, state.dN1.begin());
    std::copy(d2, d2 + days, state.dN2.begin());
    std::copy(ax, ax + days, state.isoclineAX.begin());
    std::copy(ay, ay + days, state.isoclineAY.begin());
    std::copy(bx, bx + days, state.isoclineBX.begin());
    std::copy(by, by + days, state.isoclineBY.begin());

    result.lastN1 = n1[T + 1];
    result.lastN2 = n2[T + 1];
    return result;
}

} // namespace vorlenza
