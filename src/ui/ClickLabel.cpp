#include "Controls.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
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
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

QSize OuterSize(const QWidget* window)
{
    const QSize client = window->size();
    const QSize outer = window->frameGeometry().size();
    if (outer != client)
        return outer;
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return client;
    return client + QSize(8, 30); // a typical frame: borders and a caption bar
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = OuterSize(window);
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}
