#pragma once

#include "ModelState.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorlenza {

/// The nine parameter field texts of the main window, as typed.
struct FieldTexts {
    std::string simut = "100";  ///< txtSimut: simulation length T in days
    std::string K1 = "200";     ///< txtK1
    std::string K2 = "100";     ///< txtK2
    std::string u = "1";        ///< txtU: alpha
    std::string v = "0.4";      ///< txtV: beta
    std::string rrateA = "0.2"; ///< txtRrateA: r1
    std::string rrateB = "0.3"; ///< txtRrateB: r2
    std::string a0 = "10";      ///< txtA0: N1(0)
    std::string b0 = "10";      ///< txtB0: N2(0)
};

/// Which field text holds each of the six constants, in the order a run checks them.
struct ConstantField {
    std::string FieldTexts::*text;
    double ModelParameters::*value;
};
inline constexpr ConstantField ConstantFields[6] = {
    {&FieldTexts::K1, &ModelParameters::K1},     {&FieldTexts::K2, &ModelParameters::K2},
    {&FieldTexts::u, &ModelParameters::alpha},   {&FieldTexts::v, &ModelParameters::beta},
    {&FieldTexts::rrateA, &ModelParameters::r1}, {&FieldTexts::rrateB, &ModelParameters::r2},
};

/// The six constants the field texts stand for, each read with NumericPrefix.
ModelParameters constantsOf(const FieldTexts& fields);

/// Constants handed from one window to another, in the order of ConstantFields: a value for each
/// constant that changed, nothing for one that stays as it is.
using ConstantChanges = std::array<std::optional<double>, 6>;

/// Which field a failure is about.
enum class ParameterField { None, Simut, K1, K2, Alpha, Beta, R1, R2, N1Start, N2Start };

enum class RunError {
    None,
    LengthOverflow,    ///< T does not fit a 16-bit signed integer
    LengthOutOfRange,  ///< T is not within 1..ModelState::MaxSimTime
    ParameterTooLarge, ///< a field reads beyond the double range
    ZeroDivisor,       ///< K1, K2, alpha or beta is 0
    Arithmetic,        ///< an invalid operation, division by zero or overflow on `day`
    IsoclineArithmetic ///< the isocline points leave the double range
};

/// What a run did. A failed run leaves ModelState exactly as it was (the last good run, whole).
struct RunResult {
    RunError error = RunError::None;
    ParameterField field = ParameterField::None; ///< for parameter and length errors
    int day = 0;                                 ///< for Arithmetic: the day 1..T+1 whose step failed
    double lastN1 = 0.0;                         ///< N1(T+1) of a completed run
    double lastN2 = 0.0;                         ///< N2(T+1) of a completed run
    bool ok() const { return error == RunError::None; }
};

/// The constants the last run of `state` used.
ModelParameters parametersOf(const ModelState& state);

/// One day of the model from (n1, n2): the change of each population over the day and the
/// populations the next day.
struct DayStep {
    double dN1 = 0.0;
    double dN2 = 0.0;
    double n1 = 0.0;
    double n2 = 0.0;
    bool finite = true; ///< false when any slope, predicted or next value left the double range
};

/// The Heun step of one day that a run takes: slopes at the start of the day, a predicted point
/// (each predicted population clamped at zero), slopes at the predicted point, and the mean of
/// both slopes added to the populations. The next populations themselves are not clamped.
DayStep stepOneDay(const ModelParameters& p, double n1, double n2);

/// Days 1..days from (n1, n2), one stepOneDay a day: n1/n2 hold days 0..days and dN1/dN2 the
/// changes of days 0..days-1. `failedDay` is the first day whose step left the double range (its
/// values are kept as computed, nothing after it), or 0.
struct DailyPath {
    std::vector<double> n1;
    std::vector<double> n2;
    std::vector<double> dN1;
    std::vector<double> dN2;
    int failedDay = 0;
};
DailyPath dailyPath(const ModelParameters& p, double n1, double n2, int days);

/// The same into arrays the caller holds: from n1[0], n2[0], days 1..days into n1/n2 and the changes
/// of days 0..days-1 into dN1/dN2 (each array long enough). Returns the first day whose step left the
/// double range, or 0.
int stepDays(const ModelParameters& p, int days, double* n1, double* n2, double* dN1, double* dN2);

/// Runs the model from the field texts: reads T, K1, K2, alpha, beta, r1, r2, N1(0), N2(0) with
/// NumericPrefix (T rounded half to even), integrates days 1..T+1 with one Heun step a day, then
/// builds both isoclines. All or nothing: on any failure nothing in `state` changes.
RunResult RunSimulation(ModelState& state, const FieldTexts& fields);

} // namespace vorlenza
