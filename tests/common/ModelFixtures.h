#pragma once

// Runs and field texts that several test suites start from.

#include "NumberText.h"
#include "Presets.h"
#include "Simulation.h"

#include <QtGlobal>

#include <memory>

/// The field texts a preset writes, with the given simulation length.
inline FieldTexts PresetFields(int set, const char* simut = "100")
{
    const PresetValues& p = Preset(set);
    FieldTexts f;
    f.simut = simut;
    f.rrateA = FormatNumber(p.r1);
    f.a0 = FormatNumber(p.n1);
    f.u = FormatNumber(p.alpha);
    f.K1 = FormatNumber(p.K1);
    f.rrateB = FormatNumber(p.r2);
    f.b0 = FormatNumber(p.n2);
    f.v = FormatNumber(p.beta);
    f.K2 = FormatNumber(p.K2);
    return f;
}

/// A state holding one completed run of `fields`; a run that fails stops the test program.
inline std::unique_ptr<ModelState> CompletedRun(const FieldTexts& fields)
{
    auto state = std::make_unique<ModelState>();
    const RunResult result = RunSimulation(*state, fields);
    if (!result.ok())
        qFatal("the run failed: %s", DescribeRunFailure(result).c_str());
    return state;
}

/// A completed run of the default fields over `days`.
inline std::unique_ptr<ModelState> CompletedRun(const char* days)
{
    FieldTexts fields;
    fields.simut = days;
    return CompletedRun(fields);
}
