#pragma once

#include "Simulation.h"

#include <QString>

namespace vorlenza {

/// What went wrong with a run, in plain words in the user's language (in English word for word
/// what describeRunFailure says). Empty for a completed run.
QString runFailureText(const RunResult& result);

} // namespace vorlenza
