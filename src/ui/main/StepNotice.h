#pragma once

#include "StepCheck.h"

#include <QString>

namespace vorlenza {

/// The sentence that tells a student that one-day steps mislead, with the run's own numbers in
/// the display format, in the user's language, e.g. "One-day steps are too coarse for r1 = 2.2:
/// the daily run settles at N1 = 75.3, the equations at N1 = 99." Empty when `check` finds
/// nothing. `p` are the run's constants.
QString stepNotice(const StepCheck& check, const ModelParameters& p);

} // namespace vorlenza
