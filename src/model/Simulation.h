#pragma once

#include "ModelState.h"

#include <string>

namespace vorlenza {

/// The nine parameter field texts of the main window, as typed.
struct FieldTexts {
    std::string simut = "100"; ///< txtSimut: simulation length T in days
    std::string K1 = "200";    ///< txtK1
    std::string K2 = "100";    ///< txtK2
    std::string u = "1";       ///< txtU: alpha
    std::string v = "0.4";     ///< txtV: beta
    std::string rrateA = "0.2"; ///< txtRrateA: r1
    std::string rrateB = "0.3"; ///< txtRrateB: r2
    std::string a0 = "10";     ///< txtA0: N1(0)
    std::string b0 = "10";     ///< txtB0: N2(0)
};

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
    int day = 0;          ///< for Arithmetic: the day 1..T+1 whose step failed
    double lastN1 = 0.0;  ///< N1(T+1) of a completed run
    double lastN2 = 0.0;  ///< N2(T+1) of a completed run
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

/// Runs the model from the field texts: reads T, K1, K2, alpha, beta, r1, r2, N1(0), N2(0) with
/// NumericPrefix (T rounded half to even), integrates days 1..T+1 with one Heun step a day, then
/// builds both isoclines. All or nothing: on any failure nothing in `state` changes.
RunResult RunSimulation(ModelState& state, const FieldTexts& fields);

} // namespace vorlenza
