#pragma once

#include "AxisLook.h"
#include "ChartComponent.h"
#include "ChartGrid.h"
#include "ClickDetector.h"
#include "ContinuousTwins.h"
#include "SeriesLook.h"
#include "TwinLayer.h"

#include <qcustomplot.h>

#include <QColor>
#include <vector>

namespace vorlenza {

class SeriesCurve;

/// The chart control of both graph windows (`MSChart1`): a QCustomPlot widget that carries out
/// the chart operations. It emits clicked() for a left-button click anywhere on it.
///
/// Every operation only records the setting; the drawing is rebuilt from the grid and the
/// settings in one go at commit() (and, for settings made without a commit, just before the next
/// replot), followed by one queued replot.
///
/// The grid is a ChartGrid; each series has a SeriesLook (where its units are given), starting
/// from defaultSeriesLook, which is also what partial colour settings start from, and is drawn
/// as a SeriesCurve. Font sizes are points at 96 dpi, set as pixel sizes (10 pt = 13 px). A
/// regression line is accepted and never drawn.
class ChartView : public QCustomPlot, public ChartComponent {
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

    /// Lines drawn beside the series (what the equations give for them), each a thin dashed line
    /// in its series' colour over the grid and under every series, named in the legend when it is
    /// shown and otherwise in a small legend of their own in the plot's top right corner. The axes
    /// take their range from them too. None: the chart is drawn exactly as without them. Kept
    /// until changed, also across charts.
    void setTwinLines(std::vector<TwinLine> twins);
    int twinCount() const { return m_twins.count(); }
    /// Twin k (0-based) as drawn, or nullptr.
    QCPCurve* twinCurve(int k) const { return m_twins.curve(k); }
    /// A short text in a box in the plot's emptiest corner; empty for none.
    void setCornerNote(const QString& text);
    ChartNote* cornerNote() const { return m_twins.note(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// On screen only, the style's focus frame around the chart while it has the keyboard focus;
    /// pages, window PDFs and exported charts paint the chart without this event.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SeriesLook* look(int xColumn);
    /// Changes the look of the series at `xColumn`; a column that holds no series is ignored.
    template <typename Edit> void editLook(int xColumn, Edit&& edit)
    {
        if (SeriesLook* l = look(xColumn)) {
            edit(*l);
            changed();
        }
    }
    /// Changes the look of `axis`.
    template <typename Edit> void editAxis(ChartAxis axis, Edit&& edit)
    {
        edit(axis == ChartAxis::X ? m_xLook : m_yLook);
        changed();
    }
    void changed();
    void rebuild();
    void buildSeries();
    void applyAxes();
    void applyRanges();
    void placeLegend(bool shown);

    ChartGrid m_grid;
    std::vector<SeriesLook> m_looks; ///< one per series of the current column count
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
    std::vector<SeriesCurve*> m_curves;
    TwinLayer m_twins;
    QCPTextElement* m_title = nullptr;
    QCPLayoutGrid* m_legendColumn = nullptr;
};

} // namespace vorlenza
