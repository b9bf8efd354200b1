// readLesson and readAnswers on any bytes: no crash, no undefined behaviour, no hang. A lesson it
// takes holds only what the windows can use (tasks within the limit, days within each task's T,
// readings with a tolerance above 0, set-ups the fields take), and answers it takes survive a round
// trip to the same bytes.

#include "FuzzChecks.h"
#include "Lesson.h"
#include "LessonAnswers.h"

#include <QByteArray>

#include <cstdint>
#include <string>

using namespace vorlenza;

namespace {

using fuzzcheck::require;

void checkLesson(const QByteArray& bytes)
{
    const LessonReading reading = readLesson(bytes);
    for (const LessonProblem& p : reading.problems)
        require(p.task >= 0 && p.task <= lesson::MaxTasks + 1, "a problem placed in no task", std::to_string(p.task));
    if (!reading.ok())
        return;
    const Lesson& l = reading.lesson;
    require(!l.tasks.empty() && l.tasks.size() <= std::size_t(lesson::MaxTasks), "a lesson of too many tasks");
    require(l.digest.size() == 7 + 64, "a digest of another length");
    for (const LessonTask& t : l.tasks) {
        const std::array<double, 9> setUp = taskSetUp(l, t);
        require(checkScenarioValues(setUp).ok(), "a task whose values the fields do not take");
        require(t.day >= 0 && t.day <= setUp[8], "a day after the task's T", std::to_string(t.day));
        if (t.kind == TaskKind::Read)
            require(t.tolerance > 0.0, "a reading without a tolerance");
        if (t.kind == TaskKind::Reach) {
            bool open = false;
            for (bool o : t.open)
                open = open || o;
            require(open, "a reach task with no field to change");
        }
    }
}

void checkAnswers(const QByteArray& bytes)
{
    const AnswersReading reading = readAnswers(bytes);
    if (!reading.problem.ok())
        return;
    const QByteArray written = answersBytes(reading.answers);
    const AnswersReading again = readAnswers(written);
    require(again.problem.ok(), "written answers are refused", written.left(400).toStdString());
    require(answersBytes(again.answers) == written, "answers written again give other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkLesson(bytes);
    checkAnswers(bytes);
    return 0;
}
