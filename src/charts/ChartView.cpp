#include "ChartView.h"

#include "FontSize.h"
#include "SeriesThinning.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

constexpr double kMarkerPxPerUnit = 0.06;
constexpr double kPenPxPerUnit = 0.2;
constexpr double kLineWidthPx = 1.5;
constexpr double kRangeMargin = 0.03; ///< share of the data span added below and above
const QColor kAutoGridColour(200, 200, 200);

void setPart(QColor& colour, ColourPart part, int value)
{
    value = std::clamp(value, 0, 255);
    switch (part) {
    case ColourPart::Red:
        colour.setRed(value);
        break;
    case ColourPart::Green:
        colour.setGreen(value);
        break;
    case ColourPart::Blue:
        colour.setBlue(value);
        break;
    }
}

Qt::PenStyle qtPenStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::None:
        return Qt::NoPen;
    case LineStyle::Solid:
        return Qt::SolidLine;
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    }
    return Qt::SolidLine;
}

QCPScatterStyle::ScatterShape qcpShape(MarkerShape shape)
{
    switch (shape) {
    case MarkerShape::Square:
    case MarkerShape::FilledSquare:
        return QCPScatterStyle::ssSquare;
    case MarkerShape::Circle:
    case MarkerShape::FilledCircle:
        return QCPScatterStyle::ssCircle;
    case MarkerShape::Diamond:
    case MarkerShape::FilledDiamond:
        return QCPScatterStyle::ssDiamond;
    case MarkerShape::Triangle:
    case MarkerShape::FilledTriangle:
        return QCPScatterStyle::ssTriangle;
    }
    return QCPScatterStyle::ssSquare;
}

bool filled(MarkerShape shape)
{
    return shape == MarkerShape::FilledSquare || shape == MarkerShape::FilledCircle ||
           shape == MarkerShape::FilledDiamond || shape == MarkerShape::FilledTriangle;
}

/// The data range of an axis widened a little so that nothing touches the frame; a flat or
/// empty range still gets a usable span.
QCPRange padded(double lo, double hi)
{
    if (!(lo <= hi))
        return QCPRange(-1.0, 1.0);
    const double span = hi - lo;
    if (span <= 0.0) {
        const double d = std::max(1.0, std::abs(lo) * 0.1);
        return QCPRange(lo - d, hi + d);
    }
    return QCPRange(lo - span * kRangeMargin, hi + span * kRangeMargin);
}

void applyTicks(QCPAxis* axis, TickMarks marks)
{
    switch (marks) {
    case TickMarks::None:
        axis->setTickLength(0, 0);
        axis->setSubTickLength(0, 0);
        break;
    case TickMarks::Inside:
        axis->setTickLength(5, 0);
        axis->setSubTickLength(2, 0);
        break;
    case TickMarks::Outside:
        axis->setTickLength(0, 5);
        axis->setSubTickLength(0, 2);
        break;
    case TickMarks::Across:
        axis->setTickLength(3, 3);
        axis->setSubTickLength(1, 1);
        break;
    }
}

/// Device pixels per logical pixel of what `painter` draws on.
double deviceScale(const QPainter* painter)
{
    const QTransform t = painter->deviceTransform();
    const double s = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return s > 0.0 && std::isfinite(s) ? s : 1.0;
}

/// A curve (points joined in row order, X need not be sorted) that draws only what can be seen.
/// A line in day order keeps the first, lowest, highest and last point of each pixel column; any
/// other line leaves out the segments that join two pixels already joined. A marker on the pixel
/// of a later marker is left out. The line is handed to the painter as separate segments with flat
/// caps (a long antialiased polyline costs the raster engine far more than its segments do).
class SeriesCurve : public QCPCurve
{
public:
    using QCPCurve::QCPCurve;
    bool skipHidden = true;

protected:
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override
    {
        const QPen pen = painter->pen();
        if (!skipHidden || pen.style() != Qt::SolidLine || pen.capStyle() != Qt::SquareCap) {
            QCPCurve::drawCurveLine(painter, lines);
            return;
        }
        if (pen.color().alpha() == 0)
            return;
        const double scale = deviceScale(painter);
        const double halfWidth = pen.widthF() / 2.0;
        const QVector<QLineF> segments =
            inColumnOrder(lines) ? lineSegments(columnExtremes(lines, scale), scale, false, halfWidth)
                                 : lineSegments(lines, scale, true, halfWidth);
        QPen flat = pen;
        flat.setCapStyle(Qt::FlatCap);
        applyDefaultAntialiasingHint(painter);
        painter->setPen(flat);
        painter->drawLines(segments);
        painter->setPen(pen);
    }
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                         const QCPScatterStyle& style) const override
    {
        QCPCurve::drawScatterPlot(painter, skipHidden ? topmostMarkers(points, deviceScale(painter)) : points,
                                  style);
    }
};

} // namespace

