#pragma once

#include "ChartDefinition.h"

namespace vorlenza {

class ChartComponent;
struct ModelState;

/// Styles and fills `chart` from `state` by `definition`, in the one fixed order every chart
/// procedure shares: grid size, chart kind, legend, title, series styles, Y axis, X axis, then the
/// data (series by series in X-column order, days 0..simTime as rows 1..simTime+1), then commit.
/// The Run-button step is not done here: `definition.disablesRun` tells the caller.
void applyChartDefinition(ChartComponent& chart, const ChartDefinition& definition, const ModelState& state);

} // namespace vorlenza
