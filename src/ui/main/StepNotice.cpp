#include "StepNotice.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace vorlenza {

namespace {

QString number(double value) { return QString::fromStdString(formatNumber(value)); }

/// "N1 = 75.3", "N2 = 450.3" or "N1 = 102.9, N2 = 450.3": the named species' values, rounded.
QString populations(const StepCheck& c, double n1, double n2)
{
    QStringList parts;
    if (c.speciesA)
        parts << QStringLiteral("N1 = ") + number(roundedForSentence(n1));
    if (c.speciesB)
        parts << QStringLiteral("N2 = ") + number(roundedForSentence(n2));
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString stepNotice(const StepCheck& c, const ModelParameters& p)
{
    if (!c.coarse)
        return {};
    const QString r1 = QStringLiteral("r1 = ") + number(p.r1);
    const QString r2 = QStringLiteral("r2 = ") + number(p.r2);
    const QString rates = c.speciesA && c.speciesB ? QCoreApplication::translate("StepNotice", "%1 and %2").arg(r1, r2)
                          : c.speciesA             ? r1
                                                   : r2;
    const QString daily = populations(c, c.dailyN1, c.dailyN2);
    const QString equations = populations(c, c.continuousN1, c.continuousN2);
    // (the run still sits where the equations settle, on a point the steps cannot keep)
    if (daily == equations)
        return QCoreApplication::translate(
                   "StepNotice",
                   "One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, "
                   "where the equations settle.")
            .arg(rates, equations);
    if (c.dailySettled && c.continuousSettled)
        return QCoreApplication::translate(
                   "StepNotice",
                   "One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.")
            .arg(rates, daily, equations);
    return QCoreApplication::translate(
               "StepNotice",
               "One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.")
        .arg(rates, QString::fromStdString(formatInteger(c.day)), daily, equations);
}

} // namespace vorlenza
