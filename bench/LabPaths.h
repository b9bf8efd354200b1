#pragma once

#include "BenchCase.h"

#include <vector>

namespace vorlenza {
class Session;
}

/// The phase-plane lab: opening it, and moving the handle of its map with twelve trajectories of
/// T = 1000 on the phase plane, each until both charts are painted again.
std::vector<BenchCase> LabCases(vorlenza::Session& session);
