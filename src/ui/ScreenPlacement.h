#pragma once

#include <QSize>

class QWidget;

/// A window's outer size, frame and caption bar included. Before the window system has framed it
/// (or where there is none, as on the offscreen platform) a typical frame is assumed for windows
/// that have one.
QSize OuterSize(const QWidget* window);

/// Places a top-level window, frame included, in the middle of its screen's working area.
void CentreOnScreen(QWidget* window);
