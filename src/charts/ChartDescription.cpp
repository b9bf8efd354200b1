#include "ChartDescription.h"

#include <QCoreApplication>

namespace vorlenza {

QString chartDescription(const QString& title, const QString& yTitle, const QString& xTitle, int series, int points)
{
    return QCoreApplication::translate("ChartView", "%1: %2 against %3, %n series", nullptr, series)
               .arg(title, yTitle, xTitle) +
           QCoreApplication::translate("ChartView", " of %n points each", nullptr, points);
}

} // namespace vorlenza
