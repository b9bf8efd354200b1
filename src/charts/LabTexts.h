#pragma once

#include "PhasePlane.h"

#include <QString>

#include <vector>

namespace vorlenza {

/// The sentence under the lab's phase plane that says how the competition ends and why; where the
/// isoclines touch on an axis, it says where the run goes slowly.
QString outcomeSentence(CompetitionOutcome outcome, IsoclinesTouch touch = IsoclinesTouch::Nowhere);
inline QString outcomeSentence(const ModelParameters& p) { return outcomeSentence(outcomeOf(p), isoclinesTouch(p)); }

/// A region's name on the lab's map of outcomes.
QString regionName(CompetitionOutcome outcome);

/// What an equilibrium is, in words: coordinates, eigenvalues per day, type, the one-day step.
QString describeEquilibrium(const Equilibrium& e);

/// One line on an equilibrium for the list beside the plot: its place in the display format, its
/// type, and whether it is stable for the equations and for one-day steps.
QString equilibriumLine(const Equilibrium& e);

/// Where the keyboard cursor is on the phase plane, and the equilibrium nearest to it.
QString cursorSentence(double n1, double n2, const std::vector<Equilibrium>& equilibria);

} // namespace vorlenza
