#include "VectorCharts.h"

#include <qcustomplot.h>

namespace vorlenza {

VectorCharts::VectorCharts(QWidget& window)
{
    const auto plots = window.findChildren<QCustomPlot*>();
    for (QCustomPlot* plot : plots) {
        if (plot->isVisibleTo(&window)) {
            plot->installEventFilter(this);
            m_charts.push_back(plot);
        }
    }
}

VectorCharts::~VectorCharts()
{
    for (QWidget* chart : m_charts)
        chart->removeEventFilter(this);
}

bool VectorCharts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto* plot = qobject_cast<QCustomPlot*>(watched);
    if (plot == nullptr)
        return false;
    QCPPainter painter(plot); // joins the shared painter of the render in progress
    if (!painter.isActive())
        return false;
    painter.setMode(QCPPainter::pmVectorized);
    plot->toPainter(&painter, plot->width(), plot->height());
    return true;
}

} // namespace vorlenza
