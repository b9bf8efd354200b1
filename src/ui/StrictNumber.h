#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace vorlenza {

/// What the student's regional number format makes of a field's text.
struct RegionalNumber {
    enum class Kind {
        None,      ///< the text is not one whole number in the regional format
        Number,    ///< it is, and `value` is that number
        OutOfRange ///< it is, but beyond the double range: `value` is +/-infinity, or 0 when too small
    };
    Kind kind = Kind::None;
    double value = 0.0;
};

/// Reads `text`, apart from leading and trailing blanks, as one whole number in the regional format
/// of `locale` (decimal mark, grouping and exponent as QLocale reads them). Two ways students write
/// numbers are taken too: a plain or no-break space where the locale groups with a space-like mark
/// ("1 000,5" in French), and a grouped thousand where the locale leaves four digits ungrouped
/// ("1.000" in Spanish). "inf" and "nan" are no numbers here.
RegionalNumber readRegionalNumber(const QString& text, const QLocale& locale = QLocale());

/// Strict reading of a field's text: apart from leading and trailing blanks the whole text must be
/// a number in the given regional format (the default locale, which is the system's unless a test
/// sets another), or else in the program's own format with "." as the point ("0.25" under a
/// German locale); otherwise, for an empty text or for a number beyond the double range, the
/// reading fails. Where both forms read the text, the regional one wins ("1.000" is 1000 in German).
std::optional<double> StrictNumber(const QString& text, const QLocale& locale = QLocale());

} // namespace vorlenza
