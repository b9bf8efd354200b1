#pragma once

#include <QGroupBox>
#include <QLabel>

/// A label or picture box that reports a left click, like the clickable decorations of the windows,
/// and can carry a single black border line whatever its text colour.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    /// A one-pixel black border; the text keeps clear of it.
    void setBoxed(bool boxed);
    bool isBoxed() const { return m_boxed; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_boxed = false;
};

/// A frame with its caption set into the top border line, white inside, whatever the widget style.
/// Controls placed in it are positioned relative to its top-left corner.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
