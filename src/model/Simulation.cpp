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

ModelParameters parametersOf(const ModelState& state)
{
    return state;
}

ModelParameters constantsOf(const FieldTexts& fields)
{
    ModelParameters p;
    for (const ConstantField& c : ConstantFields)
        p.*c.value = NumericPrefix(fields.*c.text);
    return p;
}

DailyPath dailyPath(const ModelParameters& p, double n1, double n2, int days)
{
    DailyPath path;
    const std::size_t rows = static_cast<std::size_t>(std::max(days, 0));
    path.n1.reserve(rows + 1);
    path.n2.reserve(rows + 1);
    path.dN1.reserve(rows);
    path.dN2.reserve(rows);
    path.n1.push_back(n1);
    path.n2.push_back(n2);
    for (int day = 1; day <= days; ++day) {
        const DayStep step = stepOneDay(p, path.n1.back(), path.n2.back());
        path.dN1.push_back(step.dN1);
        path.dN2.push_back(step.dN2);
        path.n1.push_back(step.n1);
        path.n2.push_back(step.n2);
        if (!step.finite) {
            path.failedDay = day;
            break;
        }
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
        {params.K1, ParameterField::K1},       {params.K2, ParameterField::K2},
        {params.alpha, ParameterField::Alpha}, {params.beta, ParameterField::Beta},
        {params.r1, ParameterField::R1},       {params.r2, ParameterField::R2},
        {n1Start, ParameterField::N1Start},    {n2Start, ParameterField::N2Start},
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

    const DailyPath path = dailyPath(params, n1Start, n2Start, T + 1);
    if (path.failedDay != 0) {
        result.error = RunError::Arithmetic;
        result.day = path.failedDay;
        return result;
    }

    // The isoclines: T+1 evenly spaced points along each zero-growth line, checked before the
    // state takes anything.
    const std::size_t days = static_cast<std::size_t>(T) + 1;
    std::vector<double> iso(4 * days);
    double* ax = iso.data();
    double* ay = ax + days;
    double* bx = ay + days;
    double* by = bx + days;
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
    std::copy(path.n1.begin(), path.n1.end(), state.N1.begin());
    std::copy(path.n2.begin(), path.n2.end(), state.N2.begin());
    std::copy(path.dN1.begin(), path.dN1.end(), state.dN1.begin());
    std::copy(path.dN2.begin(), path.dN2.end(), state.dN2.begin());
    std::copy(ax, ax + days, state.isoclineAX.begin());
    std::copy(ay, ay + days, state.isoclineAY.begin());
    std::copy(bx, bx + days, state.isoclineBX.begin());
    std::copy(by, by + days, state.isoclineBY.begin());

    result.lastN1 = path.n1.back();
    result.lastN2 = path.n2.back();
    return result;
}

} // namespace vorlenza
