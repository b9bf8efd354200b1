#pragma once

#include <array>
#include <cstdint>

namespace vorlenza {

/// The six constants of the model.
struct ModelParameters {
    double K1 = 0.0;    ///< carrying capacity of species A
    double K2 = 0.0;    ///< carrying capacity of species B
    double alpha = 0.0; ///< effect of species B on species A
    double beta = 0.0;  ///< effect of species A on species B
    double r1 = 0.0;    ///< intrinsic rate of increase of species A, per day
    double r2 = 0.0;    ///< intrinsic rate of increase of species B, per day
};

/// The one record of the last simulation run: its parameters (the constants it inherits, as the
/// run used them) and every value it computed.
/// Exactly one instance lives for the whole program (owned by the Session); only RunSimulation
/// writes it, everybody else reads. All arrays hold 0.0 at start and are never resized or cleared:
/// a shorter run leaves the tail of a longer one in place, and readers stay inside 0..simTime.
struct ModelState : ModelParameters {
    /// Last valid index of every array (days 0..MaxDay).
    static constexpr int MaxDay = 10000;
    /// Longest run the arrays can hold: the loop writes day T+1 of N1/N2.
    static constexpr int MaxSimTime = MaxDay - 1;

    using Series = std::array<double, MaxDay + 1>;

    std::int16_t simTime = 0; ///< simulation length T in days; 0 before the first run

    Series N1{};         ///< population of species A on day i (0..T+1 after a run)
    Series N2{};         ///< population of species B on day i (0..T+1 after a run)
    Series dN1{};        ///< increment of species A from day i to i+1 (0..T)
    Series dN2{};        ///< increment of species B from day i to i+1 (0..T)
    Series isoclineAX{}; ///< N1 of point i of the zero-growth line of species A (0..T)
    Series isoclineAY{}; ///< N2 of that point
    Series isoclineBX{}; ///< N1 of point i of the zero-growth line of species B (0..T)
    Series isoclineBY{}; ///< N2 of that point
};

} // namespace vorlenza
