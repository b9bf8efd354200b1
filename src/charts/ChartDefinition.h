#pragma once

#include "ChartProcedures.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vorlenza {

/// Where a series takes its values from, day by day.
enum class ChartSource { Day, N1, N2, dN1, dN2, IsoclineAX, IsoclineAY, IsoclineBX, IsoclineBY };

/// How the set-up styles a series.
enum class SeriesStyle {
    Line,       ///< connected line, no markers
    BlueLine,   ///< a line series whose line colour gets blue 255 right after the line is turned on
    MarkedLine, ///< a line series with its automatic markers shown and every point's marker visible
    Marker,     ///< filled red squares with a black outline, no line
    Unstyled,   ///< no settings at all: the series keeps the look the component holds for it
};

struct SeriesDefinition {
    int xColumn = 1; ///< 1, 3, 5 or 7; the Y values go to the next column
    SeriesStyle style = SeriesStyle::Line;
    QString legendText; ///< empty: no legend text is set
    ChartSource x = ChartSource::Day;
    ChartSource y = ChartSource::N1;
};

/// Everything that varies between the chart procedures; the common set-up does the rest.
struct ChartDefinition {
    int columns = 2;
    QString title;
    bool legend = false;
    std::vector<SeriesDefinition> series; ///< in the order they are styled, which is X-column order
    QString yTitle;
    QString xTitle;
    bool disablesRun = false; ///< the calling window disables its Run button afterwards
};

/// The definition each procedure applies.
const ChartDefinition& definitionOf(ChartProcedure procedure);

/// All procedures, in declaration order.
const std::vector<ChartProcedure>& allChartProcedures();

/// The procedure's name as the windows call it, e.g. "ShowN2vsN1withIsoclines" (main or large window
/// is not part of the name).
QString procedureName(ChartProcedure procedure);

/// The eight graphs a click on a window's chart steps through, by the value of the window's click
/// counter (0..7).
using ChartClickCycle = std::array<ChartProcedure, 8>;

/// The main window's cycle: the three time courses, the changes, then the phase planes as points,
/// as a line and with the isoclines, and all four series together.
const ChartClickCycle& mainChartClickCycle();
/// The large window's cycle: the same graphs in the same order, drawn by its own procedures.
const ChartClickCycle& largeChartClickCycle();

/// One click on a chart: steps `counter` on by one, back to 0 after 7, and returns the procedure
/// the new value names (a counter outside 0..7 names the last one).
ChartProcedure nextInClickCycle(const ChartClickCycle& cycle, std::int16_t& counter);

} // namespace vorlenza
