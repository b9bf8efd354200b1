#include "OutcomeMapPlot.h"

#include "AxisLook.h"
#include "FocusFrame.h"
#include "LabTexts.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace vorlenza {

namespace {

QPen pen(const QColor& colour, double width)
{
    QPen p(colour, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

} // namespace

OutcomeMapPlot::OutcomeMapPlot(QWidget* parent) : QCustomPlot(parent)
{
    useProgramNumbers(*this);
    setFocusPolicy(Qt::StrongFocus);
    xAxis->setLabel(QStringLiteral("alpha"));
    yAxis->setLabel(QStringLiteral("beta"));
    const QColor fills[4] = {QColor(200, 235, 200), QColor(205, 215, 245), QColor(245, 205, 205),
                             QColor(240, 232, 190)};
    for (std::size_t i = 0; i < m_rects.size(); ++i) {
        m_rects[i] = new QCPItemRect(this);
        m_rects[i]->setPen(pen(QColor(90, 90, 90), 1.0));
        m_rects[i]->setBrush(fills[i]);
        m_rects[i]->setLayer(QStringLiteral("background"));
        m_labels[i] = new QCPItemText(this);
        m_labels[i]->setPositionAlignment(Qt::AlignCenter);
        m_labels[i]->setTextAlignment(Qt::AlignCenter);
    }
    // the boundary lines in a deeper shade of the outcome they have: B's, A's, A's, B's
    const QColor lines[4] = {QColor(200, 60, 60), QColor(60, 90, 200), QColor(60, 90, 200), QColor(200, 60, 60)};
    for (std::size_t i = 0; i < m_boundaries.size(); ++i) {
        m_boundaries[i] = new QCPItemLine(this);
        m_boundaries[i]->setPen(pen(lines[i], 3.0));
    }
    m_neutral = new QCPGraph(xAxis, yAxis);
    m_neutral->setLineStyle(QCPGraph::lsNone);
    m_neutral->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, pen(Qt::black, 1.0), Qt::black, 8));
    m_handle = new QCPGraph(xAxis, yAxis);
    m_handle->setLineStyle(QCPGraph::lsNone);
    connect(this, &QCustomPlot::beforeReplot, this, &OutcomeMapPlot::fitLabels);
}

void OutcomeMapPlot::fitLabels()
{
    // A name too wide for its region is written upwards when it fits that way, else left out.
    for (std::size_t i = 0; i < m_regions.size(); ++i) {
        const OutcomeRegion& r = m_regions[i];
        QCPItemText* label = m_labels[i];
        const double width = std::abs(xAxis->coordToPixel(r.alphaHi) - xAxis->coordToPixel(r.alphaLo));
        const double height = std::abs(yAxis->coordToPixel(r.betaHi) - yAxis->coordToPixel(r.betaLo));
        const QSizeF text = QFontMetricsF(label->font()).boundingRect(QRectF(), Qt::AlignCenter, label->text()).size();
        const bool across = text.width() + 4 <= width && text.height() + 2 <= height;
        const bool upwards = text.height() + 2 <= width && text.width() + 4 <= height;
        label->setRotation(across || !upwards ? 0.0 : -90.0);
        label->setVisible(across || upwards);
        // out of the handle's way: above it or below it, whichever keeps more of the name inside
        const QPointF centre((xAxis->coordToPixel(r.alphaLo) + xAxis->coordToPixel(r.alphaHi)) / 2.0,
                             (yAxis->coordToPixel(r.betaLo) + yAxis->coordToPixel(r.betaHi)) / 2.0);
        const QPointF handle(xAxis->coordToPixel(m_alpha), yAxis->coordToPixel(m_beta));
        const QSizeF shown = label->rotation() == 0.0 ? text : text.transposed();
        const double clearX = shown.width() / 2.0 + 10.0, clearY = shown.height() / 2.0 + 10.0;
        QPointF at = centre;
        if (std::abs(handle.x() - centre.x()) < clearX && std::abs(handle.y() - centre.y()) < clearY) {
            const double top = std::min(yAxis->coordToPixel(r.betaHi), yAxis->coordToPixel(r.betaLo));
            const double bottom = std::max(yAxis->coordToPixel(r.betaHi), yAxis->coordToPixel(r.betaLo));
            const double above = handle.y() - clearY, below = handle.y() + clearY;
            at.setY(above - shown.height() / 2.0 >= top || below + shown.height() / 2.0 > bottom ? above : below);
        }
        label->position->setPixelPosition(at);
    }
}

