#include "SeriesCurve.h"

#include "SeriesThinning.h"
#include "SteepCoverage.h"

#include <QDataStream>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

/// Device pixels per logical pixel of what `painter` draws on.
double deviceScale(const QPainter* painter)
{
    const QTransform t = painter->deviceTransform();
    const double s = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return s > 0.0 && std::isfinite(s) ? s : 1.0;
}

/// Makes `painter` draw in the pixels of its device: undoes the world transform and the scale a
/// high-density device adds beneath it. False (and the painter unchanged) where that cannot be done.
bool drawInDevicePixels(QPainter* painter)
{
    bool invertible = false;
    const QTransform world = painter->worldTransform();
    const QTransform beneath = world.inverted(&invertible) * painter->deviceTransform();
    if (!invertible)
        return false;
    painter->setWorldTransform(beneath.inverted(&invertible));
    if (invertible && painter->deviceTransform().isIdentity())
        return true;
    painter->setWorldTransform(world);
    return false;
}

/// A stretch of line between gaps, or between a gap and steep pieces painted as coverage (there
/// the line goes on, so that end gets no cap).
struct Stretch {
    QVector<QPointF> points;
    bool afterSteep = false;
    bool beforeSteep = false;
};

/// Paints the steep pieces of a line in day order as their summed coverage and returns the rest
/// of the line as stretches. Only on pixels (a vector page gets every piece as a stroke) and only
/// where the painter maps without turning.
QVector<Stretch> paintSteepPieces(QCPPainter* painter, const QVector<QPointF>& lines)
{
    const QPen pen = painter->pen();
    const QTransform t = painter->deviceTransform();
    QPaintDevice* device = painter->device();
    if (!device || !painter->paintEngine() || painter->paintEngine()->type() != QPaintEngine::Raster ||
        painter->modes().testFlag(QCPPainter::pmVectorized) || !painter->testRenderHint(QPainter::Antialiasing) ||
        t.type() > QTransform::TxScale || pen.brush().style() != Qt::SolidPattern)
        return {Stretch{lines}};
    painter->save();
    const bool inPixels = drawInDevicePixels(painter);
    painter->restore();
    if (!inPixels)
        return {Stretch{lines}};
    const double scale = deviceScale(painter);
    const double width = pen.isCosmetic() ? std::max(1.0, pen.widthF()) : pen.widthF() * scale;
    const auto toDevice = [&t](const QPointF& p) {
        return QPointF(t.m11() * p.x() + t.dx(), t.m22() * p.y() + t.dy());
    };
    // most lines have no steep piece at all: find out before copying anything
    bool anySteep = false;
    QPointF previous = lines.isEmpty() ? QPointF() : toDevice(lines.first());
    for (qsizetype i = 1; i < lines.size() && !anySteep; ++i) {
        const QPointF here = toDevice(lines[i]);
        anySteep = SteepCoverage::isSteep(previous, here, width);
        previous = here;
    }
    if (!anySteep)
        return {Stretch{lines}};
    QRect bounds(0, 0, device->width(), device->height());
    if (painter->hasClipping())
        bounds &= t.mapRect(painter->clipBoundingRect()).toAlignedRect();
    SteepCoverage coverage(bounds, width);
    coverage.reserve(static_cast<std::size_t>(lines.size()));
    QVector<Stretch> rest;
    Stretch current;
    bool steepBefore = false; // whether the piece before the current point was steep
    const auto close = [&](bool beforeSteep) {
        if (current.points.isEmpty())
            return;
        current.beforeSteep = beforeSteep;
        rest.append(current);
        current = Stretch{};
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPointF here = toDevice(lines[i]);
        if (isGap(lines[i])) {
            close(false);
            steepBefore = false;
        } else if (i > 0 && !isGap(lines[i - 1])) {
            if (SteepCoverage::isSteep(previous, here, width)) {
                coverage.add(previous, here);
                close(true);
                steepBefore = true;
            } else {
                if (current.points.isEmpty()) {
                    current.points.append(lines[i - 1]);
                    current.afterSteep = steepBefore;
                }
                current.points.append(lines[i]);
                steepBefore = false;
            }
        }
        previous = here;
    }
    close(false);
    QPoint at;
    const QImage image = coverage.image(pen.color(), &at);
    if (!image.isNull()) {
        painter->save();
        if (drawInDevicePixels(painter))
            painter->drawImage(at, image);
        painter->restore();
    }
    return rest;
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
    applyDefaultAntialiasingHint(painter);
    QVector<QLineF> segments;
    if (inColumnOrder(lines)) {
        for (const Stretch& s : paintSteepPieces(painter, lines))
            segments +=
                lineSegments(columnExtremes(s.points, scale), scale, false, halfWidth, !s.afterSteep, !s.beforeSteep);
    } else {
        segments = lineSegments(lines, scale, true, halfWidth);
    }
    QPen flat = pen;
    flat.setCapStyle(Qt::FlatCap);
    painter->setPen(flat);
    painter->drawLines(segments);
    painter->setPen(pen);
}

