#pragma once

#include <QGroupBox>

namespace vorlenza {

/// A frame with its caption set into the top border line, white inside, whatever the widget style.
/// Controls placed in it are positioned relative to its top-left corner.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vorlenza
