#include "Decorations.h"

#include <QMouseEvent>
#include <QPainter>

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLabel::setBoxed(bool boxed)
{
    m_boxed = boxed;
    const int m = boxed ? 1 : 0;
    setContentsMargins(m, m, m, m);
    update();
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_boxed)
        return;
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor inside = palette().color(QPalette::Window);
    p.fillRect(rect(), inside);
    const QFontMetrics fm(font());
    const int line = fm.height() / 2;
    p.setPen(QColor(160, 160, 160));
    p.drawRect(QRect(0, line, width() - 1, height() - 1 - line));
    if (title().isEmpty())
        return;
    const QRect caption(8, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(caption, inside);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
