#include "WindowKit.h"

#include "Look.h"
#include "twips.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace vorlenza {

namespace kit {

void place(std::initializer_list<Placed> table)
{
    for (const Placed& p : table)
        p.control->setGeometry(twips::rect(p.at.left, p.at.top, p.at.width, p.at.height));
}

ClickLabel* label(QWidget* parent, const char* name, const QString& text, const Font& font, Qt::Alignment across)
{
    auto* l = make<ClickLabel>(parent, name);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    if (font)
        l->setFont(*font);
    l->setAlignment(across | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const Font& font, Pointer pointer,
                    const QString& toolTip)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    if (font)
        b->setFont(*font);
    if (pointer == Pointer::Custom)
        b->setCursor(look::customPointer());
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    // Outside a dialog a focused button ignores Enter unless it is auto-default.
    b->setAutoDefault(true);
    return b;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& initial, const QColor& text, const QColor& back)
{
    auto* f = make<QLineEdit>(parent, name);
    f->setText(initial);
    f->setAlignment(Qt::AlignCenter);
    colour(f, text, back);
    return f;
}

FrameBox* frame(QWidget* parent, const char* name, const QString& caption, const QColor& inside)
{
    auto* f = make<FrameBox>(parent, name);
    f->setTitle(caption);
    background(f, inside);
    return f;
}

void colour(QWidget* control, const QColor& text, const QColor& back)
{
    QPalette pal = control->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    control->setPalette(pal);
    control->setAutoFillBackground(true);
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
    const QSize logical =
        twips::size(original.width() * PictureTwipsPerPixel, original.height() * PictureTwipsPerPixel);
    const qreal ratio = shownOn ? shownOn->devicePixelRatioF() : 1.0;
    const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                       static_cast<int>(std::lround(logical.height() * ratio)));
    QPixmap shown =
        device == original.size() ? original : original.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}

QLabel* picture(QWidget* parent, const char* name, const QString& resource, const QString& accessibleName)
{
    auto* p = make<QLabel>(parent, name);
    p->setAccessibleName(accessibleName);
    p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p->setPixmap(designPicture(resource, parent));
    return p;
}

} // namespace kit

} // namespace vorlenza
