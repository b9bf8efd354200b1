#pragma once

#include <QLocale>
#include <QString>

#include <optional>

/// Strict reading of a field's text: apart from leading and trailing blanks the whole text must be
/// a number in the given regional format (the system's by default); otherwise, for an empty text
/// or for a number beyond the double range, the reading fails.
std::optional<double> StrictNumber(const QString& text, const QLocale& locale = QLocale::system());
