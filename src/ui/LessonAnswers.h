#pragma once

#include "Lesson.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vorlenza {

/// A student's answers to a lesson, as "Save my answers" writes them for the teacher:
///
///     {
///         "date": "2031-05-06T07:08:09",
///         "format": "vorlenza-answers",
///         "lesson": { "digest": "sha256:…", "tasks": 2, "title": "The four outcomes" },
///         "marked": 1,
///         "right": 1,
///         "student": "Anna",
///         "tasks": [
///             { "answer": "B wins", "explanation": "…", "kind": "predict", "mark": "right",
///               "run": { "K1": 200, … }, "task": 1 },
///             { "answer": "…", "kind": "explain", "task": 2 }
///         ],
///         "version": 1
///     }
///
/// A teacher's program reads many of them (vorlenza --class-summary), each as hostile input.
namespace answers {
inline constexpr char Format[] = "vorlenza-answers";
constexpr int Version = 1;
/// Every task's answer and explanation at their longest, in any script, fits.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;
/// At most this many characters in an answer, an explanation, the student's name.
constexpr int MaxAnswer = lesson::MaxText;
constexpr int MaxName = 200;
} // namespace answers

enum class Mark { None, Right, Wrong };

struct TaskAnswer {
    TaskKind kind = TaskKind::Explain;
    /// As the student gave it: an outcome's name ("A wins"), a species ("A"), a number as typed, a text.
    QString answer;
    Mark mark = Mark::None;
    QString explanation; ///< why the mark, in the student's language
    /// The nine values of the run the mark was given for, in the order of ScenarioValues.
    std::optional<std::array<double, 9>> run;
};

struct LessonAnswers {
    QString lesson; ///< the lesson's title, in the student's language
    QString digest; ///< Lesson::digest
    QString student;
    QDateTime saved; ///< local time, to the second
    std::vector<TaskAnswer> tasks;

    int right() const;
    int marked() const;
};

/// The file's bytes: indented JSON, entries in the order of their names.
QByteArray answersBytes(const LessonAnswers& answers);

struct AnswersReading {
    LessonAnswers answers;
    /// As for a scenario: NotScenario stands for a file that is no answers file, BadEntry names the
    /// place ("tasks[3].mark").
    ScenarioProblem problem;
};

AnswersReading readAnswers(const QByteArray& bytes);
/// The file at `path`, read whole from one handle as a scenario is, up to answers::MaxBytes.
AnswersReading readAnswersFile(const QString& path);

} // namespace vorlenza
