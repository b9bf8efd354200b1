#pragma once

#include "PhasePlane.h"
#include "Scenario.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vorlenza {

/// A lesson: a scenario file with a "lesson" entry that guides a student through tasks, each marked
/// by the model from the student's own runs (docs/lessons.md describes the format for teachers):
///
///     "lesson": {
///         "title": { "en": "The four outcomes", "de": "…" },
///         "introduction": { "en": "…" },
///         "tasks": [
///             { "kind": "predict", "values": { "alpha": 0.5, "beta": 0.5 }, "text": { "en": "…" } },
///             { "kind": "reach", "fields": ["alpha"], "outcome": "B wins", "text": "…" },
///             { "kind": "read", "quantity": "N1", "day": 30, "tolerance": 2, "text": "…" },
///             { "kind": "explain", "text": "…" }
///         ]
///     }
///
/// The scenario's nine values are what every task starts from; a task's "values" replace some of
/// them while it is open. Like a scenario, a lesson is read as hostile input: QtCore and the model
/// only, every problem found with its place, nothing usable unless there is none.
namespace lesson {
/// At most this many tasks, and characters in a task's text or the introduction (in each language).
constexpr int MaxTasks = 100;
constexpr int MaxText = 4000;
} // namespace lesson

enum class TaskKind { Predict, Reach, Read, Explain };

/// What a prediction is about: how the competition ends, or which species is larger on a day.
enum class PredictQuestion { Outcome, Larger };

/// What a reach task asks of the run: an outcome, a species above a size by a day, or one-day steps
/// that mislead (or not).
enum class ReachGoal { Outcome, Above, Steps };

/// The number a read task asks for: a population of the run (one-day steps, as the charts draw it)
/// or of the continuous solution on a day, or a coordinate of the equilibrium where the isoclines
/// cross.
enum class ReadQuantity { N1, N2, ContinuousN1, ContinuousN2, EquilibriumN1, EquilibriumN2 };

enum class Species { A, B };

/// Some of the nine values, in the order of ScenarioValues.
using LessonValues = std::array<std::optional<double>, 9>;

struct LessonTask {
    TaskKind kind = TaskKind::Explain;
    ScenarioText text;
    LessonValues values; ///< written into the fields when the task opens
    PredictQuestion question = PredictQuestion::Outcome;
    int day = 0; ///< the day of a "larger" prediction, a reading, or a goal "above"
    ReachGoal goal = ReachGoal::Outcome;
    CompetitionOutcome outcome = CompetitionOutcome::Coexistence; ///< a reach task's outcome
    Species species = Species::A;                                 ///< a goal "above"
    double size = 0.0;                                            ///< a goal "above"
    bool misleading = true;                                       ///< a goal "steps"
    std::array<bool, 9> open{};                                   ///< the fields a reach task lets the student change
    ReadQuantity quantity = ReadQuantity::N1;
    double tolerance = 0.0; ///< how far a reading may be off
    /// Whether the task gives values of its own.
    bool setsValues() const;
};

struct Lesson {
    Scenario scenario; ///< the set-up every task starts from
    ScenarioText title;
    ScenarioText introduction;
    std::vector<LessonTask> tasks;
    /// "sha256:" and the hexadecimal digest of the tasks as the file writes them (the JSON of the
    /// entry "tasks", entries sorted): what tells an answers file of this lesson from another's.
    QString digest;
};

/// The nine values `task` starts from: the lesson's, with the task's own in their place.
std::array<double, 9> taskSetUp(const Lesson& lesson, const LessonTask& task);

/// The six constants among the nine values (in the order of ScenarioValues).
ModelParameters parametersOfValues(const std::array<double, 9>& values);

/// The file's names of the outcomes ("coexistence", "A wins", "B wins", "start decides") and of
/// the kinds, questions, quantities and species; each name read back by its `…Named` twin.
QString outcomeName(CompetitionOutcome outcome);
std::optional<CompetitionOutcome> outcomeNamed(const QString& name);
QString kindName(TaskKind kind);

/// What can be wrong with a lesson.
enum class LessonFault {
    Scenario,           ///< the file as a scenario: `scenario` says what
    NotLesson,          ///< a scenario without a "lesson" entry
    BadEntry,           ///< `entry` is missing or does not hold what it must
    UnknownEntry,       ///< `entry` means nothing here (a misspelt name, or one of another kind)
    UnknownKind,        ///< "kind" is `given`, none of the four
    UnknownName,        ///< `entry` holds `given`, none of the names it takes
    UnknownField,       ///< `entry` names `given`, none of the nine values
    ToleranceNotNumber, ///< "tolerance" is `given`, not a number
    NotPositive,        ///< `entry` must be a number greater than 0
    DayOutOfRange,      ///< `entry` must be a whole day from 0 to the task's T (`limit`)
    ValueOutOfRange,    ///< the task's value for `field` is one the field does not take
    NoRightAnswer,      ///< a prediction of the outcome where the isoclines lie on one another
    NoEquilibrium,      ///< a reading of the equilibrium where the isoclines do not cross inside
    GoalCount,          ///< a reach task without a goal, or with more than one
};

struct LessonProblem {
    LessonFault fault = LessonFault::BadEntry;
    int task = 0;  ///< the task it is in, from 1; 0 for the lesson as a whole
    QString entry; ///< the entry, as the file names it: "tolerance", "above.day", "values.alpha"
    QString given; ///< what the file holds there, as JSON
    ParameterField field = ParameterField::None;
    int limit = 0;
    ScenarioProblem scenario;
};

struct LessonReading {
    Lesson lesson;
    /// Every problem found, in the order of the file; the lesson is usable only when there is none.
    std::vector<LessonProblem> problems;
    bool ok() const { return problems.empty(); }
};

/// Reads a lesson from the bytes of a file: the scenario, then the lesson entry, task by task.
LessonReading readLesson(const QByteArray& bytes);

/// Reads the file at `path` as readScenarioFile does (an ordinary file of at most
/// scenario::MaxBytes), then as readLesson.
LessonReading readLessonFile(const QString& path);

} // namespace vorlenza
