// The phase plane under the student's hands: the keyboard cursor, a click that starts a trajectory,
// the tooltips of the equilibria and the title, and the focus that shows the cursor.
#include "LabPhasePlot.h"

#include "FocusFrame.h"
#include "LabTexts.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace vorlenza {

void LabPhasePlot::placeCursor()
{
    m_cursor.setX(std::clamp(m_cursor.x(), 0.0, m_boxN1));
    m_cursor.setY(std::clamp(m_cursor.y(), 0.0, m_boxN2));
    m_cursorMark->position->setCoords(m_cursor);
    m_cursorMark->setVisible(hasFocus());
}

QString LabPhasePlot::cursorText() const { return cursorSentence(m_cursor.x(), m_cursor.y(), m_equilibria); }

const Equilibrium* LabPhasePlot::equilibriumAt(const QPoint& pos) const
{
    const Equilibrium* nearest = nullptr;
    double best = 9.0; // pixels
    for (const Equilibrium& e : m_equilibria) {
        const double d = std::hypot(xAxis->coordToPixel(e.n1) - pos.x(), yAxis->coordToPixel(e.n2) - pos.y());
        if (d <= best) {
            best = d;
            nearest = &e;
        }
    }
    return nearest;
}

bool LabPhasePlot::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        QString text;
        if (const Equilibrium* eq = equilibriumAt(help->pos()))
            text = describeEquilibrium(*eq);
        else if (m_title && m_title->outerRect().contains(help->pos()))
            text = m_note.isEmpty() ? m_title->text() : m_note;
        if (m_truncated)
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
                    QCoreApplication::translate(
                        "Lab", "Some trajectories end early: these constants make the equations too stiff to solve "
                               "further in a moment.");
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QCustomPlot::event(e);
}

void LabPhasePlot::mousePressEvent(QMouseEvent* event)
{
    m_pressedAt = event->pos();
    QCustomPlot::mousePressEvent(event);
}

void LabPhasePlot::mouseReleaseEvent(QMouseEvent* event)
{
    QCustomPlot::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || (event->pos() - m_pressedAt).manhattanLength() > 4 ||
        !axisRect()->rect().contains(event->pos()))
        return;
    const double n1 = std::max(0.0, xAxis->pixelToCoord(event->pos().x()));
    const double n2 = std::max(0.0, yAxis->pixelToCoord(event->pos().y()));
    m_cursor = QPointF(n1, n2);
    placeCursor();
    emit cursorMoved();
    emit startRequested(n1, n2);
}

void LabPhasePlot::keyPressEvent(QKeyEvent* event)
{
    const double stepN1 = m_boxN1 / 60.0, stepN2 = m_boxN2 / 60.0;
    const double times = event->modifiers().testFlag(Qt::ShiftModifier) ? 5.0 : 1.0;
    switch (event->key()) {
    case Qt::Key_Left: m_cursor.rx() -= stepN1 * times; break;
    case Qt::Key_Right: m_cursor.rx() += stepN1 * times; break;
    case Qt::Key_Up: m_cursor.ry() += stepN2 * times; break;
    case Qt::Key_Down: m_cursor.ry() -= stepN2 * times; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit startRequested(m_cursor.x(), m_cursor.y()); return;
    default: QCustomPlot::keyPressEvent(event); return;
    }
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

void LabPhasePlot::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    paintFocusFrame(*this);
}

void LabPhasePlot::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

void LabPhasePlot::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

} // namespace vorlenza
