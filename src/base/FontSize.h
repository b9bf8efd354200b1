#pragma once

#include <QFont>
#include <QString>

namespace vorlenza {

/// Font sizes are given in points as the windows and charts were designed at 96 dots per inch.
/// They are set as pixel sizes (points * 96 / 72, rounded, at least 1 px), so that text keeps its
/// designed proportion to the twip geometry whatever density the screen reports.
namespace fontsize {

/// Points at 96 dpi to whole pixels: 10 pt is 13 px, 7.8 pt is 10 px; never less than 1 px.
int pixels(double points);

/// `family` at `points`, with nothing else of the font set.
QFont sized(const QString& family, double points);

} // namespace fontsize

} // namespace vorlenza
