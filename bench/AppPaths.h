#pragma once

#include "BenchCase.h"

#include <QString>

#include <vector>

namespace vorlenza { class Session; }

using namespace vorlenza;

/// The user's paths through the real windows: Run, a chart click, the large window, save, print.
/// The session must have its windows registered; its dialogs and printer are answered here.
std::vector<BenchCase> AppPathCases(Session& session, const QString& scratchFolder);

/// Child-process probes, so that start-up and peak memory are measured as a user meets them.
/// `--probe-startup`: from process start to the title window painted, then exit.
/// `--probe-visit-all`: visit every window with a run of 9999 days, print, save; report peak memory.
/// Returns -1 when `argument` names no probe, else the probe's exit status.
int RunProbe(const char* argument, int argc, char** argv);

/// Times the probes in child processes and prints their lines after the table.
void ReportProbes(const char* program);