ChartView::ChartView(QWidget* parent) : QCustomPlot(parent)
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
    legend->setVisible(false);
    legend->setFont(fontsize::sized(QStringLiteral("Arial"), 10.0));

    const QFont tickFont = fontsize::sized(QStringLiteral("Arial"), 10.0);
    xAxis->setTickLabelFont(tickFont);
    yAxis->setTickLabelFont(tickFont);

    // Settings made outside a commit still reach the screen before it is painted.
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        if (m_dirty)
            rebuild();
    });
    rebuild();
}

ChartView::~ChartView()
{
    // Hand a taken-out legend column back to the layout so that QCustomPlot deletes it in order.
    if (!legendOnChart())
        plotLayout()->addElement(1, 1, m_legendColumn);
}

ChartView::SeriesLook ChartView::defaultLook(int k)
{
    static const QColor lineColours[] = {QColor(0, 0, 0),     QColor(192, 0, 0),   QColor(0, 128, 0),
                                         QColor(255, 140, 0), QColor(128, 0, 128), QColor(0, 128, 128)};
    static const MarkerShape autoShapes[] = {MarkerShape::FilledDiamond, MarkerShape::FilledCircle,
                                             MarkerShape::FilledTriangle, MarkerShape::Square};
    SeriesLook look;
    look.line = lineColours[static_cast<std::size_t>(k) % std::size(lineColours)];
    look.autoShape = autoShapes[static_cast<std::size_t>(k) % std::size(autoShapes)];
    look.shape = look.autoShape;
    return look;
}

ChartView::SeriesLook* ChartView::look(int xColumn)
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
    m_columns = std::max<int>(0, count);
    m_cells.resize(
        static_cast<std::size_t>(m_columns),
        std::vector<double>(static_cast<std::size_t>(m_rows), std::numeric_limits<double>::quiet_NaN()));
    // A series that goes away takes its look with it; one that comes back starts afresh.
    const std::size_t series = static_cast<std::size_t>(m_columns / 2);
    while (m_looks.size() > series)
        m_looks.pop_back();
    while (m_looks.size() < series)
        m_looks.push_back(defaultLook(static_cast<int>(m_looks.size())));
    changed();
}

void ChartView::setRowCount(std::int16_t count)
{
    m_rows = std::max<int>(0, count);
    for (std::vector<double>& column : m_cells)
        column.resize(static_cast<std::size_t>(m_rows), std::numeric_limits<double>::quiet_NaN());
    changed();
}

void ChartView::setDataPoint(int row, int column, double value, int nullFlag)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return;
    m_cells[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)] =
        nullFlag == 0 ? value : std::numeric_limits<double>::quiet_NaN();
    changed();
}

// --- the chart as a whole ---------------------------------------------------------------------

void ChartView::setSeriesType(ChartKind)
{
    changed();
}
void ChartView::setChartType(ChartKind)
{
    changed();
}
void ChartView::setLegendPlace(LegendPlace)
{
    changed();
}

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

void ChartView::setSeriesRegressionLine(int xColumn, bool shown)
{
    editLook(xColumn, [&](SeriesLook& l) { l.regression = shown; });
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
    editLook(xColumn, [&](SeriesLook& l) { setPart(l.markerPen, part, value); });
}

void ChartView::setMarkerFillColour(int xColumn, ColourPart part, int value)
{
    editLook(xColumn, [&](SeriesLook& l) { setPart(l.fill, part, value); });
}

void ChartView::setLineColour(int xColumn, ColourPart part, int value)
{
    editLook(xColumn, [&](SeriesLook& l) { setPart(l.line, part, value); });
}

void ChartView::setLegendText(int xColumn, const QString& text)
{
    editLook(xColumn, [&](SeriesLook& l) { l.legendText = text; });
}

// --- one axis ---------------------------------------------------------------------------------

void ChartView::setAxisScale(ChartAxis, AxisScale)
{
    changed();
}

void ChartView::setAxisAutoRange(ChartAxis axis, bool automatic)
{
    axisLook(axis).autoRange = automatic;
    changed();
}

void ChartView::setAxisTickMarks(ChartAxis axis, TickMarks marks)
{
    axisLook(axis).ticks = marks;
    changed();
}

void ChartView::setAxisGridStyle(ChartAxis axis, LineStyle style)
{
    axisLook(axis).gridStyle = style;
    changed();
}

void ChartView::setAxisGridAutoColour(ChartAxis axis, bool automatic)
{
    axisLook(axis).gridAutoColour = automatic;
    changed();
}

void ChartView::setAxisGridColour(ChartAxis axis, ColourPart part, int value)
{
    setPart(axisLook(axis).gridColour, part, value);
    changed();
}

void ChartView::setAxisTitleFontSize(ChartAxis axis, double points)
{
    axisLook(axis).fontPoints = points;
    changed();
}

void ChartView::setAxisTitleFontName(ChartAxis axis, const QString& name)
{
    axisLook(axis).fontName = name;
    changed();
}

void ChartView::setAxisTitleVisible(ChartAxis axis, bool visible)
{
    axisLook(axis).titleVisible = visible;
    changed();
}

