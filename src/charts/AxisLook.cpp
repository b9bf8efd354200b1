#include "AxisLook.h"

#include <QLocale>
#include <QWidget>

#include "FontSize.h"
#include "SeriesLook.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

constexpr double kRangeMargin = 0.03; ///< share of the data span added below and above
const QColor kAutoGridColour(200, 200, 200);

void applyTicks(QCPAxis& axis, TickMarks marks)
{
    switch (marks) {
    case TickMarks::None:
        axis.setTickLength(0, 0);
        axis.setSubTickLength(0, 0);
        break;
    case TickMarks::Inside:
        axis.setTickLength(5, 0);
        axis.setSubTickLength(2, 0);
        break;
    case TickMarks::Outside:
        axis.setTickLength(0, 5);
        axis.setSubTickLength(0, 2);
        break;
    case TickMarks::Across:
        axis.setTickLength(3, 3);
        axis.setSubTickLength(1, 1);
        break;
    }
}

} // namespace

void applyAxisLook(QCPAxis& axis, const AxisLook& look)
{
    axis.setScaleType(QCPAxis::stLinear);
    applyTicks(axis, look.ticks);
    axis.setLabel(look.titleVisible ? look.title : QString());
    axis.setLabelFont(fontsize::sized(look.fontName, look.fontPoints));
    const QColor colour = look.gridAutoColour ? kAutoGridColour : look.gridColour;
    axis.grid()->setPen(QPen(colour, 0, penStyleOf(look.gridStyle)));
}

QCPRange paddedRange(double lo, double hi)
{
    if (!(lo <= hi))
        return QCPRange(-1.0, 1.0);
    const double span = hi - lo;
    if (span <= 0.0) {
        const double d = std::max(1.0, std::abs(lo) * 0.1);
        return QCPRange(lo - d, hi + d);
    }
    return QCPRange(lo - span * kRangeMargin, hi + span * kRangeMargin);
}

void useProgramNumbers(QWidget& plot)
{
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    plot.setLocale(numbers);
}

} // namespace vorlenza
