#pragma once

#include <QString>

#include <cstdint>

namespace vorlenza {

/// Which way a chart is drawn. There is one kind: a 2-D XY (scatter) chart, in which data columns
/// 2k-1 (X) and 2k (Y) form series k.
enum class ChartKind { XY2D };

/// Where the legend goes.
enum class LegendPlace { Right };

enum class ChartAxis { X = 0, Y = 1 };

enum class AxisScale { Linear };

/// Where an axis draws its tick marks, relative to the plot area.
enum class TickMarks { None, Inside, Outside, Across };

enum class LineStyle { None, Solid, Dash, Dot };

/// Marker shapes. The filled ones take the series' fill colour, the others are outlines only.
enum class MarkerShape { Square, Circle, Diamond, Triangle, FilledSquare, FilledCircle, FilledDiamond, FilledTriangle };

/// One of the three components of a colour, each 0..255.
enum class ColourPart { Red, Green, Blue };

/// The operations that the chart procedures drive a chart with, one call per setting. They never
/// read anything back. Every setting keeps its value until it is set again, so a chart shows the
/// settings of all earlier procedures that the current one did not touch.
///
/// Series are addressed by their X column (1, 3, 5, 7): series k has its X values in column 2k-1
/// and its Y values in column 2k. Sizes and widths are in the component's own units: a marker of
/// size 100 and an outline of width 5 are the normal, clearly visible ones.
class ChartComponent {
public:
    virtual ~ChartComponent() = default;

    // --- the data grid -------------------------------------------------------------------------
    /// Data columns, numbered from 1. Columns past the new count go, with the series they formed.
    virtual void setColumnCount(std::int16_t count) = 0;
    /// Data rows, numbered from 1.
    virtual void setRowCount(std::int16_t count) = 0;
    /// Stores one cell. `nullFlag` 0 stores a real value; any other value leaves the cell empty.
    virtual void setDataPoint(int row, int column, double value, int nullFlag) = 0;

    // --- the chart as a whole ----------------------------------------------------------------
    virtual void setSeriesType(ChartKind kind) = 0;
    virtual void setChartType(ChartKind kind) = 0;
    virtual void setLegendShown(bool shown) = 0;
    virtual void setLegendPlace(LegendPlace place) = 0;
    virtual void setTitleFontSize(double points) = 0;
    virtual void setTitleFontName(const QString& name) = 0;
    virtual void setTitleText(const QString& text) = 0;
    /// When set, X and Y share one value range; when cleared, each axis is scaled on its own.
    virtual void setAxesScaledTogether(bool together) = 0;

    // --- one series, by its X column -------------------------------------------------------------
    /// The series' markers as a whole (used where no point overrides them).
    virtual void setSeriesMarkersShown(int xColumn, bool shown) = 0;
    /// Automatic marker assignment: the component picks the marker shape of each series itself.
    virtual void setSeriesMarkersAuto(int xColumn, bool automatic) = 0;
    /// A line joining the points in row order.
    virtual void setSeriesLineShown(int xColumn, bool shown) = 0;
    virtual void setSeriesRegressionLine(int xColumn, bool shown) = 0;
    /// The marker of every point of the series, overriding the series-wide setting.
    virtual void setPointMarkersVisible(int xColumn, bool visible) = 0;
    virtual void setMarkerSize(int xColumn, int size) = 0;
    /// The shape used while automatic marker assignment is off.
    virtual void setMarkerShape(int xColumn, MarkerShape shape) = 0;
    virtual void setMarkerPenStyle(int xColumn, LineStyle style) = 0;
    virtual void setMarkerPenWidth(int xColumn, int width) = 0;
    virtual void setMarkerPenColour(int xColumn, ColourPart part, int value) = 0;
    virtual void setMarkerFillColour(int xColumn, ColourPart part, int value) = 0;
    virtual void setLineColour(int xColumn, ColourPart part, int value) = 0;
    virtual void setLegendText(int xColumn, const QString& text) = 0;

    // --- one axis ------------------------------------------------------------------------------
    virtual void setAxisScale(ChartAxis axis, AxisScale scale) = 0;
    /// Automatic value range: taken from the data at every redraw.
    virtual void setAxisAutoRange(ChartAxis axis, bool automatic) = 0;
    virtual void setAxisTickMarks(ChartAxis axis, TickMarks marks) = 0;
    virtual void setAxisGridStyle(ChartAxis axis, LineStyle style) = 0;
    /// Automatic grid colour; while it is off, the colour set part by part is used.
    virtual void setAxisGridAutoColour(ChartAxis axis, bool automatic) = 0;
    virtual void setAxisGridColour(ChartAxis axis, ColourPart part, int value) = 0;
    virtual void setAxisTitleFontSize(ChartAxis axis, double points) = 0;
    virtual void setAxisTitleFontName(ChartAxis axis, const QString& name) = 0;
    virtual void setAxisTitleVisible(ChartAxis axis, bool visible) = 0;
    virtual void setAxisTitleText(ChartAxis axis, const QString& text) = 0;

    /// Ends a batch of settings: a component that builds its drawing from the settings does so
    /// now, so that the chart is complete when the procedure returns.
    virtual void commit() = 0;
};

} // namespace vorlenza
