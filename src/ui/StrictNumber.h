#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace vorlenza {

/// Strict reading of a field's text: apart from leading and trailing blanks the whole text must be
/// a number in the given regional format (the default locale, which is the system's unless a test
/// sets another), or else in the program's own format with "." as the point ("0.25" under a
/// German locale); otherwise, for an empty text or for a number beyond the double range, the
/// reading fails. Where both forms read the text, the regional one wins ("1.000" is 1000 in German).
std::optional<double> StrictNumber(const QString& text, const QLocale& locale = QLocale());

} // namespace vorlenza
