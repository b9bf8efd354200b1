#include "FontSize.h"

#include <QtGlobal>

namespace vorlenza {

namespace fontsize {

int pixels(double points) { return qMax(1, qRound(points * 96.0 / 72.0)); }

QFont sized(const QString& family, double points)
{
    QFont f(family);
    f.setPixelSize(pixels(points));
    return f;
}

} // namespace fontsize

} // namespace vorlenza
