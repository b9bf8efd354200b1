#include "LessonPaths.h"

#include "Lesson.h"
#include "LessonMarking.h"
#include "LessonWorksheet.h"
#include "Session.h"
#include "WholeFile.h"
#include "frmLesson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>

using namespace vorlenza;

namespace {

/// A lesson of 40 tasks, ten of each kind, over T = 1000.
QByteArray bigLesson()
{
    QJsonArray tasks;
    for (int i = 0; i < 10; ++i) {
        tasks.append(
            QJsonObject{{"kind", "predict"}, {"text", "How does it end?"}, {"values", QJsonObject{{"alpha", 0.5}}}});
        tasks.append(QJsonObject{
            {"kind", "reach"}, {"fields", QJsonArray{"r1", "r2"}}, {"steps", "misleading"}, {"text", "Mislead."}});
        tasks.append(QJsonObject{{"kind", "read"},
                                 {"quantity", "equilibrium N1"},
                                 {"tolerance", 2},
                                 {"text", "Read it."},
                                 {"values", QJsonObject{{"alpha", 0.5}}}});
        tasks.append(QJsonObject{{"kind", "explain"}, {"text", "Why?"}});
    }
    QJsonObject values{{"T", 1000}, {"r1", 0.2},   {"N1(0)", 10}, {"K1", 200},  {"alpha", 1},
                       {"r2", 0.3}, {"N2(0)", 10}, {"K2", 100},   {"beta", 0.4}};
    QJsonObject root{{"format", "vorlenza-scenario"},
                     {"version", 1},
                     {"values", values},
                     {"lesson", QJsonObject{{"title", "Bench"}, {"tasks", tasks}}}};
    return QJsonDocument(root).toJson();
}

void mustBe(bool good, const char* what)
{
    if (!good) {
        std::fprintf(stderr, "lesson bench: %s\n", what);
        std::abort();
    }
}

} // namespace

std::vector<BenchCase> LessonCases(Session& session, const QString& scratch, const QImage& chart)
{
    std::vector<BenchCase> cases;
    const QString lessonPath = scratch + QStringLiteral("/bench-lesson.vorlenza");
    mustBe(writeWholeFile(lessonPath, bigLesson()).ok, "the lesson could not be written");
    cases.push_back({"open lesson (40 tasks)",
                     30,
                     50.0,
                     nullptr,
                     [lessonPath] { mustBe(readLessonFile(lessonPath).ok(), "the lesson has problems"); },
                     {}});
    cases.push_back({"open lesson in the window (40 tasks, T=1000)",
                     30,
                     50.0,
                     [&session] { session.windows().hide(WindowId::Lesson); },
                     [&session, lessonPath] {
                         mustBe(openLessonFile(session, lessonPath, nullptr), "the lesson did not open");
                         QCoreApplication::processEvents();
                     },
                     {}});

    // the slowest task to check: the one-day steps of T = 1000 against the continuous solution
    LessonTask steps;
    steps.kind = TaskKind::Reach;
    steps.goal = ReachGoal::Steps;
    const std::array<double, 9> run{2.5, 10, 200, 0.5, 2.5, 10, 100, 0.4, 1000};
    cases.push_back({"check a task (one-day steps, T=1000)",
                     30,
                     16.0,
                     nullptr,
                     [steps, run] { mustBe(markTask(steps, run, QString()).mark == Mark::Right, "wrong mark"); },
                     {}});

    LessonAnswers answers;
    answers.lesson = QStringLiteral("Bench");
    answers.digest = QStringLiteral("sha256:") + QString(64, QLatin1Char('0'));
    answers.student = QStringLiteral("Bench");
    answers.saved = QDateTime::currentDateTime();
    std::vector<WorksheetTask> sheet;
    for (int i = 0; i < 10; ++i) {
        TaskAnswer a;
        a.kind = TaskKind::Predict;
        a.answer = QStringLiteral("B wins");
        a.mark = Mark::Right;
        a.explanation = QStringLiteral("alpha = 1.2 > K1/K2 = 1 and beta = 0.5 < K2/K1 = 1: B wins.");
        answers.tasks.push_back(a);
        sheet.push_back({QStringLiteral("How does the competition end?"), chart});
    }
    const QString handIn = scratch + QStringLiteral("/bench-answers.json");
    cases.push_back({"write the worksheet PDF (10 tasks with charts)",
                     10,
                     300.0,
                     nullptr,
                     [answers, sheet, handIn] { mustBe(saveHandIn(answers, sheet, handIn).ok, "not saved"); },
                     {}});
    return cases;
}
