#include "WindowParts.h"

#include "twips.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace parts {

void place(QWidget* parent, std::initializer_list<Place> places)
{
    for (const Place& p : places) {
        QWidget* child = parent->findChild<QWidget*>(QLatin1String(p.name));
        Q_ASSERT_X(child, "parts::place", p.name);
        if (child)
            child->setGeometry(twips::rect(p.left, p.top, p.width, p.height));
    }
}

ClickLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
             Qt::Alignment horizontal)
{
    auto* l = new ClickLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(font);
    l->setAlignment(horizontal | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QFont& font)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(font);
    // Outside a dialog a focused button ignores Enter unless it is auto-default.
    b->setAutoDefault(true);
    return b;
}

void colour(QLabel* label, const QColor& text, const QColor& back, bool bordered)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    if (auto* boxable = qobject_cast<ClickLabel*>(label))
        boxable->setBoxed(bordered);
}

void background(QWidget* widget, const QColor& back)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, back);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QSize designPictureTwips(const QString& resource)
{
    const QSize pixels = QImageReader(resource).size();
    if (!pixels.isValid())
        return QSize();
    return pixels * PictureTwipsPerPixel;
}

QPixmap designPicture(const QString& resource, const QWidget* shownOn)
{
    const QPixmap original(resource);
    if (original.isNull())
        return original;
    const QSize logical = twips::size(original.width() * PictureTwipsPerPixel,
                                      original.height() * PictureTwipsPerPixel);
    const qreal ratio = shownOn ? shownOn->devicePixelRatioF() : 1.0;
    const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                       static_cast<int>(std::lround(logical.height() * ratio)));
    QPixmap shown = device == original.size()
                        ? original
                        : original.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}

} // namespace parts
