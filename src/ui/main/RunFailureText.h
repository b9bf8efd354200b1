#pragma once

#include "Simulation.h"

#include <QString>

/// What went wrong with a run, in plain words in the user's language (in English word for word
/// what DescribeRunFailure says). Empty for a completed run.
QString RunFailureText(const RunResult& result);
