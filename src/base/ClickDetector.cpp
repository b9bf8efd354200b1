#include "ClickDetector.h"

#include <QMouseEvent>

namespace vorlenza {

void ClickDetector::press(const QMouseEvent* event) { m_pressed = event->button() == Qt::LeftButton; }

bool ClickDetector::release(const QMouseEvent* event, const QRect& area)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

} // namespace vorlenza
