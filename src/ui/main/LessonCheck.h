#pragma once

#include "Lesson.h"

#include <QString>
#include <QStringList>

namespace vorlenza {

/// Each problem of a lesson in a sentence in the user's language, with its place ("task 3, entry
/// “tolerance”: …"): what `vorlenza --check-lesson` prints, one a line.
QStringList lessonProblemTexts(const LessonReading& reading);

/// A class's answers files in one table for a spreadsheet.
struct ClassSummary {
    /// CSV (RFC 4180, UTF-8 with a byte order mark, comma-separated, CRLF): a header, then a row per student: the name,
    /// a column per task (1 right, 0 wrong, empty where not marked), the number right; a name a spreadsheet would read
    /// as a formula starts with an apostrophe.
    QByteArray csv;
    /// A sentence for each file left out (unreadable, or the answers to another lesson), with its name.
    QStringList skipped;
};

/// Reads the answers files at `paths`; the first one that reads well decides the lesson, and a file
/// of another lesson is left out and told.
ClassSummary classSummary(const QStringList& paths);

} // namespace vorlenza
