#include "ContinuousTwins.h"

#include "FontSize.h"
#include "SeriesThinning.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vorlenza {

namespace {

/// The continuous values of `source` on days 0..last, and its name; empty for the day axis and
/// the isoclines.
std::vector<double> valuesOf(ChartSource source, const ContinuousSolution& s, int last, QString* name)
{
    std::vector<double> out;
    const bool change = source == ChartSource::dN1 || source == ChartSource::dN2;
    const bool first = source == ChartSource::N1 || source == ChartSource::dN1;
    if (!change && source != ChartSource::N1 && source != ChartSource::N2)
        return out;
    const std::vector<double>& n = first ? s.N1 : s.N2;
    *name = QLatin1String(change ? (first ? "dN1" : "dN2") : (first ? "N1" : "N2"));
    out.reserve(static_cast<std::size_t>(last) + 1);
    for (int t = 0; t <= last; ++t) {
        const auto i = static_cast<std::size_t>(t);
        out.push_back(change ? n[i + 1] - n[i] : n[i]);
    }
    return out;
}

/// Device pixels per logical pixel of what `painter` draws on.
double deviceScale(const QPainter* painter)
{
    const QTransform t = painter->deviceTransform();
    const double s = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return s > 0.0 && std::isfinite(s) ? s : 1.0;
}

} // namespace

std::vector<TwinLine> continuousTwins(const ChartDefinition& definition, const ContinuousSolution& solution, int days)
{
    std::vector<TwinLine> twins;
    // a change needs the day after, which the solution holds up to days + 1
    const int last = std::min(days, solution.solvedDays - 1);
    if (last < 0)
        return twins;
    for (std::size_t k = 0; k < definition.series.size(); ++k) {
        const SeriesDefinition& s = definition.series[k];
        TwinLine twin;
        twin.series = static_cast<int>(k);
        QString name;
        if (s.x == ChartSource::Day) {
            twin.ys = valuesOf(s.y, solution, last, &name);
            for (int t = 0; t <= last && !twin.ys.empty(); ++t)
                twin.xs.push_back(t);
        } else if (s.x == ChartSource::N1 && s.y == ChartSource::N2) {
            twin.xs.assign(solution.N1.begin(), solution.N1.begin() + last + 1);
            twin.ys.assign(solution.N2.begin(), solution.N2.begin() + last + 1);
            name = QCoreApplication::translate("Chart", "N2 vs. N1");
        }
        if (twin.ys.empty())
            continue;
        twin.legendText = QCoreApplication::translate("Chart", "%1 (continuous)").arg(name);
        twins.push_back(std::move(twin));
    }
    return twins;
}

std::vector<QPolygonF> thinnedPaths(const QVector<QPointF>& lines, double scale)
{
    std::vector<QPolygonF> paths;
    QPolygonF current;
    QPointF lastKept;
    const auto close = [&] {
        if (current.size() > 1)
            paths.push_back(current);
        current.clear();
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPointF& p = lines[i];
        if (isGap(p)) {
            close();
            continue;
        }
        const bool end = i + 1 == lines.size() || isGap(lines[i + 1]);
        if (current.isEmpty() || end || std::hypot(p.x() - lastKept.x(), p.y() - lastKept.y()) * scale >= 1.0) {
            current.append(p);
            lastKept = p;
        }
    }
    close();
    return paths;
}

void ContinuousCurve::drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    applyDefaultAntialiasingHint(painter);
    for (const QPolygonF& path : thinnedPaths(lines, deviceScale(painter)))
        painter->drawPolyline(path);
}

QRectF cornerBox(const QRectF& plot, QSizeF box, double margin, PlotCorner corner)
{
    const bool left = corner == PlotCorner::TopLeft || corner == PlotCorner::BottomLeft;
    const bool top = corner == PlotCorner::TopLeft || corner == PlotCorner::TopRight;
    return QRectF(QPointF(left ? plot.left() + margin : plot.right() - margin - box.width(),
                          top ? plot.top() + margin : plot.bottom() - margin - box.height()),
                  box);
}

PlotCorner emptiestCorner(QCustomPlot& plot, QSizeF box, double margin, PlotCorner avoid)
{
    constexpr int kCorners = 4;
    QCPAxisRect* axes = plot.axisRect();
    if (axes == nullptr)
        return PlotCorner::TopLeft;
    std::array<QRectF, kCorners> boxes;
    for (int c = 0; c < kCorners; ++c)
        boxes[static_cast<std::size_t>(c)] = cornerBox(axes->rect(), box, margin, static_cast<PlotCorner>(c));
    std::array<long, kCorners> crossings{};
    if (avoid != PlotCorner::None)
        crossings[static_cast<std::size_t>(avoid)] = std::numeric_limits<long>::max();
    for (int i = 0; i < plot.plottableCount(); ++i) {
        auto* curve = qobject_cast<QCPCurve*>(plot.plottable(i));
        if (curve == nullptr || !curve->visible())
            continue;
        const QCPAxis* key = curve->keyAxis();
        const QCPAxis* value = curve->valueAxis();
        const auto data = curve->data();
        // a piece joins every stride-th point: enough to see where a curve goes, and cheap
        const int stride = std::max(1, data->size() / 1000);
        bool havePrevious = false;
        QPointF previous;
        for (int j = 0; j < data->size(); j += std::min(stride, std::max(1, data->size() - 1 - j))) {
            const auto it = data->constBegin() + j;
            const QPointF p(key->coordToPixel(it->key), value->coordToPixel(it->value));
            if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
                havePrevious = false;
                continue;
            }
            const QRectF piece = QRectF(havePrevious ? previous : p, p).normalized().adjusted(-1, -1, 1, 1);
            for (std::size_t c = 0; c < boxes.size(); ++c)
                if (crossings[c] != std::numeric_limits<long>::max() && piece.intersects(boxes[c]))
                    ++crossings[c];
            previous = p;
            havePrevious = true;
        }
    }
    return static_cast<PlotCorner>(std::min_element(crossings.begin(), crossings.end()) - crossings.begin());
}

// --- the note -----------------------------------------------------------------------------------

ChartNote::ChartNote(QCustomPlot* plot, const QString& text)
    : QCPLayerable(plot, QStringLiteral("legend")), m_text(text)
{
}

void ChartNote::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(true); }

void ChartNote::draw(QCPPainter* painter)
{
    m_box = QRectF();
    QCPAxisRect* axes = mParentPlot->axisRect();
    if (m_text.isEmpty() || axes == nullptr)
        return;
    const QRectF plot = axes->rect();
    const QFont font = fontsize::sized(QStringLiteral("Arial"), 8.0);
    const QFontMetricsF metrics(font);
    constexpr double kMargin = 6.0, kPadding = 4.0;
    const double width = std::max(60.0, std::min(plot.width() * 0.45, 330.0));
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRectF textRect = metrics.boundingRect(QRectF(0, 0, width, 1e6), flags, m_text);
    const QSizeF box(textRect.width() + 2 * kPadding, textRect.height() + 2 * kPadding);

    m_box = cornerBox(plot, box, kMargin, emptiestCorner(*mParentPlot, box, kMargin, m_avoid));

    painter->setPen(QPen(QColor(128, 128, 128), 1.0));
    painter->setBrush(QColor(255, 255, 255, 235));
    painter->drawRect(m_box);
    painter->setFont(font);
    painter->setPen(QColor(0, 0, 0));
    painter->drawText(m_box.adjusted(kPadding, kPadding, -kPadding, -kPadding), flags, m_text);
}

} // namespace vorlenza
