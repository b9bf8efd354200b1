#pragma once

#include "LessonAnswers.h"
#include "Outcome.h"
#include "WindowPdf.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace vorlenza {

/// One task as the worksheet shows it beside the student's answer.
struct WorksheetTask {
    QString text; ///< the task, in the student's language
    QImage chart; ///< the chart as it was when the task was checked; none when it never was
};

/// The worksheet a student hands in, as PDF: the lesson's title, the student's name and the date,
/// then each task with its text, the answer, the mark and the explanation, and its chart; a task
/// that does not fit the rest of a page starts the next one.
QByteArray worksheetPdf(const LessonAnswers& answers, const std::vector<WorksheetTask>& tasks,
                        const PrintPage& page = regionalPrintPage());

/// "Save my answers": the answers file at `path`, then the worksheet beside it (the same name
/// ending in ".pdf"), each whole or not at all through writeWholeFile. The first failure is told;
/// the worksheet is not written when the answers file could not be.
Outcome saveHandIn(const LessonAnswers& answers, const std::vector<WorksheetTask>& tasks, const QString& path,
                   const PrintPage& page = regionalPrintPage());

/// The path of the worksheet that goes with the answers file at `path`.
QString worksheetPath(const QString& path);

} // namespace vorlenza
