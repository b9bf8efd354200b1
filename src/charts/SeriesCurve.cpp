#include "SeriesCurve.h"

#include "SeriesThinning.h"

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace
{

/// Device pixels per logical pixel of what `painter` draws on.
double deviceScale(const QPainter* painter)
{
    const QTransform t = painter->deviceTransform();
    const double s = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return s > 0.0 && std::isfinite(s) ? s : 1.0;
}

} // namespace

void SeriesCurve::setPoints(const std::vector<double>& xs, const std::vector<double>& ys, int rows)
{
    QVector<QCPCurveData> points;
    points.reserve(rows);
    for (int r = 0; r < rows; ++r)
        points.append(QCPCurveData(r, xs[static_cast<std::size_t>(r)], ys[static_cast<std::size_t>(r)]));
    data()->set(points, true);
}

void SeriesCurve::drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const
{
    const QPen pen = painter->pen();
    if (!m_thinned || pen.style() != Qt::SolidLine || pen.capStyle() != Qt::SquareCap) {
        QCPCurve::drawCurveLine(painter, lines);
        return;
    }
    if (pen.color().alpha() == 0)
        return;
    const double scale = deviceScale(painter);
    const double halfWidth = pen.widthF() / 2.0;
    const QVector<QLineF> segments = inColumnOrder(lines)
                                         ? lineSegments(columnExtremes(lines, scale), scale, false, halfWidth)
                                         : lineSegments(lines, scale, true, halfWidth);
    QPen flat = pen;
    flat.setCapStyle(Qt::FlatCap);
    applyDefaultAntialiasingHint(painter);
    painter->setPen(flat);
    painter->drawLines(segments);
    painter->setPen(pen);
}

void SeriesCurve::drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                                  const QCPScatterStyle& style) const
{
    QCPCurve::drawScatterPlot(painter, m_thinned ? topmostMarkers(points, deviceScale(painter)) : points,
                              style);
}

} // namespace vorlenza
