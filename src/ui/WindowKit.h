#pragma once

#include "ClickLabel.h"
#include "FrameBox.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <initializer_list>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vorlenza {

/// How every window builds its controls: labels, buttons, pictures and frames with their designed
/// fonts and colours, and one placement from a table in twips.
namespace kit {

/// A control's place in its parent, in twips.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

/// One row of a window's placement table.
struct Placed {
    QWidget* control;
    Twips at;
};

/// Moves and sizes every control of the table to its place (twips to pixels).
void place(std::initializer_list<Placed> table);

/// A control's own font, or none (WindowFont): it shows the font of the window it lies on.
using Font = std::optional<QFont>;
inline constexpr std::nullopt_t WindowFont = std::nullopt;

/// Whether the program's own pointer shows over a control, or the pointer of what it lies on.
enum class Pointer { Inherited, Custom };

/// A control of type W in `parent`, named `name` (its objectName).
template <class W> W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

/// A label as the windows' labels are: plain text, wrapped at its width, from the top, aligned
/// across as given.
ClickLabel* label(QWidget* parent, const char* name, const QString& text, const Font& font,
                  Qt::Alignment across = Qt::AlignLeft);

/// A push button; Enter presses it when it has the focus, as Space does. An empty `toolTip` sets none.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const Font& font,
                    Pointer pointer = Pointer::Inherited, const QString& toolTip = {});

/// A text box with its text centred, in the colour `text` on `back`.
QLineEdit* field(QWidget* parent, const char* name, const QString& initial, const QColor& text, const QColor& back);

/// A group frame with its caption in the top line, filled with `inside`.
FrameBox* frame(QWidget* parent, const char* name, const QString& caption, const QColor& inside);

/// Text and background colour of a label, field or button (in every state of the window).
void colour(QWidget* control, const QColor& text, const QColor& back);

/// Fills a window, frame or box with a plain background colour.
void background(QWidget* widget, const QColor& back);

/// Twips per picture pixel on the screens the pictures were made for.
constexpr int PictureTwipsPerPixel = 12;

/// The pictures were made for screens with 12 twips per pixel: this is the picture from the
/// resources at that designed size in twips (smoothly scaled, sharp on high-density screens).
/// A null pixmap when the resource is missing.
QPixmap designPicture(const QString& resource, const QWidget* shownOn);

/// The designed size in twips of a picture in the resources; invalid when it is missing.
QSize designPictureTwips(const QString& resource);

/// A picture box without frame or background of its own, showing the picture from the resources
/// at its designed size from the top left corner; `accessibleName` says what it shows.
QLabel* picture(QWidget* parent, const char* name, const QString& resource, const QString& accessibleName);

} // namespace kit

} // namespace vorlenza
