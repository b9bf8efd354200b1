#pragma once

#include "ChartComponent.h"

#include <qcustomplot.h>

/// The chart control of both graph windows (`MSChart1`): a QCustomPlot widget that carries out
/// the chart operations. It emits clicked() for a mouse click anywhere on it.
class ChartView : public QCustomPlot, public ChartComponent {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

signals:
    void clicked();
};
