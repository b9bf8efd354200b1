// The lesson reader against a table of bad lessons (every problem found, each with its place), and
// the answers file: its round trip and its refusals.

#include "FileTrouble.h"
#include "Lesson.h"
#include "LessonAnswers.h"
#include "LessonMarking.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace vorlenza;

namespace {

/// A lesson as a teacher writes it, before any row spoils it: T = 100, K1 = 200, K2 = 100.
QJsonObject goodLesson()
{
    return QJsonDocument::fromJson(R"json({"format": "vorlenza-scenario", "version": 1,
        "values": {"T": 100, "r1": 0.2, "N1(0)": 10, "K1": 200, "alpha": 1, "r2": 0.3, "N2(0)": 10,
                   "K2": 100, "beta": 0.4},
        "lesson": {"title": {"en": "Outcomes", "de": "Ausgänge"}, "introduction": "Predict, run, check.",
            "tasks": [
                {"kind": "predict", "text": "How does it end?", "values": {"alpha": 0.5}},
                {"kind": "predict", "question": "larger", "day": 50, "text": "Which is larger?"},
                {"kind": "reach", "fields": ["alpha", "beta"], "outcome": "B wins", "text": "Let B win."},
                {"kind": "reach", "fields": ["r2"], "above": {"species": "B", "size": 80, "day": 30}, "text": "Grow."},
                {"kind": "reach", "fields": ["r1"], "steps": "misleading", "text": "Mislead."},
                {"kind": "read", "quantity": "N1", "day": 20, "tolerance": 2, "text": "Read N1."},
                {"kind": "read", "quantity": "equilibrium N2", "tolerance": 1, "text": "Read it.",
                 "values": {"alpha": 0.5}},
                {"kind": "explain", "text": "Why?"}]}})json")
        .object();
}

/// The good lesson with `path` set to `value` (taken out when undefined): "lesson.title",
/// "task 3.fields", "values.K1"; "task 3" alone replaces the whole task.
QByteArray spoiled(const QString& path, const QJsonValue& value)
{
    QJsonObject root = goodLesson();
    QJsonObject lesson = root.value(QLatin1String("lesson")).toObject();
    QJsonArray tasks = lesson.value(QLatin1String("tasks")).toArray();
    const auto set = [&value](QJsonObject& object, const QString& key) {
        if (value.isUndefined())
            object.remove(key);
        else
            object.insert(key, value);
    };
    const QStringList keys = path.split(QLatin1Char('.'));
    if (keys[0].startsWith(QLatin1String("task "))) {
        const int i = keys[0].mid(5).toInt() - 1;
        QJsonObject task = tasks[i].toObject();
        if (keys.size() == 1)
            tasks[i] = value;
        else if (keys.size() == 3) {
            QJsonObject inner = task.value(keys[1]).toObject();
            set(inner, keys[2]);
            task.insert(keys[1], inner);
            tasks[i] = task;
        } else {
            set(task, keys[1]);
            tasks[i] = task;
        }
        lesson.insert(QLatin1String("tasks"), tasks);
    } else if (keys[0] == QLatin1String("lesson") && keys.size() == 2) {
        set(lesson, keys[1]);
    } else if (keys.size() == 2) {
        QJsonObject inner = root.value(keys[0]).toObject();
        set(inner, keys[1]);
        root.insert(keys[0], inner);
    }
    if (keys[0] != QLatin1String("lesson") || keys.size() == 2)
        root.insert(QLatin1String("lesson"), lesson);
    if (path == QLatin1String("lesson"))
        set(root, QStringLiteral("lesson"));
    return QJsonDocument(root).toJson();
}

