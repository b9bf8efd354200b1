#include "FocusFrame.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

namespace vorlenza {

void paintFocusFrame(QWidget& plot)
{
    if (!plot.hasFocus())
        return;
    QStylePainter painter(&plot);
    const QRect all = plot.rect();
    painter.setClipRegion(QRegion(all).subtracted(QRegion(all.adjusted(3, 3, -3, -3))));
    QStyleOptionFocusRect option;
    option.initFrom(&plot);
    option.rect = all.adjusted(1, 1, -1, -1);
    option.backgroundColor = plot.palette().color(QPalette::Base);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace vorlenza
