#pragma once

#include <QString>

namespace vorlenza {

/// What a screen reader says of a chart: its title, its axes and how much it holds, e.g.
/// "N2 vs. N1: N2 against N1, 1 series of 101 points each", in the user's language.
QString chartDescription(const QString& title, const QString& yTitle, const QString& xTitle, int series, int points);

} // namespace vorlenza
