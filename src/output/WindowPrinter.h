#pragma once

#include "Outcome.h"

#include <QString>

class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace vorlenza {

/// Prints the window's client area with every visible control on one page of `printer`, scaled
/// to fit and centred, without any dialog. The chart is drawn as vectors.
Outcome printWindow(QWidget& window, QPrinter& printer);

/// Paints the window's client area into `area` of an active painter, scaled to fit and centred:
/// every control painted as lines and text where the device allows, each visible chart drawing
/// itself as lines and text at its place (see VectorCharts), controls stacked above a chart still
/// painted over it. `area` is in the painter's current coordinates. Changes nothing on the window.
void paintWindowFitted(QWidget& window, QPainter& painter, const QRectF& area);

} // namespace vorlenza
