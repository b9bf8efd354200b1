#pragma once

#include <QColor>
#include <QFont>
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
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setBoxed(bool boxed);
    bool boxed() const { return m_boxed; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_boxed = false;
};

/// Moves and sizes each named child of `parent` to its place (twips → pixels).
void place(QWidget* parent, std::initializer_list<Place> places);

/// A plain-text label with the given name, text, font and alignment (top-aligned, word-wrapped).
Label* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
              Qt::Alignment horizontal = Qt::AlignLeft);

/// A push button; Enter presses it when it has the focus, as Space does.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QFont& font);

/// Text and background colour of a label; `bordered` draws a single black line around it.
void colour(QLabel* label, const QColor& text, const QColor& back, bool bordered = false);

/// Fills a window or box with a plain background colour.
void background(QWidget* widget, const QColor& back);

/// The frame a desktop typically puts around a captioned window (borders and caption bar), used
/// while the real frame is not known yet: 4 px left, right and bottom, 26 px at the top.
QSize typicalFrameExtra();

/// A window's outer size in pixels: its real frame when the window system has told us one,
/// else the client size plus the typical frame (frameless windows: the client size).
QSize outerSize(const QWidget* window);

/// Places a top-level window in the centre of the available area of its screen.
void centreOnScreen(QWidget* window);

/// The pictures were made for screens with 12 twips per pixel: this is the picture from the
/// resources at that designed size in twips (smoothly scaled, sharp on high-density screens).
/// A null pixmap when the resource is missing.
QPixmap designPicture(const QString& resource, const QWidget* shownOn);

/// The designed size in twips of a picture in the resources; invalid when it is missing.
QSize designPictureTwips(const QString& resource);

/// Twips per picture pixel on the screens the pictures were made for.
constexpr int PictureTwipsPerPixel = 12;

} // namespace parts
