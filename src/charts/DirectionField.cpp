#include "DirectionField.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace vorlenza {

std::vector<FieldArrow> directionArrows(const ModelParameters& parameters, const PlotFrame& frame, int perSide)
{
    std::vector<FieldArrow> arrows;
    const double spanX = frame.n1Hi - frame.n1Lo;
    const double spanY = frame.n2Hi - frame.n2Lo;
    if (perSide < 1 || frame.pixels.isEmpty() || !(spanX > 0.0) || !(spanY > 0.0) || !std::isfinite(spanX) ||
        !std::isfinite(spanY))
        return arrows;

    const QRectF& px = frame.pixels;
    const double pxPerN1 = px.width() / spanX;
    const double pxPerN2 = px.height() / spanY;
    const double cellW = px.width() / perSide;
    const double cellH = px.height() / perSide;

    struct Raw {
        QPointF at;
        double dx, dy; ///< the step in pixels, y downwards
    };
    std::vector<Raw> raw;
    raw.reserve(static_cast<std::size_t>(perSide * perSide));
    double longest = 0.0;
    for (int j = 0; j < perSide; ++j) {
        for (int i = 0; i < perSide; ++i) {
            const double fx = (i + 0.5) / perSide;
            const double fy = (j + 0.5) / perSide;
            const double n1 = frame.n1Lo + fx * spanX;
            const double n2 = frame.n2Lo + fy * spanY;
            const DayStep step = stepOneDay(parameters, n1, n2);
            if (!step.finite)
                continue;
            const double dx = step.dN1 * pxPerN1;
            const double dy = -step.dN2 * pxPerN2;
            const double length = std::hypot(dx, dy);
            if (!std::isfinite(length) || length == 0.0)
                continue;
            raw.push_back({QPointF(px.left() + fx * px.width(), px.bottom() - fy * px.height()), dx, dy});
            longest = std::max(longest, length);
        }
    }
    if (longest == 0.0)
        return arrows;

    // Lengths on a compressed scale: near an equilibrium the change is a thousand times smaller
    // than far from it, and a length in proportion would leave dots where the trajectory runs.
    const double cell = std::min(cellW, cellH);
    constexpr double kDecades = 3.0;
    arrows.reserve(raw.size());
    for (const Raw& r : raw) {
        const double length = std::hypot(r.dx, r.dy);
        const double speed = std::clamp(1.0 + std::log10(length / longest) / kDecades, 0.0, 1.0);
        const double drawn = cell * (0.5 + 0.4 * speed);
        const QPointF unit(r.dx / length, r.dy / length);
        const QPointF half = unit * (drawn / 2.0);
        FieldArrow a{r.at, r.at - half, r.at + half, {}};
        const double headLength = std::clamp(drawn / 3.0, kMinimumHeadLength, 6.0);
        const QPointF base = a.head - unit * headLength;
        const QPointF wing = QPointF(-unit.y(), unit.x()) * (headLength * 0.5);
        a.barbs[0] = base + wing;
        a.barbs[1] = base - wing;
        arrows.push_back(a);
    }
    return arrows;
}

PlotFrame frameOf(const QCustomPlot& plot)
{
    PlotFrame frame;
    QCPAxisRect* rect = plot.axisRect();
    QCPAxis* x = rect ? rect->axis(QCPAxis::atBottom) : nullptr;
    QCPAxis* y = rect ? rect->axis(QCPAxis::atLeft) : nullptr;
    if (x == nullptr || y == nullptr)
        return frame;
    frame.n1Lo = x->range().lower;
    frame.n1Hi = x->range().upper;
    frame.n2Lo = y->range().lower;
    frame.n2Hi = y->range().upper;
    // From the axes' own mapping: QCustomPlot counts the bottom edge as the last pixel row.
    frame.pixels = QRectF(QPointF(x->coordToPixel(frame.n1Lo), y->coordToPixel(frame.n2Hi)),
                          QPointF(x->coordToPixel(frame.n1Hi), y->coordToPixel(frame.n2Lo)));
    return frame;
}

DirectionField::DirectionField(QCustomPlot* plot, const ModelParameters& parameters)
    : QCPLayerable(plot, QStringLiteral("grid")), m_parameters(parameters)
{
}

QRect DirectionField::clipRect() const
{
    return mParentPlot->axisRect() ? mParentPlot->axisRect()->rect() : QCPLayerable::clipRect();
}

void DirectionField::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(true); }

void DirectionField::draw(QCPPainter* painter)
{
    m_drawn = directionArrows(m_parameters, frameOf(*mParentPlot));

    QPen pen(colour(), 1.2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter->setPen(pen);
    painter->setBrush(colour());
    for (const FieldArrow& a : m_drawn) {
        painter->drawLine(a.tail, a.head);
        const QPointF head[3] = {a.head, a.barbs[0], a.barbs[1]};
        painter->drawPolygon(head, 3);
    }
}

QString DirectionField::legend()
{
    return QCoreApplication::translate("Chart", "Arrows: which way N1 and N2 change from each point; the longer "
                                                "the arrow, the faster the change (on a compressed scale).");
}

DirectionField* findDirectionField(const QCustomPlot& plot)
{
    return plot.findChild<DirectionField*>(QString(), Qt::FindDirectChildrenOnly);
}

void ShowDirectionField(QCustomPlot& plot, bool shown, const ModelParameters& parameters)
{
    DirectionField* field = findDirectionField(plot);
    if (!shown) {
        if (field == nullptr)
            return;
        delete field;
    } else if (field == nullptr) {
        new DirectionField(&plot, parameters);
    } else {
        field->setParameters(parameters);
    }
    plot.replot(QCustomPlot::rpQueuedReplot);
}

} // namespace vorlenza
