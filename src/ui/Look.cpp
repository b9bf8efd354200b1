#include "Look.h"

#include "FontSize.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
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
    const QPolygon arrow({QPoint(12, 1), QPoint(12, 22), QPoint(17, 17), QPoint(21, 26), QPoint(24, 25), QPoint(20, 16),
                          QPoint(27, 16)});
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    return pm;
}
} // namespace

QImage resourcePng(const QString& path)
{
    // Read as PNG and nothing else: a reader left to find the format itself first loads every
    // image format plugin to ask each whether it reads PNG, at start-up the dearest part of
    // reading a 32 x 32 picture.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QCursor customPointer()
{
    // Made once and shared: every button with the program's pointer asks for it, and a cursor
    // made from a picture works out its mask anew each time.
    static const QCursor pointer = [] {
        const QImage picture = resourcePng(QStringLiteral(":/vorlenza/pointer.png"));
        return QCursor(picture.isNull() ? drawnPointer() : QPixmap::fromImage(picture), 12, 1);
    }();
    return pointer;
}

QIcon windowIcon()
{
    // Read once: the application and every window take it.
    static const QImage picture = resourcePng(QStringLiteral(":/vorlenza/icon.png"));
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}

} // namespace look

} // namespace vorlenza
