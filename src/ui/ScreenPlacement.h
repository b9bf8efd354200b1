#pragma once

#include <QSize>

class QWidget;

namespace vorlenza {

/// A window's outer size, frame and caption bar included. Before the window system has framed it
/// (or where there is none, as on the offscreen platform) a typical frame is assumed for windows
/// that have one.
QSize outerSize(const QWidget* window);

/// Places a top-level window, frame included, in the middle of its screen's working area.
void centreOnScreen(QWidget* window);

} // namespace vorlenza
