#pragma once

#include "ChartComponent.h"

#include <QString>
#include <QStringList>

#include <vector>

using namespace vorlenza;

/// A chart component that draws nothing and writes down every setting as one line of text, e.g.
/// "markerSize 5 100" or "axisGridColour Y Red 0". Data points go to a list of their own, so that
/// the settings can be compared as a whole and the data checked cell by cell.
class RecordingChart : public ChartComponent {
public:
    struct Cell {
        int row;
        int column;
        double value;
        int nullFlag;
    };

    QStringList steps; ///< settings in call order; "data" marks where the data passes ran
    std::vector<Cell> cells;

    void setColumnCount(std::int16_t count) override { add("columnCount", count); }
    void setRowCount(std::int16_t count) override { add("rowCount", count); }
    void setDataPoint(int row, int column, double value, int nullFlag) override
    {
        if (steps.isEmpty() || steps.back() != QLatin1String("data"))
            steps << QStringLiteral("data");
        cells.push_back({row, column, value, nullFlag});
    }
    void setSeriesType(ChartKind) override { add("seriesType", "XY2D"); }
    void setChartType(ChartKind) override { add("chartType", "XY2D"); }
    void setLegendShown(bool shown) override { add("legendShown", shown); }
    void setLegendPlace(LegendPlace) override { add("legendPlace", "Right"); }
    void setTitleFontSize(double points) override { add("titleFontSize", points); }
    void setTitleFontName(const QString& n) override { add("titleFontName", n); }
    void setTitleText(const QString& text) override { add("titleText", text); }
    void setAxesScaledTogether(bool together) override { add("axesScaledTogether", together); }

    void setSeriesMarkersShown(int c, bool shown) override { add("seriesMarkersShown", c, shown); }
    void setSeriesMarkersAuto(int c, bool automatic) override { add("seriesMarkersAuto", c, automatic); }
    void setSeriesLineShown(int c, bool shown) override { add("seriesLineShown", c, shown); }
    void setSeriesRegressionLine(int c, bool shown) override { add("regressionLine", c, shown); }
    void setPointMarkersVisible(int c, bool visible) override { add("pointMarkersVisible", c, visible); }
    void setMarkerSize(int c, int size) override { add("markerSize", c, size); }
    void setMarkerShape(int c, MarkerShape s) override
    {
        add("markerShape", c, s == MarkerShape::FilledSquare ? "FilledSquare" : "other");
    }
    void setMarkerPenStyle(int c, LineStyle style) override { add("markerPenStyle", c, name(style)); }
    void setMarkerPenWidth(int c, int width) override { add("markerPenWidth", c, width); }
    void setMarkerPenColour(int c, ColourPart p, int v) override { add("markerPenColour", c, name(p), v); }
    void setMarkerFillColour(int c, ColourPart p, int v) override { add("markerFillColour", c, name(p), v); }
    void setLineColour(int c, ColourPart p, int v) override { add("lineColour", c, name(p), v); }
    void setLegendText(int c, const QString& text) override { add("legendText", c, text); }

    void setAxisScale(ChartAxis a, AxisScale) override { add("axisScale", name(a), "Linear"); }
    void setAxisAutoRange(ChartAxis a, bool automatic) override { add("axisAutoRange", name(a), automatic); }
    void setAxisTickMarks(ChartAxis a, TickMarks marks) override
    {
        add("axisTickMarks", name(a), marks == TickMarks::Outside ? "Outside" : "other");
    }
    void setAxisGridStyle(ChartAxis a, LineStyle s) override { add("axisGridStyle", name(a), name(s)); }
    void setAxisGridAutoColour(ChartAxis a, bool automatic) override { add("axisGridAutoColour", name(a), automatic); }
    void setAxisGridColour(ChartAxis a, ColourPart p, int v) override { add("axisGridColour", name(a), name(p), v); }
    void setAxisTitleFontSize(ChartAxis a, double pt) override { add("axisTitleFontSize", name(a), pt); }
    void setAxisTitleFontName(ChartAxis a, const QString& f) override { add("axisTitleFontName", name(a), f); }
    void setAxisTitleVisible(ChartAxis a, bool v) override { add("axisTitleVisible", name(a), v); }
    void setAxisTitleText(ChartAxis a, const QString& t) override { add("axisTitleText", name(a), t); }
    void commit() override { steps << QStringLiteral("commit"); }

private:
    static QString text(const QString& s) { return s; }
    static QString text(const char* s) { return QString::fromUtf8(s); }
    static QString text(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString text(int i) { return QString::number(i); }
    static QString text(std::int16_t i) { return QString::number(i); }
    static QString text(double d) { return QString::number(d); }

    static const char* name(ChartAxis a) { return a == ChartAxis::X ? "X" : "Y"; }
    static const char* name(ColourPart p)
    {
        return p == ColourPart::Red ? "Red" : p == ColourPart::Green ? "Green" : "Blue";
    }
    static const char* name(LineStyle s)
    {
        const char* const names[] = {"None", "Solid", "Dash", "Dot"};
        return names[static_cast<int>(s)];
    }

    template <typename... Args> void add(const char* op, Args... args)
    {
        QStringList parts{QString::fromUtf8(op)};
        (parts << ... << text(args));
        steps << parts.join(QLatin1Char(' '));
    }
};
