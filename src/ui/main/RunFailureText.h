#pragma once

#include "Simulation.h"

#include <QString>

namespace vorlenza {

/// What went wrong with a run, in plain words in the user's language (the only wording of a
/// failed run: the model reports it as a value).
/// Empty for a completed run.
QString runFailureText(const RunResult& result);

} // namespace vorlenza
