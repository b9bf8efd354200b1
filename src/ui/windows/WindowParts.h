#pragma once

#include <QColor>
#include <QFont>
#include "Controls.h"

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <initializer_list>

class QPaintEvent;
class QPushButton;
class QWidget;

/// Small building blocks shared by the start-up and companion windows.
namespace parts {

/// One control's place in its parent, in twips.
struct Place {
    const char* name; ///< the control's objectName
    int left;
    int top;
    int width;
    int height;
};

/// A label that can draw a single black line around itself, whatever its text colour.

/// Moves and sizes each named child of `parent` to its place (twips → pixels).
void place(QWidget* parent, std::initializer_list<Place> places);

/// A plain-text label with the given name, text, font and alignment (top-aligned, word-wrapped).
ClickLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
              Qt::Alignment horizontal = Qt::AlignLeft);

/// A push button; Enter presses it when it has the focus, as Space does.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QFont& font);

/// Text and background colour of a label; `bordered` draws a single black line around it.
void colour(QLabel* label, const QColor& text, const QColor& back, bool bordered = false);

/// Fills a window or box with a plain background colour.
void background(QWidget* widget, const QColor& back);

/// The pictures were made for screens with 12 twips per pixel: this is the picture from the
/// resources at that designed size in twips (smoothly scaled, sharp on high-density screens).
/// A null pixmap when the resource is missing.
QPixmap designPicture(const QString& resource, const QWidget* shownOn);

/// The designed size in twips of a picture in the resources; invalid when it is missing.
QSize designPictureTwips(const QString& resource);

/// Twips per picture pixel on the screens the pictures were made for.
constexpr int PictureTwipsPerPixel = 12;

} // namespace parts
