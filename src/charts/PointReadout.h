#pragma once

#include "ChartDefinition.h"

#include <QPointF>
#include <QString>

#include <vector>

class QCustomPlot;

namespace vorlenza {

struct ModelState;
struct ContinuousSolution;

/// The point of a chart nearest to the pointer.
struct NearestPoint {
    int series = -1;       ///< index into the series given, -1 when there is no point at all
    int index = -1;        ///< index of the point within its series
    double distance = 0.0; ///< in pixels
    bool found() const { return series >= 0; }
};

/// The point nearest to `pointer` (straight-line distance in pixels) over all `series`; points
/// that are not finite are left out. On equal distances the earlier series and point win.
NearestPoint findNearestPoint(const std::vector<std::vector<QPointF>>& series, QPointF pointer);

/// The series of `definition` that show days of the run (the isoclines do not), in their order.
std::vector<int> runSeriesOf(const ChartDefinition& definition);

/// The pixel position of every point of plottable `index` of `plot` (a curve), in point order,
/// together with the day each point shows. Empty when that plottable is not a curve.
struct CurvePixels {
    std::vector<QPointF> pixels;
    std::vector<int> days;
};
CurvePixels pixelsOfCurve(QCustomPlot& plot, int index);

/// The day `pointer` shows on `plot`, drawn from `definition` (series k of the definition is
/// plottable k of the plot), or -1 when the chart shows none. On a time chart it is the day under
/// the pointer (the nearest day on the time axis, within the run); on a phase plane the day whose
/// point of the run lies nearest to the pointer.
int nearestDayAt(QCustomPlot& plot, const ChartDefinition& definition, QPointF pointer);

/// What the tooltip says about `day`, in the display format of numbers: the day, then each value
/// the chart shows for it in series order, e.g. "Day 37: N1 = 165.312022539161, dN1 = 0.5"; a
/// phase plane gives "Day 37: N1 = …, N2 = …".
QString pointReadout(const ChartDefinition& definition, const ModelState& state, int day);

/// The values the equations give for `day` (see continuousTwins) where they differ from the run's
/// by more than 0.1 % of the larger K, in the order pointReadout names them, e.g.
/// "Continuous solution: N1 = 99.0099009901"; empty when none does.
QString continuousReadout(const ChartDefinition& definition, const ModelState& state,
                          const ContinuousSolution& solution, int day);

} // namespace vorlenza
