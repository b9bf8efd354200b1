#include "ChartView.h"

#include "ChartDescription.h"
#include "FocusFrame.h"
#include "FontSize.h"
#include "SeriesCurve.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace vorlenza {

ChartView::ChartView(QWidget* parent) : QCustomPlot(parent), m_twins(*this)
{
    setAccessibleName(tr("Chart"));
    const QString family = font().family();
    m_titleFontName = family;
    m_xLook.fontName = family;
    m_yLook.fontName = family;

    setAutoAddPlottableToLegend(false);

    plotLayout()->insertRow(0);
    m_title = new QCPTextElement(this, QString(), fontsize::sized(family, m_titleFontPoints));
    plotLayout()->addElement(0, 0, m_title);

    // The legend lives in a column of its own at the right, centred between two spacers.
    axisRect()->insetLayout()->take(legend);
    m_legendColumn = new QCPLayoutGrid;
    m_legendColumn->addElement(0, 0, new QCPLayoutElement(this));
    m_legendColumn->addElement(1, 0, legend);
    m_legendColumn->addElement(2, 0, new QCPLayoutElement(this));
    m_legendColumn->setRowStretchFactor(0, 1.0);
    m_legendColumn->setRowStretchFactor(1, 0.001);
    m_legendColumn->setRowStretchFactor(2, 1.0);
    // The legend's box ends a pixel inside the chart: at the chart's last column its right border
    // would fall just outside the screen's pixels.
    m_legendColumn->setMargins(QMargins(0, 0, 1, 0));
    legend->setVisible(false);
    legend->setFont(fontsize::sized(QStringLiteral("Arial"), 10.0));

    // QCustomPlot writes tick labels in the widget's locale; the program writes numbers one way in
    // every language, with a point and no grouping, as the fields and result boxes do.
    useProgramNumbers(*this);

    const QFont tickFont = fontsize::sized(QStringLiteral("Arial"), 10.0);
    xAxis->setTickLabelFont(tickFont);
    yAxis->setTickLabelFont(tickFont);

    // Settings made outside a commit still reach the screen before it is painted.
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        if (m_dirty)
            rebuild();
    });
    rebuild();

    // QCustomPlot queues a replot of the empty chart as it is made. Every chart is replotted by its
    // first resize, which Qt sends when the chart is first shown or rendered, so that one would only
    // draw a chart nobody sees (the main window's is made hidden at start-up, and measuring its
    // tick labels loads two fonts). Dropped, the next change queues a replot of its own.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    mReplotQueued = false;
}

ChartView::~ChartView()
{
    // Hand a taken-out legend column back to the layout so that QCustomPlot deletes it in order.
    if (!legendOnChart())
        plotLayout()->addElement(1, 1, m_legendColumn);
}

SeriesLook* ChartView::look(int xColumn)
{
    if (xColumn < 1 || xColumn % 2 == 0)
        return nullptr;
    const std::size_t k = static_cast<std::size_t>(xColumn - 1) / 2;
    return k < m_looks.size() ? &m_looks[k] : nullptr;
}

void ChartView::changed()
{
    if (!m_dirty) {
        m_dirty = true;
        replot(QCustomPlot::rpQueuedReplot);
    }
}

// --- the data grid ----------------------------------------------------------------------------

void ChartView::setColumnCount(std::int16_t count)
{
    m_grid.setColumnCount(count);
    // A series that goes away takes its look with it; one that comes back starts afresh.
    const std::size_t series = static_cast<std::size_t>(m_grid.seriesCount());
    while (m_looks.size() > series)
        m_looks.pop_back();
    while (m_looks.size() < series)
        m_looks.push_back(defaultSeriesLook(static_cast<int>(m_looks.size())));
    changed();
}

void ChartView::setRowCount(std::int16_t count)
{
    m_grid.setRowCount(count);
    changed();
}

void ChartView::setDataPoint(int row, int column, double value, int nullFlag)
{
    if (m_grid.setCell(row, column, value, nullFlag != 0))
        changed();
}

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

