// The teacher's commands as a process without any display: --check-lesson names each problem with
// its place and fails; --class-summary makes one CSV of a class and leaves out, by name, a file of
// another lesson and a broken one.

#include "FileTrouble.h"
#include "LessonAnswers.h"

#include <QProcess>
#include <QUrl>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorlenza;

namespace {

struct Ran {
    int status = -1;
    QString out;
    QString err;
    QByteArray bytes; ///< standard output as written
};

/// The program with no display, no platform and English texts.
Ran run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LANG"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VORLENZA_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return {};
    Ran ran;
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.bytes = process.readAllStandardOutput();
    ran.out = QString::fromUtf8(ran.bytes);
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

const char* const kLesson = R"json({"format": "vorlenza-scenario", "version": 1,
    "values": {"T": 100, "r1": 0.2, "N1(0)": 10, "K1": 200, "alpha": 1, "r2": 0.3, "N2(0)": 10, "K2": 100, "beta": 0.4},
    "lesson": {"title": "Outcomes", "tasks": [
        {"kind": "predict", "text": "How does it end?"},
        {"kind": "read", "quantity": "N1", "day": 20, "tolerance": 2, "text": "Read N1."},
        %1]}})json";

QString written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

class TestTeacherTools : public QObject {
    Q_OBJECT
private slots:
    void checkLesson_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("fine") << R"({"kind": "explain", "text": "Why?"})" << 0 << "no problem found in its 3 tasks";
        QTest::newRow("unknown kind") << R"({"kind": "guess", "text": "?"})" << 1
                                      << "task 3, entry “kind”: the kind “guess” is none of";
        QTest::newRow("unknown field") << R"({"kind": "reach", "fields": ["gamma"], "outcome": "A wins", "text": "?"})"
                                       << 1 << "task 3, entry “fields”: “gamma” names none of the nine values";
        QTest::newRow("tolerance not a number")
            << R"({"kind": "read", "quantity": "N2", "day": 5, "tolerance": "2,5", "text": "?"})" << 1
            << "task 3, entry “tolerance”: the tolerance “2,5” is not a number";
        QTest::newRow("day beyond T") << R"({"kind": "predict", "question": "larger", "day": 101, "text": "?"})" << 1
                                      << "task 3, entry “day”: it must be a whole day from 0 to 100, not “101”";
    }
    void checkLesson()
    {
        QFETCH(QString, task);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path =
            written(dir, QStringLiteral("lesson.vorlenza"), QString::fromUtf8(kLesson).arg(task).toUtf8());
        const Ran ran = run({QStringLiteral("--check-lesson"), path});
        QCOMPARE(ran.status, status);
        QVERIFY2(ran.out.contains(path + QStringLiteral(": ") + said), qPrintable(ran.out + ran.err));
        QCOMPARE(ran.out.count(QLatin1Char('\n')), 1);
    }

    void classSummary()
    {
        QTemporaryDir dir;
        LessonAnswers answers;
        answers.lesson = QStringLiteral("Outcomes");
        answers.digest = QStringLiteral("sha256:") + QString(64, QLatin1Char('a'));
        answers.saved = QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9));
        answers.tasks.resize(3);
        answers.tasks[0].kind = TaskKind::Predict;
        answers.tasks[1].kind = TaskKind::Read;
        QStringList paths;
        for (int i = 0; i < 30; ++i) {
            answers.student = i == 3 ? QStringLiteral("=HYPERLINK(\"x\")") : QStringLiteral("Müller, Kim %1").arg(i);
            answers.tasks[0].mark = i % 2 ? Mark::Right : Mark::Wrong;
            answers.tasks[1].mark = i % 3 ? Mark::Right : Mark::None;
            paths << written(dir, QStringLiteral("%1.json").arg(i), answersBytes(answers));
        }
        answers.digest = QStringLiteral("sha256:") + QString(64, QLatin1Char('b'));
        paths.insert(5, written(dir, QStringLiteral("other.json"), answersBytes(answers)));
        paths.insert(9, written(dir, QStringLiteral("broken.json"), "{\"format\": \"vorlenza-answers\""));

        const Ran ran = run(QStringList{QStringLiteral("--class-summary")} + paths);
        QCOMPARE(ran.status, 0);
        // UTF-8 with its mark, so that a spreadsheet takes the names' letters as they are
        QVERIFY(ran.bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList rows = ran.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 31);
        QCOMPARE(rows[0], QStringLiteral("Student,Task 1,Task 2,Task 3,Total"));
        QCOMPARE(rows[1], QStringLiteral("\"Müller, Kim 0\",0,,,0"));
        QCOMPARE(rows[2], QStringLiteral("\"Müller, Kim 1\",1,1,,2"));
        QCOMPARE(rows[30], QStringLiteral("\"Müller, Kim 29\",1,1,,2"));
        // a name is never a formula in the teacher's spreadsheet
        QCOMPARE(rows[4], QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\",1,,,1"));
        const QStringList told = ran.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(told.size(), 2);
        QVERIFY2(told[0].contains(dir.filePath(QStringLiteral("other.json"))) &&
                     told[0].contains(QLatin1String("another lesson")),
                 qPrintable(told[0]));
        QVERIFY2(told[1].contains(dir.filePath(QStringLiteral("broken.json"))), qPrintable(told[1]));

        // LibreOffice in German reads it, as a teacher opens it (Unicode, comma): every mark in its cell
        if (!HaveTool(QStringLiteral("soffice")))
            QSKIP("LibreOffice (soffice) is not installed");
        const QString table = written(dir, QStringLiteral("class.csv"), ran.bytes);
        QProcess office;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LC_ALL"})
            environment.insert(QLatin1String(name), QStringLiteral("de_DE.UTF-8"));
        if (QFileInfo::exists(QStringLiteral(VORLENZA_TEST_LOCALES "/de_DE.UTF-8")))
            environment.insert(QStringLiteral("LOCPATH"), QStringLiteral(VORLENZA_TEST_LOCALES));
        office.setProcessEnvironment(environment);
        office.start(QStringLiteral("soffice"),
                     {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(dir.filePath("office")).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:44,34,76"),
                      QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76"),
                      QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), table});
        QVERIFY(office.waitForFinished(120000));
        QCOMPARE(office.exitCode(), 0);
        QFile read(dir.filePath(QStringLiteral("out/class.csv")));
        QVERIFY(read.open(QIODevice::ReadOnly));
        const QStringList cells = QString::fromUtf8(read.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(cells.size(), 31);
        QCOMPARE(cells[0], QStringLiteral("Student;Task 1;Task 2;Task 3;Total"));
        QCOMPARE(cells[1], QStringLiteral("Müller, Kim 0;0;;;0"));
        QCOMPARE(cells[4], QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\";1;;;1"));
        QCOMPARE(cells[30], QStringLiteral("Müller, Kim 29;1;1;;2"));
    }
};

QTEST_GUILESS_MAIN(TestTeacherTools)
#include "tst_teachertools.moc"
