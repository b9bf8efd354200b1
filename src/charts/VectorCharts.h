#pragma once

#include <QObject>

#include <vector>

class QWidget;

namespace vorlenza {

/// While it lives, every chart shown in a window paints itself as lines and text instead of its
/// screen bitmap whenever the window is rendered onto a painter (QWidget::render). A chart paints
/// through the painter that the render shares with the chart's paint event, so it lands at its
/// place, clipped like the chart, and every control stacked above it is still painted over it
/// afterwards. Charts hidden at the start are left out. Nothing on the window changes.
class VectorCharts : public QObject {
public:
    explicit VectorCharts(QWidget& window);
    ~VectorCharts() override;
    VectorCharts(const VectorCharts&) = delete;
    VectorCharts& operator=(const VectorCharts&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> m_charts;
};

} // namespace vorlenza