void ChartView::commit()
{
    rebuild();
    setAccessibleDescription(
        chartDescription(m_titleText, m_yLook.title, m_xLook.title, m_grid.seriesCount(), m_grid.rowCount()));
    replot(QCustomPlot::rpQueuedReplot);
}

// --- building the drawing ---------------------------------------------------------------------

QCPCurve* ChartView::seriesCurve(int k) const
{
    return k >= 1 && k <= seriesCount() ? m_curves[static_cast<std::size_t>(k - 1)] : nullptr;
}

void ChartView::setDrawEveryPoint(bool every)
{
    m_drawEveryPoint = every;
    changed();
}

bool ChartView::legendOnChart() const { return m_legendColumn->layout() == plotLayout(); }

void ChartView::rebuild()
{
    m_dirty = false;
    m_title->setText(m_titleText);
    m_title->setFont(fontsize::sized(m_titleFontName, m_titleFontPoints));
    buildSeries();
    applyAxes();
    applyRanges();
    placeLegend(m_legendShown);
    m_twins.placeLegend();
}

void ChartView::buildSeries()
{
    // The twins come after the series, so that series k stays plottable k.
    m_twins.removeCurves();
    const std::size_t count = m_looks.size();
    while (m_curves.size() > count) {
        removePlottable(m_curves.back());
        m_curves.pop_back();
    }
    while (m_curves.size() < count)
        m_curves.push_back(new SeriesCurve(xAxis, yAxis));

    legend->clearItems();
    for (std::size_t k = 0; k < count; ++k) {
        SeriesCurve* curve = m_curves[k];
        curve->setThinned(!m_drawEveryPoint);
        curve->setPoints(m_grid.xs(static_cast<int>(k)), m_grid.ys(static_cast<int>(k)), m_grid.rowCount());
        applySeriesLook(*curve, m_looks[k]);
    }
    m_twins.build(m_looks, m_legendShown);
}

void ChartView::setTwinLines(std::vector<TwinLine> twins)
{
    if (m_twins.setLines(std::move(twins)))
        changed();
}

void ChartView::setCornerNote(const QString& text)
{
    if (m_twins.setNote(text))
        changed();
}

void ChartView::applyAxes()
{
    applyAxisLook(*xAxis, m_xLook);
    applyAxisLook(*yAxis, m_yLook);
    // The Y grid line at zero is drawn like every other Y grid line.
    yAxis->grid()->setZeroLinePen(Qt::NoPen);
}

void ChartView::applyRanges()
{
    ChartGrid::Extent e = m_grid.extent(static_cast<int>(m_looks.size()));
    m_twins.extend(e);
    if (m_axesTogether) {
        e.xLo = e.yLo = std::min(e.xLo, e.yLo);
        e.xHi = e.yHi = std::max(e.xHi, e.yHi);
    }
    if (m_xLook.autoRange)
        xAxis->setRange(paddedRange(e.xLo, e.xHi));
    if (m_yLook.autoRange)
        yAxis->setRange(paddedRange(e.yLo, e.yHi));
}

void ChartView::placeLegend(bool shown)
{
    if (shown && !legendOnChart()) {
        plotLayout()->addElement(1, 1, m_legendColumn);
        plotLayout()->setColumnStretchFactor(1, 0.001);
    } else if (!shown && legendOnChart()) {
        plotLayout()->take(m_legendColumn);
        plotLayout()->simplify();
    }
    legend->setVisible(shown);
}

// --- clicks -----------------------------------------------------------------------------------

void ChartView::mousePressEvent(QMouseEvent* event)
{
    QCustomPlot::mousePressEvent(event);
    m_click.press(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    QCustomPlot::mouseReleaseEvent(event);
    if (m_click.release(event, rect()))
        emit clicked();
}

// --- keyboard focus ----------------------------------------------------------------------------

void ChartView::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    paintFocusFrame(*this);
}

void ChartView::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    update();
}

void ChartView::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    update();
}

} // namespace vorlenza
