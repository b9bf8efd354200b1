#pragma once

#include "BenchCase.h"

#include <QString>

#include <vector>

namespace vorlenza {
class Session;
}

using namespace vorlenza;

/// The user's paths through the real windows: Run, a chart click, the large window, save, print.
/// The session must have its windows registered; its dialogs and printer are answered here.
std::vector<BenchCase> AppPathCases(Session& session, const QString& scratchFolder);

/// The child-process probe, so that peak memory is measured as a user meets it.
/// `--probe-visit-all`: visit every window with a run of 9999 days, print, save; report peak memory.
/// Returns -1 when `argument` names no probe, else the probe's exit status.
int RunProbe(const char* argument, int argc, char** argv);

/// Times the starts of vorlenza-startup-probe and vorlenza-empty-qt (both beside the bench) and runs
/// the memory probe in `program`, in child processes, and prints their lines after the table.
void ReportProbes(const char* program);
