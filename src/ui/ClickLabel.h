#pragma once

#include "ClickDetector.h"

#include <QLabel>

namespace vorlenza {

/// A label or picture box that reports a left click (press and release on it), like the clickable
/// decorations of the windows, and can carry a single black border line whatever its colours.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    /// A one-pixel black border; the text keeps clear of it.
    void setBoxed(bool boxed);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ClickDetector m_click;
    bool m_boxed = false;
};

} // namespace vorlenza
