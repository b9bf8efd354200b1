#pragma once

// Runs that several test suites start from (the field texts of a preset: presetFieldTexts).

#include "NumberText.h"
#include "Presets.h"
#include "Simulation.h"

#include <QtGlobal>

#include <memory>

using namespace vorlenza;

/// A state holding one completed run of `fields`; a run that fails stops the test program.
inline std::unique_ptr<ModelState> CompletedRun(const FieldTexts& fields)
{
    auto state = std::make_unique<ModelState>();
    const RunResult result = RunSimulation(*state, fields);
    if (!result.ok())
        qFatal("the run failed: error %d on day %d", int(result.error), result.day);
    return state;
}

/// A completed run of the default fields over `days`.
inline std::unique_ptr<ModelState> CompletedRun(const char* days)
{
    FieldTexts fields;
    fields.simut = days;
    return CompletedRun(fields);
}
