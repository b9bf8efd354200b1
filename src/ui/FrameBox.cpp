#include "FrameBox.h"

#include <QPainter>

namespace vorlenza {

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

} // namespace vorlenza