void OutcomeMapPlot::setModel(double K1, double K2, double alpha, double beta)
{
    m_K1 = K1;
    m_K2 = K2;
    // far enough for both boundaries, and for a handle set beyond them in the spin boxes
    m_reach = std::max({outcomeMapReach(K1, K2), 1.1 * alpha, 1.1 * beta});
    m_alpha = alpha;
    m_beta = beta;
    xAxis->setRange(0.0, m_reach);
    yAxis->setRange(0.0, m_reach);
    m_regions = outcomeRegions(K1, K2, m_reach, m_reach);
    for (std::size_t i = 0; i < m_regions.size(); ++i) {
        const OutcomeRegion& r = m_regions[i];
        m_rects[i]->topLeft->setCoords(r.alphaLo, r.betaHi);
        m_rects[i]->bottomRight->setCoords(r.alphaHi, r.betaLo);
        m_labels[i]->setText(regionName(r.outcome));
    }
    const double a = K1 / K2, b = K2 / K1;
    const QPointF ends[4][2] = {{{a, 0.0}, {a, b}}, {{a, b}, {a, m_reach}}, {{0.0, b}, {a, b}}, {{a, b}, {m_reach, b}}};
    for (std::size_t i = 0; i < m_boundaries.size(); ++i) {
        m_boundaries[i]->start->setCoords(ends[i][0]);
        m_boundaries[i]->end->setCoords(ends[i][1]);
    }
    m_neutral->setData({a}, {b}, true);
    placeHandle();
}

void OutcomeMapPlot::placeHandle()
{
    m_handle->setData({m_alpha}, {m_beta}, true);
    m_handle->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pen(Qt::black, hasFocus() ? 3.0 : 1.5),
                                              QBrush(Qt::white), hasFocus() ? 16 : 13));
    replot(rpQueuedReplot);
}

void OutcomeMapPlot::moveHandleTo(double alpha, double beta)
{
    const double least = m_reach / 1000.0;
    m_alpha = std::clamp(alpha, least, m_reach);
    m_beta = std::clamp(beta, least, m_reach);
    placeHandle();
    emit handleMoved(m_alpha, m_beta);
}

void OutcomeMapPlot::mousePressEvent(QMouseEvent* event)
{
    QCustomPlot::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !axisRect()->rect().contains(event->pos()))
        return;
    m_dragging = true;
    moveHandleTo(xAxis->pixelToCoord(event->pos().x()), yAxis->pixelToCoord(event->pos().y()));
}

void OutcomeMapPlot::mouseMoveEvent(QMouseEvent* event)
{
    QCustomPlot::mouseMoveEvent(event);
    if (m_dragging)
        moveHandleTo(xAxis->pixelToCoord(event->pos().x()), yAxis->pixelToCoord(event->pos().y()));
}

void OutcomeMapPlot::mouseReleaseEvent(QMouseEvent* event)
{
    QCustomPlot::mouseReleaseEvent(event);
    m_dragging = false;
}

void OutcomeMapPlot::keyPressEvent(QKeyEvent* event)
{
    const bool page = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    const double step = m_reach / (page ? 10.0 : 100.0);
    switch (event->key()) {
    case Qt::Key_Left: moveHandleTo(m_alpha - step, m_beta); break;
    case Qt::Key_Right: moveHandleTo(m_alpha + step, m_beta); break;
    case Qt::Key_Up:
    case Qt::Key_PageUp: moveHandleTo(m_alpha, m_beta + step); break;
    case Qt::Key_Down:
    case Qt::Key_PageDown: moveHandleTo(m_alpha, m_beta - step); break;
    default: QCustomPlot::keyPressEvent(event);
    }
}

void OutcomeMapPlot::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    paintFocusFrame(*this);
}

void OutcomeMapPlot::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    placeHandle();
}

void OutcomeMapPlot::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    placeHandle();
}

} // namespace vorlenza
