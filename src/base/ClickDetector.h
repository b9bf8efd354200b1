#pragma once

#include <QRect>

class QMouseEvent;

namespace vorlenza {

/// A left click as the windows know it: the left button pressed and then released with the
/// pointer still inside the widget. A widget feeds it its press and release events.
///
/// Any press that is not of the left button forgets an earlier left press, and every release
/// ends the gesture, whether it was a click or not.
class ClickDetector {
public:
    void press(const QMouseEvent* event);
    /// Whether this release completes a click inside `area` (the widget's own rectangle).
    bool release(const QMouseEvent* event, const QRect& area);

private:
    bool m_pressed = false;
};

} // namespace vorlenza