void ChartView::setAxisTitleText(ChartAxis axis, const QString& text)
{
    axisLook(axis).title = text;
    changed();
}

void ChartView::commit()
{
    rebuild();
    describe();
    replot(QCustomPlot::rpQueuedReplot);
}

void ChartView::describe()
{
    // What a screen reader says of the chart: its title, its axes and how much it holds.
    const int series = m_columns / 2;
    const int points = qMax(0, m_rows);
    setAccessibleDescription(tr("%1: %2 against %3, %n series", nullptr, series)
                                 .arg(m_titleText, m_yLook.title, m_xLook.title) +
                             tr(" of %n points each", nullptr, points));
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

bool ChartView::legendOnChart() const
{
    return m_legendColumn->layout() == plotLayout();
}

void ChartView::rebuild()
{
    m_dirty = false;
    m_title->setText(m_titleText);
    m_title->setFont(fontsize::sized(m_titleFontName, m_titleFontPoints));
    buildSeries();
    applyAxes();
    applyRanges();
    placeLegend(m_legendShown);
}

void ChartView::buildSeries()
{
    const std::size_t count = m_looks.size();
    while (m_curves.size() > count) {
        removePlottable(m_curves.back());
        m_curves.pop_back();
    }
    while (m_curves.size() < count)
        m_curves.push_back(new SeriesCurve(xAxis, yAxis));

    legend->clearItems();
    for (std::size_t k = 0; k < count; ++k) {
        SeriesCurve* curve = static_cast<SeriesCurve*>(m_curves[k]);
        curve->skipHidden = !m_drawEveryPoint;
        const SeriesLook& l = m_looks[k];
        const std::vector<double>& xs = m_cells[2 * k];
        const std::vector<double>& ys = m_cells[2 * k + 1];

        QVector<QCPCurveData> points;
        points.reserve(m_rows);
        for (int r = 0; r < m_rows; ++r)
            points.append(QCPCurveData(r, xs[static_cast<std::size_t>(r)], ys[static_cast<std::size_t>(r)]));
        curve->data()->set(points, true);

        curve->setLineStyle(l.lineShown ? QCPCurve::lsLine : QCPCurve::lsNone);
        curve->setPen(l.lineShown ? QPen(l.line, kLineWidthPx) : QPen(Qt::NoPen));
        if (l.pointMarkers.value_or(l.markersShown)) {
            const MarkerShape shape = l.markersAuto ? l.autoShape : l.shape;
            QPen pen(l.markerPen, std::max(1.0, l.markerPenWidth * kPenPxPerUnit),
                     qtPenStyle(l.markerPenStyle));
            pen.setJoinStyle(Qt::MiterJoin);
            const QBrush brush = filled(shape) ? QBrush(l.fill) : QBrush(Qt::NoBrush);
            curve->setScatterStyle(
                QCPScatterStyle(qcpShape(shape), pen, brush, std::max(1.0, l.markerSize * kMarkerPxPerUnit)));
        } else {
            curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
        }
        curve->setName(l.legendText);
        if (!l.legendText.isEmpty())
            curve->addToLegend();
    }
}

void ChartView::applyAxes()
{
    const auto apply = [](QCPAxis* axis, const AxisLook& l) {
        axis->setScaleType(QCPAxis::stLinear);
        applyTicks(axis, l.ticks);
        axis->setLabel(l.titleVisible ? l.title : QString());
        axis->setLabelFont(fontsize::sized(l.fontName, l.fontPoints));
        const QColor colour = l.gridAutoColour ? kAutoGridColour : l.gridColour;
        axis->grid()->setPen(QPen(colour, 0, qtPenStyle(l.gridStyle)));
    };
    apply(xAxis, m_xLook);
    apply(yAxis, m_yLook);
    // The Y grid line at zero is drawn like every other Y grid line.
    yAxis->grid()->setZeroLinePen(Qt::NoPen);
}

void ChartView::applyRanges()
{
    double xLo = std::numeric_limits<double>::infinity(), xHi = -xLo;
    double yLo = xLo, yHi = -xLo;
    for (std::size_t k = 0; k < m_looks.size(); ++k) {
        const std::vector<double>& xs = m_cells[2 * k];
        const std::vector<double>& ys = m_cells[2 * k + 1];
        for (std::size_t r = 0; r < xs.size(); ++r) {
            const double x = xs[r], y = ys[r];
            if (!std::isfinite(x) || !std::isfinite(y))
                continue;
            xLo = std::min(xLo, x);
            xHi = std::max(xHi, x);
            yLo = std::min(yLo, y);
            yHi = std::max(yHi, y);
        }
    }
    if (m_axesTogether) {
        xLo = yLo = std::min(xLo, yLo);
        xHi = yHi = std::max(xHi, yHi);
    }
    if (m_xLook.autoRange)
        xAxis->setRange(padded(xLo, xHi));
    if (m_yLook.autoRange)
        yAxis->setRange(padded(yLo, yHi));
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
