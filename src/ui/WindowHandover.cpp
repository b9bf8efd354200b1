#include "WindowHandover.h"

#include <QWidget>

void LeaveTo(QWidget& window, WindowRegistry& windows, WindowId next, Handover order)
{
    if (order == Handover::ShowFirst)
        windows.show(next);
    window.hide();
    if (order == Handover::HideFirst)
        windows.show(next);
}
