#pragma once

#include "ContinuousSolution.h"
#include "ModelState.h"
#include "PhasePlane.h"

namespace vorlenza {

/// Whether the one-day steps of a run show something the equations do not: either the equations
/// approach an equilibrium that is stable for them and unstable for the step, or on the last day
/// the run lies farther from the continuous solution than 1 % of the larger K.
struct StepCheck {
    bool coarse = false;            ///< one of the two holds; the rest is only filled then
    bool unstableForSteps = false;  ///< the equilibrium the equations approach repels the steps
    bool farApart = false;          ///< the last day is more than 1 % of the larger K apart
    bool dailySettled = false;      ///< the run no longer moves on its last day
    bool continuousSettled = false; ///< the equations have reached an equilibrium by the last day
    /// Which species the difference concerns (its population differs by more than 0.1 % of the
    /// larger K on the last day; where none does, the species present at the equilibrium).
    bool speciesA = false;
    bool speciesB = false;
    int day = 0;                                   ///< the last day of the run, T
    double dailyN1 = 0.0, dailyN2 = 0.0;           ///< the run on that day
    double continuousN1 = 0.0, continuousN2 = 0.0; ///< the equations on that day (at the
                                                   ///< equilibrium when they have settled)
};

/// Compares the run in `state` with `solution`, the equations solved from the same start
/// (solveContinuous(state)). A solution that stops before day T is compared through its
/// equilibrium only.
StepCheck checkOneDaySteps(const ModelState& state, const ContinuousSolution& solution);

/// A value rounded for a sentence: three significant digits, but at least one decimal
/// (74.618 → 74.6, 99.0099 → 99, 0.012345 → 0.0123).
double roundedForSentence(double value);

} // namespace vorlenza
