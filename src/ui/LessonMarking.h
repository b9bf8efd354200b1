#pragma once

#include "Lesson.h"
#include "LessonAnswers.h"

#include <QLocale>
#include <QString>

#include <array>

namespace vorlenza {

/// A task's mark for one run, and why, in the student's language: one or two sentences built from
/// the run's own numbers ("alpha = 1.2 > K1/K2 = 1 and beta = …: B's isocline lies above A's, so B
/// wins."). QtCore and the model only.
struct TaskMarking {
    Mark mark = Mark::None;
    QString explanation;
};

/// Marks `answer` to `task` against the run of `run` (the nine values, in the order of
/// ScenarioValues):
/// - predict: the outcome by outcomeOf ("coexistence", "A wins", "B wins", "start decides"), or the
///   species ("A", "B") larger on the task's day of the one-day steps; where the isoclines lie on one
///   another, or both species are equal that day, no answer is right and none is marked;
/// - reach: the run's outcome; the species above the size on some day up to the task's day; the
///   one-day steps misleading (checkOneDaySteps against the continuous solution) or not; `answer`
///   is not looked at;
/// - read: the number `answer` reads as by the regional rule of `locale`, within the task's
///   tolerance of the run's value;
/// - explain: kept, not marked.
TaskMarking markTask(const LessonTask& task, const std::array<double, 9>& run, const QString& answer,
                     const QLocale& locale = QLocale());

/// The answers a predict task offers, as the answers file writes them: the four outcomes, or "A" and "B".
QStringList predictionChoices(const LessonTask& task);

/// An answer as the student reads it: an outcome's or a species' name in the student's language,
/// anything else as given.
QString answerShown(TaskKind kind, const QString& answer);

} // namespace vorlenza
