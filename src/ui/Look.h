#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QString>

namespace vorlenza {

/// Fonts, colours and the pointer shared by every window.
namespace look {

/// A font as the windows were designed with it: family and size in points at 96 dots per inch,
/// set in pixels as fontsize::sized does, antialiased.
QFont font(const QString& family, double points, bool bold = false, bool italic = false);

/// "Times New Roman", "Arial" and "MS Sans Serif" are served by their Liberation twins.
/// Call once after the application object exists.
void installFontSubstitutions();

/// A colour written &H00BBGGRR& (blue byte first): vb(0x0000FF) is red.
constexpr QColor vb(unsigned int bbggrr)
{
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

/// A PNG picture of the resources (empty when it is missing), read without asking the image
/// format plugins: as QPixmap(path) reads it, pixel for pixel.
QImage resourcePng(const QString& path);

/// The program's custom mouse pointer (32 x 32, hot spot at column 12, row 1).
QCursor customPointer();

/// The window icon (32 x 32, 16 colours).
QIcon windowIcon();

} // namespace look

} // namespace vorlenza
