#include "ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorlenza {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_click.press(event);
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_click.release(event, rect());
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
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vorlenza
