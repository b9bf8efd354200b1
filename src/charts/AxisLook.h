#pragma once

#include "ChartComponent.h"

#include <QColor>
#include <QString>

class QCPAxis;
class QWidget;
class QCPRange;

namespace vorlenza {

/// How one axis is drawn, as the chart operations leave it. Font sizes are points at 96 dpi.
struct AxisLook {
    bool autoRange = true;
    TickMarks ticks = TickMarks::Inside;
    LineStyle gridStyle = LineStyle::Dot;
    bool gridAutoColour = true; ///< light grey (200,200,200) instead of gridColour
    QColor gridColour{0, 0, 0};
    QString fontName;
    double fontPoints = 8.0;
    bool titleVisible = true;
    QString title;
};

/// Gives `axis` a linear scale and the tick marks, title and grid line of `look`.
void applyAxisLook(QCPAxis& axis, const AxisLook& look);

/// The automatic range of an axis whose data run from `lo` to `hi`: widened by 3 % of the span
/// below and above so that nothing touches the frame; a flat range gets 10 % of its value (at
/// least 1) on either side, and no data (lo > hi, or NaN) gives -1..1.
QCPRange paddedRange(double lo, double hi);

/// Tick labels of `plot` written as the program writes numbers in every language: a point, no
/// grouping (QCustomPlot otherwise follows the widget's locale).
void useProgramNumbers(QWidget& plot);

} // namespace vorlenza