void SeriesCurve::drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                                  const QCPScatterStyle& style) const
{
    if (!m_thinned) {
        QCPCurve::drawScatterPlot(painter, points, style);
        return;
    }
    const QVector<QPointF> kept = topmostMarkers(points, deviceScale(painter));
    if (!stampMarkers(painter, kept, style))
        QCPCurve::drawScatterPlot(painter, kept, style);
}

bool SeriesCurve::stampMarkers(QCPPainter* painter, const QVector<QPointF>& points, const QCPScatterStyle& style) const
{
    // A marker drawn once into a small image, for each 32nd of a pixel it may sit on, and then
    // copied to every spot: laying an image over the pixels gives what drawing over them gives.
    // (Coarser steps add up visibly where many markers shade one edge.) The images are kept for
    // the next drawing with the same look.
    constexpr int kPhases = 32;
    const QCPScatterStyle::ScatterShape shape = style.shape();
    if (shape == QCPScatterStyle::ssNone || shape == QCPScatterStyle::ssPixmap || shape == QCPScatterStyle::ssCustom ||
        !painter->paintEngine() || painter->paintEngine()->type() != QPaintEngine::Raster ||
        painter->modes().testFlag(QCPPainter::pmVectorized))
        return false;
    applyScattersAntialiasingHint(painter);
    const QTransform t = painter->deviceTransform();
    const double scale = t.m11();
    if (t.type() > QTransform::TxScale || !(scale > 0.0) || std::abs(t.m22() - scale) > 1e-9)
        return false;
    style.applyTo(painter, mPen);
    const QPen pen = painter->pen();
    const QBrush brush = painter->brush();
    const double reach = (style.size() / 2.0 + std::max(1.0, pen.widthF())) * scale + 2.0;
    if (!(reach < 64.0) || brush.style() > Qt::SolidPattern)
        return false;
    const int margin = static_cast<int>(std::ceil(reach));
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);

    QByteArray look;
    {
        QDataStream out(&look, QIODevice::WriteOnly);
        out << int(shape) << style.size() << pen << brush << scale << antialiased << int(painter->modes());
    }
    static QHash<QByteArray, std::vector<QImage>> kept;
    if (kept.size() > 8) // two chart windows of four series each
        kept.clear();
    std::vector<QImage>& sprites = kept[look];
    sprites.resize(kPhases * kPhases);
    const auto sprite = [&](int px, int py) -> const QImage& {
        QImage& image = sprites[static_cast<std::size_t>(py * kPhases + px)];
        if (image.isNull()) {
            image = QImage(2 * margin + 2, 2 * margin + 2, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QCPPainter p(&image);
            p.setModes(painter->modes());
            p.setRenderHint(QPainter::Antialiasing, antialiased);
            p.setPen(pen);
            p.setBrush(brush);
            p.scale(scale, scale);
            style.drawShape(&p, (margin + (px + 0.5) / kPhases) / scale, (margin + (py + 0.5) / kPhases) / scale);
        }
        return image;
    };
    painter->save();
    if (!drawInDevicePixels(painter)) {
        painter->restore();
        return false;
    }
    for (const QPointF& point : points) {
        const QPointF d = t.map(point);
        if (!std::isfinite(d.x()) || !std::isfinite(d.y()) || std::abs(d.x()) > 1.0e6 || std::abs(d.y()) > 1.0e6)
            continue;
        const double fx = std::floor(d.x()), fy = std::floor(d.y());
        const int px = std::clamp(static_cast<int>((d.x() - fx) * kPhases), 0, kPhases - 1);
        const int py = std::clamp(static_cast<int>((d.y() - fy) * kPhases), 0, kPhases - 1);
        painter->drawImage(QPoint(static_cast<int>(fx) - margin, static_cast<int>(fy) - margin), sprite(px, py));
    }
    painter->restore();
    return true;
}

} // namespace vorlenza
