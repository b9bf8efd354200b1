#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorlenza {

QSize outerSize(const QWidget* window)
{
    const QSize client = window->size();
    const QSize outer = window->frameGeometry().size();
    if (outer != client)
        return outer;
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return client;
    return client + QSize(8, 30); // a typical frame: borders and a caption bar
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = outerSize(window);
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

} // namespace vorlenza
