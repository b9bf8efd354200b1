#include "ChartProcedures.h"
#include "ChartView.h"

// Placeholder bodies until the chart work lands.
ChartView::ChartView(QWidget* parent) : QCustomPlot(parent) {}
ChartView::~ChartView() = default;

bool DrawChart(ChartComponent&, ChartProcedure, const ModelState&) { return false; }