/// Answers as the lesson window saves them.
LessonAnswers someAnswers()
{
    LessonAnswers a;
    a.lesson = QStringLiteral("Die vier Ausgänge");
    a.digest = QStringLiteral("sha256:") + QString(64, QLatin1Char('a'));
    a.student = QStringLiteral("Zoë \"Z\" O'Neil, 7b");
    a.saved = QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9));
    TaskAnswer predict;
    predict.kind = TaskKind::Predict;
    predict.answer = QStringLiteral("B wins");
    predict.mark = Mark::Wrong;
    predict.explanation = QStringLiteral("alpha = 1.5 > K1/K2 = 1 …");
    predict.run = std::array<double, 9>{0.2, 10, 200, 1.0 / 3.0, 0.3, 1e-300, 100, 0.4, 9999};
    TaskAnswer read;
    read.kind = TaskKind::Read;
    read.answer = QStringLiteral("156,25");
    read.mark = Mark::Right;
    TaskAnswer explain;
    explain.answer = QStringLiteral("Weil …\nzwei Zeilen");
    a.tasks = {predict, read, explain};
    return a;
}

} // namespace

Q_DECLARE_METATYPE(LessonFault)

class TestLessonFile : public QObject {
    Q_OBJECT
private slots:
    void findsEveryProblemWithItsPlace_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("found"); // each problem: fault, task, entry, what was given
        using F = LessonFault;
        const auto one = [](F fault, int task, const QString& entry, const QString& given = {}) {
            return QStringLiteral("%1 %2 %3 [%4]").arg(int(fault)).arg(task).arg(entry, given);
        };
        QTest::newRow("good") << spoiled("lesson.title", "Outcomes") << "";
        QTest::newRow("a scenario, no lesson")
            << spoiled("lesson", QJsonValue::Undefined) << one(F::NotLesson, 0, "lesson");
        QTest::newRow("lesson a list") << spoiled("lesson", QJsonArray{1}) << one(F::BadEntry, 0, "lesson");
        QTest::newRow("no title") << spoiled("lesson.title", QJsonValue::Undefined) << one(F::BadEntry, 0, "title");
        QTest::newRow("a misspelt entry") << spoiled("lesson.intro", "x") << one(F::UnknownEntry, 0, "intro");
        QTest::newRow("no tasks") << spoiled("lesson.tasks", QJsonArray()) << one(F::BadEntry, 0, "tasks");
        QJsonArray many;
        for (int i = 0; i <= lesson::MaxTasks; ++i)
            many.append(QJsonObject{{"kind", "explain"}, {"text", "Why?"}});
        QTest::newRow("101 tasks") << spoiled("lesson.tasks", many) << one(F::BadEntry, 0, "tasks");
        QTest::newRow("a task not a group") << spoiled("task 2", 5) << one(F::BadEntry, 2, "", "5");
        QTest::newRow("an unknown kind") << spoiled("task 8.kind", "essay") << one(F::UnknownKind, 8, "kind", "essay");
        QTest::newRow("no kind") << spoiled("task 8.kind", QJsonValue::Undefined) << one(F::BadEntry, 8, "kind");
        QTest::newRow("an empty text") << spoiled("task 8.text", " ") << one(F::BadEntry, 8, "text", " ");
        QTest::newRow("an unknown field to change")
            << spoiled("task 3.fields", QJsonArray{"alpha", "gamma"}) << one(F::UnknownField, 3, "fields", "gamma");
        QTest::newRow("an unknown value")
            << spoiled("task 1.values", QJsonObject{{"delta", 1}}) << one(F::UnknownField, 1, "values", "delta");
        QTest::newRow("a value the field does not take")
            << spoiled("task 1.values", QJsonObject{{"K1", -5}}) << one(F::ValueOutOfRange, 1, "values.K1", "-5");
        QTest::newRow("a value as a German text")
            << spoiled("task 1.values", QJsonObject{{"alpha", "0,5"}}) << one(F::BadEntry, 1, "values.alpha", "0,5");
        QTest::newRow("a tolerance that is no number")
            << spoiled("task 6.tolerance", "five") << one(F::ToleranceNotNumber, 6, "tolerance", "five");
        QTest::newRow("a tolerance of 0") << spoiled("task 6.tolerance", 0) << one(F::NotPositive, 6, "tolerance", "0");
        QTest::newRow("no tolerance") << spoiled("task 6.tolerance", QJsonValue::Undefined)
                                      << one(F::BadEntry, 6, "tolerance");
        QTest::newRow("a day after T") << spoiled("task 6.day", 101) << one(F::DayOutOfRange, 6, "day", "101");
        QTest::newRow("a day after the task's own T")
            << spoiled("task 6.values", QJsonObject{{"T", 10}}) << one(F::DayOutOfRange, 6, "day", "20");
        QTest::newRow("half a day") << spoiled("task 2.day", 2.5) << one(F::DayOutOfRange, 2, "day", "2.5");
        QTest::newRow("a day for the outcome") << spoiled("task 1.day", 3) << one(F::UnknownEntry, 1, "day");
        QTest::newRow("an entry of another kind")
            << spoiled("task 8.tolerance", 1) << one(F::UnknownEntry, 8, "tolerance");
        QTest::newRow("isoclines on one another: no right outcome")
            << spoiled("task 1.values", QJsonObject{{"alpha", 2}, {"beta", 0.5}}) << one(F::NoRightAnswer, 1, "values");
        QTest::newRow("no crossing to read") << spoiled("task 7.values", QJsonObject{{"alpha", 3}})
                                             << one(F::NoEquilibrium, 7, "quantity", "equilibrium N2");
        QTest::newRow("two goals") << spoiled("task 3.steps", "faithful") << one(F::GoalCount, 3, "");
        QTest::newRow("no goal") << spoiled("task 3.outcome", QJsonValue::Undefined) << one(F::GoalCount, 3, "");
        QTest::newRow("an unknown outcome")
            << spoiled("task 3.outcome", "C wins") << one(F::UnknownName, 3, "outcome", "C wins");
        QTest::newRow("an unknown species")
            << spoiled("task 4.above.species", "C") << one(F::UnknownName, 4, "above.species", "C");
        QTest::newRow("a size below 0") << spoiled("task 4.above.size", -1)
                                        << one(F::NotPositive, 4, "above.size", "-1");
        QTest::newRow("steps neither way")
            << spoiled("task 5.steps", "sometimes") << one(F::UnknownName, 5, "steps", "sometimes");
        QTest::newRow("not JSON") << QByteArray("{\"lesson\": }") << one(F::Scenario, 0, "");
        // a bad value of the scenario and a bad task: both told, the scenario first
        QByteArray both = spoiled("task 8.kind", "essay");
        both.replace("\"K2\": 100", "\"K2\": 0");
        QTest::newRow("a bad value and a bad task")
            << both << one(F::Scenario, 0, "") + QLatin1Char('|') + one(F::UnknownKind, 8, "kind", "essay");
    }
    void findsEveryProblemWithItsPlace()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, found);
        const LessonReading r = readLesson(bytes);
        QStringList problems;
        for (const LessonProblem& p : r.problems)
            problems << QStringLiteral("%1 %2 %3 [%4]").arg(int(p.fault)).arg(p.task).arg(p.entry, p.given);
        QCOMPARE(problems.join(QLatin1Char('|')), found);
        QCOMPARE(r.ok(), found.isEmpty());
    }

    void readsWhatTheTasksAsk()
    {
        const LessonReading r = readLesson(spoiled("lesson.title", "Outcomes"));
        QVERIFY(r.ok());
        const std::vector<LessonTask>& t = r.lesson.tasks;
        QCOMPARE(t.size(), std::size_t(8));
        QCOMPARE(taskSetUp(r.lesson, t[0])[3], 0.5); // alpha, the task's own
        QCOMPARE(taskSetUp(r.lesson, t[1])[3], 1.0); // the lesson's
        QVERIFY(t[2].open[3] && t[2].open[7] && !t[2].open[2]);
        QCOMPARE(t[2].outcome, CompetitionOutcome::BWins);
        QCOMPARE(t[3].goal, ReachGoal::Above);
        QCOMPARE(t[3].species, Species::B);
        QCOMPARE(t[3].day, 30);
        QCOMPARE(t[5].tolerance, 2.0);
        QCOMPARE(t[6].quantity, ReadQuantity::EquilibriumN2);
        // the digest tells the tasks apart, not their layout in the file
        QCOMPARE(readLesson(QJsonDocument(goodLesson()).toJson(QJsonDocument::Compact)).lesson.digest, r.lesson.digest);
        QVERIFY(readLesson(spoiled("task 6.tolerance", 3)).lesson.digest != r.lesson.digest);
    }

    void answersReadBackAsWritten()
    {
        const LessonAnswers a = someAnswers();
        const QByteArray bytes = answersBytes(a);
        const AnswersReading r = readAnswers(bytes);
        QVERIFY2(r.problem.ok(), qPrintable(r.problem.entry));
        QCOMPARE(answersBytes(r.answers), bytes);
        QCOMPARE(r.answers.student, a.student);
        QCOMPARE(r.answers.saved, a.saved);
        QCOMPARE(r.answers.tasks[0].run, a.tasks[0].run);
        QCOMPARE(r.answers.tasks[2].answer, a.tasks[2].answer);
        QCOMPARE(r.answers.right(), 1);
        QCOMPARE(r.answers.marked(), 2);
    }

    void refusesBadAnswers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fault"); // ScenarioFault
        QTest::addColumn<QString>("entry");
        const QByteArray good = answersBytes(someAnswers());
        const auto changed = [&good](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
        using F = ScenarioFault;
        QTest::newRow("not JSON") << good.left(good.size() / 2) << int(F::NotJson) << "";
        QTest::newRow("a scenario") << ReadBytes(VORLENZA_EXAMPLES_DIR "/bistable.vorlenza") << int(F::NotScenario)
                                    << "";
        QTest::newRow("newer") << changed("\"version\": 1", "\"version\": 2") << int(F::Newer) << "";
        QTest::newRow("a digest of another kind") << changed("sha256:", "md5:") << int(F::BadEntry) << "lesson.digest";
        QTest::newRow("a mark of a third kind")
            << changed("\"wrong\"", "\"maybe\"") << int(F::BadEntry) << "tasks[1].mark";
        QTest::newRow("the totals raised by hand")
            << changed("\"right\": 1", "\"right\": 3") << int(F::BadEntry) << "right";
        QTest::newRow("a run without T") << changed("\"T\": 9999,", "") << int(F::BadEntry) << "tasks[1].run";
        QTest::newRow("a task out of place")
            << changed("\"task\": 2", "\"task\": 5") << int(F::BadEntry) << "tasks[2].task";
        QTest::newRow("a date that is none") << changed("2031-05-06", "2031-13-06") << int(F::BadEntry) << "date";
        QTest::newRow("one task fewer than said")
            << changed("\"tasks\": 3", "\"tasks\": 4") << int(F::BadEntry) << "tasks";
        QTest::newRow("too large") << good + QByteArray(answers::MaxBytes, ' ') << int(F::TooLarge) << "";
    }
    void refusesBadAnswers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fault);
        QFETCH(QString, entry);
        const ScenarioProblem p = readAnswers(bytes).problem;
        QCOMPARE(int(p.fault), fault);
        QCOMPARE(p.entry, entry);
    }
    void examplesReadInEveryLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("predicted"); // the right answer of each prediction, in order
        QTest::newRow("four outcomes") << "lesson-four-outcomes"
                                       << QStringList{"coexistence", "A wins", "B wins", "start decides"};
        QTest::newRow("phase plane") << "lesson-phase-plane" << QStringList{"B"};
        QTest::newRow("one-day steps") << "lesson-one-day-steps" << QStringList{};
        QTest::newRow("separatrix") << "lesson-separatrix" << QStringList{"start decides", "A"};
    }
    void examplesReadInEveryLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, predicted);
        const LessonReading r = readLessonFile(QStringLiteral(VORLENZA_EXAMPLES_DIR "/%1.vorlenza").arg(file));
        QVERIFY(r.ok());
        const QStringList languages{"de", "en", "es", "fr", "pt_BR", "zh_CN"}; // as a map sorts them
        QCOMPARE(r.lesson.title.keys(), languages);
        QCOMPARE(r.lesson.introduction.keys(), languages);
        QStringList right;
        for (const LessonTask& task : r.lesson.tasks) {
            QCOMPARE(task.text.keys(), languages);
            if (task.kind != TaskKind::Predict)
                continue;
            for (const QString& answer : predictionChoices(task))
                if (markTask(task, taskSetUp(r.lesson, task), answer).mark == Mark::Right)
                    right << answer;
        }
        QCOMPARE(right, predicted);
    }
};

QTEST_GUILESS_MAIN(TestLessonFile)
#include "tst_lessonfile.moc"
