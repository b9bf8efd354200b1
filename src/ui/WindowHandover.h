#pragma once

#include "WindowRegistry.h"

class QWidget;

/// In which order a window hands over to the next one.
enum class Handover {
    HideFirst, ///< the window hides, then the next one comes up
    ShowFirst, ///< the next window comes up, then the window hides
};

/// The way from one window to another: `window` hides and `next` is shown (created anew when it
/// does not exist), in the given order.
void LeaveTo(QWidget& window, WindowRegistry& windows, WindowId next, Handover order = Handover::HideFirst);
