#pragma once

#include "ChartComponent.h"
#include "ClickDetector.h"

#include <qcustomplot.h>

#include <QColor>
#include <optional>
#include <vector>

/// The chart control of both graph windows (`MSChart1`): a QCustomPlot widget that carries out
/// the chart operations. It emits clicked() for a left-button click anywhere on it.
///
/// Every operation only records the setting; the drawing is rebuilt from the grid and the
/// settings in one go at commit() (and, for settings made without a commit, just before the next
/// replot), followed by one queued replot.
///
/// Units: a marker size unit is 0.06 px (size 100 draws 6 px markers); a marker pen width unit is
/// 0.2 px with at least 1 px (width 5 draws a 1 px outline). Font sizes are points at 96 dpi, set
/// as pixel sizes (10 pt = 13 px). Lines are 1.5 px wide.
///
/// Looks the component holds for series nobody styles (and the colours that partial colour
/// settings start from): line colours black, dark red, dark green (0,128,0), orange (255,140,0),
/// then purple and teal; marker fills and outlines black; automatic marker shapes filled diamond,
/// filled circle, filled triangle, square. A series starts as a line without markers. A regression
/// line is a recorded setting only: nothing draws one.
class ChartView : public QCustomPlot, public ChartComponent
{
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    // ChartComponent
    void setColumnCount(std::int16_t count) override;
    void setRowCount(std::int16_t count) override;
    void setDataPoint(int row, int column, double value, int nullFlag) override;
    void setSeriesType(ChartKind kind) override;
    void setChartType(ChartKind kind) override;
    void setLegendShown(bool shown) override;
    void setLegendPlace(LegendPlace place) override;
    void setTitleFontSize(double points) override;
    void setTitleFontName(const QString& name) override;
    void setTitleText(const QString& text) override;
    void setAxesScaledTogether(bool together) override;
    void setSeriesMarkersShown(int xColumn, bool shown) override;
    void setSeriesMarkersAuto(int xColumn, bool automatic) override;
    void setSeriesLineShown(int xColumn, bool shown) override;
    void setSeriesRegressionLine(int xColumn, bool shown) override;
    void setPointMarkersVisible(int xColumn, bool visible) override;
    void setMarkerSize(int xColumn, int size) override;
    void setMarkerShape(int xColumn, MarkerShape shape) override;
    void setMarkerPenStyle(int xColumn, LineStyle style) override;
    void setMarkerPenWidth(int xColumn, int width) override;
    void setMarkerPenColour(int xColumn, ColourPart part, int value) override;
    void setMarkerFillColour(int xColumn, ColourPart part, int value) override;
    void setLineColour(int xColumn, ColourPart part, int value) override;
    void setLegendText(int xColumn, const QString& text) override;
    void setAxisScale(ChartAxis axis, AxisScale scale) override;
    void setAxisAutoRange(ChartAxis axis, bool automatic) override;
    void setAxisTickMarks(ChartAxis axis, TickMarks marks) override;
    void setAxisGridStyle(ChartAxis axis, LineStyle style) override;
    void setAxisGridAutoColour(ChartAxis axis, bool automatic) override;
    void setAxisGridColour(ChartAxis axis, ColourPart part, int value) override;
    void setAxisTitleFontSize(ChartAxis axis, double points) override;
    void setAxisTitleFontName(ChartAxis axis, const QString& name) override;
    void setAxisTitleVisible(ChartAxis axis, bool visible) override;
    void setAxisTitleText(ChartAxis axis, const QString& text) override;
    void commit() override;

    // Read-outs of the finished chart (tests, printing).
    int seriesCount() const { return static_cast<int>(m_curves.size()); }
    /// Series k (1-based), or nullptr.
    QCPCurve* seriesCurve(int k) const;
    QCPTextElement* titleElement() const { return m_title; }
    /// Whether the legend is on the chart (shown, to the right of the plot).
    bool legendOnChart() const;

    /// Normally only what can be seen is drawn: per pixel column the extremes of a line in day
    /// order, a segment of any other line once per pair of pixels, a marker once per pixel (a long
    /// run puts thousands of days on a few pixels). Screen and printed page are thinned alike.
    /// Set to draw every point, e.g. to check that the pictures agree.
    void setDrawEveryPoint(bool every);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct SeriesLook {
        bool markersShown = false;
        bool markersAuto = true;
        bool lineShown = true;
        bool regression = false;
        std::optional<bool> pointMarkers; ///< unset: follow markersShown
        int markerSize = 100;
        MarkerShape shape = MarkerShape::FilledSquare;
        MarkerShape autoShape = MarkerShape::FilledSquare;
        LineStyle markerPenStyle = LineStyle::Solid;
        int markerPenWidth = 5;
        QColor markerPen{0, 0, 0};
        QColor fill{0, 0, 0};
        QColor line{0, 0, 0};
        QString legendText;
    };
    struct AxisLook {
        bool autoRange = true;
        TickMarks ticks = TickMarks::Inside;
        LineStyle gridStyle = LineStyle::Dot;
        bool gridAutoColour = true;
        QColor gridColour{0, 0, 0};
        QString fontName;
        double fontPoints = 8.0;
        bool titleVisible = true;
        QString title;
    };

    static SeriesLook defaultLook(int k);
    SeriesLook* look(int xColumn);
    /// Changes the look of the series at `xColumn`; a column that holds no series is ignored.
    template <typename Edit> void editLook(int xColumn, Edit&& edit)
    {
        if (SeriesLook* l = look(xColumn)) {
            edit(*l);
            changed();
        }
    }
    AxisLook& axisLook(ChartAxis axis) { return axis == ChartAxis::X ? m_xLook : m_yLook; }
    void changed();
    void rebuild();
    void describe();
    void buildSeries();
    void applyAxes();
    void applyRanges();
    void placeLegend(bool shown);

    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::vector<double>> m_cells; ///< by column, then row; NaN marks an empty cell
    std::vector<SeriesLook> m_looks;          ///< one per series of the current column count
    bool m_legendShown = false;
    bool m_axesTogether = false;
    QString m_titleFontName;
    double m_titleFontPoints = 8.0;
    QString m_titleText;
    AxisLook m_xLook;
    AxisLook m_yLook;

    bool m_drawEveryPoint = false;
    bool m_dirty = false;
    ClickDetector m_click;
    std::vector<QCPCurve*> m_curves;
    QCPTextElement* m_title = nullptr;
    QCPLayoutGrid* m_legendColumn = nullptr;
};
