#pragma once

#include "ChartDefinition.h"

class ChartComponent;
struct ModelState;

/// Styles and fills `chart` from `state` by `definition`, in the one fixed order every chart
/// procedure shares: grid size, chart kind, legend, title, series styles, Y axis, X axis, then the
/// data (series by series in X-column order, days 0..simTime as rows 1..simTime+1), then commit.
/// The Run-button step is not done here: `definition.disablesRun` tells the caller.
void ApplyChartDefinition(ChartComponent& chart, const ChartDefinition& definition, const ModelState& state);

/// The two series styles of the set-up, exposed for tests and for the definitions' variants.
void ApplyLineStyle(ChartComponent& chart, int xColumn, SeriesStyle variant = SeriesStyle::Line);
void ApplyMarkerStyle(ChartComponent& chart, int xColumn);

/// The value of `source` on day `t`.
double SourceValue(const ModelState& state, ChartSource source, int t);
