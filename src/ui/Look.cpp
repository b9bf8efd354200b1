#include "Look.h"

#include "FontSize.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace vorlenza {

namespace look {

QFont font(const QString& family, double points, bool bold, bool italic)
{
    QFont f = fontsize::sized(family, points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {
/// A plain arrow, used only when the painted pointer picture is missing from the resources.
QPixmap drawnPointer()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPolygon arrow({QPoint(12, 1), QPoint(12, 22), QPoint(17, 17), QPoint(21, 26), QPoint(24, 25),
                          QPoint(20, 16), QPoint(27, 16)});
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    return pm;
}
} // namespace

QCursor customPointer()
{
    static const QString path = QStringLiteral(":/vorlenza/pointer.png");
    QPixmap pm(path);
    if (pm.isNull())
        pm = drawnPointer();
    return QCursor(pm, 12, 1);
}

QIcon windowIcon()
{
    QIcon icon(QStringLiteral(":/vorlenza/icon.png"));
    return icon;
}

} // namespace look

} // namespace vorlenza
