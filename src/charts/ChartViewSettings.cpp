// The chart's settings one by one, as the windows make them: each remembers its value and marks
// the chart for a rebuild (ChartView::changed), so that many settings cost one replot.
#include "ChartView.h"

#include "FontSize.h"

namespace vorlenza {

// --- the chart as a whole ---------------------------------------------------------------------

void ChartView::setSeriesType(ChartKind) { changed(); }
void ChartView::setChartType(ChartKind) { changed(); }
void ChartView::setLegendPlace(LegendPlace) { changed(); }

void ChartView::setLegendShown(bool shown)
{
    m_legendShown = shown;
    changed();
}

void ChartView::setTitleFontSize(double points)
{
    m_titleFontPoints = points;
    changed();
}

void ChartView::setTitleFontName(const QString& name)
{
    m_titleFontName = name;
    changed();
}

void ChartView::setTitleText(const QString& text)
{
    m_titleText = text;
    changed();
}

void ChartView::setAxesScaledTogether(bool together)
{
    m_axesTogether = together;
    changed();
}

// --- one series -------------------------------------------------------------------------------

void ChartView::setSeriesMarkersShown(int xColumn, bool shown)
{
    editLook(xColumn, [&](SeriesLook& l) { l.markersShown = shown; });
}

void ChartView::setSeriesMarkersAuto(int xColumn, bool automatic)
{
    editLook(xColumn, [&](SeriesLook& l) { l.markersAuto = automatic; });
}

void ChartView::setSeriesLineShown(int xColumn, bool shown)
{
    editLook(xColumn, [&](SeriesLook& l) { l.lineShown = shown; });
}

void ChartView::setSeriesRegressionLine(int xColumn, bool)
{
    // Accepted for a series, never drawn.
    editLook(xColumn, [](SeriesLook&) {});
}

void ChartView::setPointMarkersVisible(int xColumn, bool visible)
{
    editLook(xColumn, [&](SeriesLook& l) { l.pointMarkers = visible; });
}

void ChartView::setMarkerSize(int xColumn, int size)
{
    editLook(xColumn, [&](SeriesLook& l) { l.markerSize = size; });
}

void ChartView::setMarkerShape(int xColumn, MarkerShape shape)
{
    editLook(xColumn, [&](SeriesLook& l) { l.shape = shape; });
}

void ChartView::setMarkerPenStyle(int xColumn, LineStyle style)
{
    editLook(xColumn, [&](SeriesLook& l) { l.markerPenStyle = style; });
}

void ChartView::setMarkerPenWidth(int xColumn, int width)
{
    editLook(xColumn, [&](SeriesLook& l) { l.markerPenWidth = width; });
}

void ChartView::setMarkerPenColour(int xColumn, ColourPart part, int value)
{
    editLook(xColumn, [&](SeriesLook& l) { setColourPart(l.markerPen, part, value); });
}

void ChartView::setMarkerFillColour(int xColumn, ColourPart part, int value)
{
    editLook(xColumn, [&](SeriesLook& l) { setColourPart(l.fill, part, value); });
}

void ChartView::setLineColour(int xColumn, ColourPart part, int value)
{
    editLook(xColumn, [&](SeriesLook& l) { setColourPart(l.line, part, value); });
}

void ChartView::setLegendText(int xColumn, const QString& text)
{
    editLook(xColumn, [&](SeriesLook& l) { l.legendText = text; });
}

// --- one axis ---------------------------------------------------------------------------------

void ChartView::setAxisScale(ChartAxis, AxisScale) { changed(); }

void ChartView::setAxisAutoRange(ChartAxis axis, bool automatic)
{
    editAxis(axis, [&](AxisLook& l) { l.autoRange = automatic; });
}

void ChartView::setAxisTickMarks(ChartAxis axis, TickMarks marks)
{
    editAxis(axis, [&](AxisLook& l) { l.ticks = marks; });
}

void ChartView::setAxisGridStyle(ChartAxis axis, LineStyle style)
{
    editAxis(axis, [&](AxisLook& l) { l.gridStyle = style; });
}

void ChartView::setAxisGridAutoColour(ChartAxis axis, bool automatic)
{
    editAxis(axis, [&](AxisLook& l) { l.gridAutoColour = automatic; });
}

void ChartView::setAxisGridColour(ChartAxis axis, ColourPart part, int value)
{
    editAxis(axis, [&](AxisLook& l) { setColourPart(l.gridColour, part, value); });
}

void ChartView::setAxisTitleFontSize(ChartAxis axis, double points)
{
    editAxis(axis, [&](AxisLook& l) { l.fontPoints = points; });
}

void ChartView::setAxisTitleFontName(ChartAxis axis, const QString& name)
{
    editAxis(axis, [&](AxisLook& l) { l.fontName = name; });
}

void ChartView::setAxisTitleVisible(ChartAxis axis, bool visible)
{
    editAxis(axis, [&](AxisLook& l) { l.titleVisible = visible; });
}

void ChartView::setAxisTitleText(ChartAxis axis, const QString& text)
{
    editAxis(axis, [&](AxisLook& l) { l.title = text; });
}

} // namespace vorlenza
