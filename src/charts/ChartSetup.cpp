#include "ChartSetup.h"

#include "ChartComponent.h"
#include "ModelState.h"

#include <QCoreApplication>

#include <algorithm>

namespace vorlenza {

namespace {

const QString kFontName = QStringLiteral("Arial");
constexpr double kFontPoints = 10.0;
constexpr int kMarkerSize = 100;
constexpr int kMarkerPenWidth = 5;

/// The value of `source` on day `t`.
double sourceValue(const ModelState& state, ChartSource source, int t)
{
    switch (source) {
    case ChartSource::Day: return static_cast<double>(t);
    case ChartSource::N1: return state.N1.at(static_cast<std::size_t>(t));
    case ChartSource::N2: return state.N2.at(static_cast<std::size_t>(t));
    case ChartSource::dN1: return state.dN1.at(static_cast<std::size_t>(t));
    case ChartSource::dN2: return state.dN2.at(static_cast<std::size_t>(t));
    case ChartSource::IsoclineAX: return state.isoclineAX.at(static_cast<std::size_t>(t));
    case ChartSource::IsoclineAY: return state.isoclineAY.at(static_cast<std::size_t>(t));
    case ChartSource::IsoclineBX: return state.isoclineBX.at(static_cast<std::size_t>(t));
    case ChartSource::IsoclineBY: return state.isoclineBY.at(static_cast<std::size_t>(t));
    }
    return 0.0;
}

/// A line, optionally blue or with markers on every day.
void applyLineStyle(ChartComponent& chart, int xColumn, SeriesStyle variant)
{
    const bool marked = variant == SeriesStyle::MarkedLine;
    chart.setSeriesMarkersShown(xColumn, marked);
    chart.setSeriesLineShown(xColumn, true);
    if (variant == SeriesStyle::BlueLine)
        chart.setLineColour(xColumn, ColourPart::Blue, 255);
    chart.setSeriesRegressionLine(xColumn, false);
    chart.setPointMarkersVisible(xColumn, marked);
    chart.setMarkerSize(xColumn, kMarkerSize);
    chart.setMarkerFillColour(xColumn, ColourPart::Red, 255);
}

/// Square markers on every day, no line.
void applyMarkerStyle(ChartComponent& chart, int xColumn)
{
    chart.setSeriesMarkersAuto(xColumn, false);
    chart.setSeriesLineShown(xColumn, false);
    chart.setSeriesRegressionLine(xColumn, false);
    chart.setPointMarkersVisible(xColumn, true);
    chart.setMarkerSize(xColumn, kMarkerSize);
    chart.setMarkerShape(xColumn, MarkerShape::FilledSquare);
    chart.setMarkerPenStyle(xColumn, LineStyle::Solid);
    chart.setMarkerPenWidth(xColumn, kMarkerPenWidth);
    chart.setMarkerPenColour(xColumn, ColourPart::Blue, 0);
    chart.setMarkerPenColour(xColumn, ColourPart::Red, 0);
    chart.setMarkerPenColour(xColumn, ColourPart::Green, 0);
    chart.setMarkerFillColour(xColumn, ColourPart::Red, 255);
}

void applySeriesStyle(ChartComponent& chart, const SeriesDefinition& series)
{
    switch (series.style) {
    case SeriesStyle::Line:
    case SeriesStyle::BlueLine:
    case SeriesStyle::MarkedLine: applyLineStyle(chart, series.xColumn, series.style); break;
    case SeriesStyle::Marker: applyMarkerStyle(chart, series.xColumn); break;
    case SeriesStyle::Unstyled: return; // not even a legend text: the series keeps what the component holds
    }
    if (!series.legendText.isEmpty())
        chart.setLegendText(series.xColumn, series.legendText);
}

void styleYAxis(ChartComponent& chart, const QString& title)
{
    const ChartAxis y = ChartAxis::Y;
    chart.setAxisScale(y, AxisScale::Linear);
    chart.setAxisAutoRange(y, true);
    chart.setAxisTickMarks(y, TickMarks::Outside);
    chart.setAxisGridStyle(y, LineStyle::Solid);
    chart.setAxisGridAutoColour(y, false);
    chart.setAxisGridColour(y, ColourPart::Red, 0);
    chart.setAxisGridColour(y, ColourPart::Green, 0);
    chart.setAxisGridColour(y, ColourPart::Blue, 0);
    chart.setAxisTitleFontSize(y, kFontPoints);
    chart.setAxisTitleVisible(y, true);
    chart.setAxisTitleText(y, title);
    chart.setAxisTitleFontName(y, kFontName);
}

void styleXAxis(ChartComponent& chart, const QString& title)
{
    const ChartAxis x = ChartAxis::X;
    chart.setAxisScale(x, AxisScale::Linear);
    chart.setAxisTitleFontSize(x, kFontPoints);
    chart.setAxisTickMarks(x, TickMarks::Outside);
    chart.setAxisTitleFontName(x, kFontName);
    chart.setAxisTitleVisible(x, true);
    chart.setAxisTitleText(x, title);
}

/// A chart or axis title in the user's language; series names such as "N1" have no translation
/// and stay as they are.
QString translated(const QString& title) { return QCoreApplication::translate("Chart", title.toUtf8().constData()); }
} // namespace

void applyChartDefinition(ChartComponent& chart, const ChartDefinition& definition, const ModelState& state)
{
    // A run never leaves simTime outside 0..MaxDay; keep the reads inside the arrays regardless.
    const int n = std::clamp(static_cast<int>(state.simTime), 0, ModelState::MaxDay);

    chart.setColumnCount(static_cast<std::int16_t>(definition.columns));
    chart.setRowCount(static_cast<std::int16_t>(n + 1));
    chart.setSeriesType(ChartKind::XY2D);
    chart.setChartType(ChartKind::XY2D);
    chart.setLegendShown(definition.legend);
    chart.setTitleFontSize(kFontPoints);
    chart.setTitleFontName(kFontName);
    chart.setTitleText(translated(definition.title));
    chart.setLegendPlace(LegendPlace::Right);
    chart.setAxesScaledTogether(false);

    for (const SeriesDefinition& series : definition.series)
        applySeriesStyle(chart, series);

    styleYAxis(chart, translated(definition.yTitle));
    styleXAxis(chart, translated(definition.xTitle));

    std::vector<SeriesDefinition> byColumn = definition.series;
    std::stable_sort(byColumn.begin(), byColumn.end(),
                     [](const SeriesDefinition& a, const SeriesDefinition& b) { return a.xColumn < b.xColumn; });
    for (const SeriesDefinition& series : byColumn) {
        for (int t = 0; t <= n; ++t) {
            chart.setDataPoint(t + 1, series.xColumn, sourceValue(state, series.x, t), 0);
            chart.setDataPoint(t + 1, series.xColumn + 1, sourceValue(state, series.y, t), 0);
        }
    }
    chart.commit();
}

} // namespace vorlenza
