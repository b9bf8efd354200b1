#include "StrictNumber.h"

#include <cmath>

namespace vorlenza {

std::optional<double> StrictNumber(const QString& text, const QLocale& locale)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    const QString core = text.mid(first, last - first);
    // Only blanks may surround the number; QLocale would also pass tabs, line feeds and the like.
    if (core.isEmpty() || core.front().isSpace() || core.back().isSpace())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(core, &ok);
    // The program writes its own numbers with a point and no grouping (the presets, the reset
    // texts), so that form is a number under every regional format too.
    if (!ok) {
        QLocale own = QLocale::c();
        own.setNumberOptions(QLocale::RejectGroupSeparator);
        value = own.toDouble(core, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vorlenza
