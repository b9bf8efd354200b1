// The hand-in: the answers file reads back as saved, and the worksheet's text (as pdftotext reads
// it) holds the name, every answer and every mark; nothing is written into a folder that is not there.

#include "FileTrouble.h"
#include "LessonWorksheet.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vorlenza;

class TestLessonWorksheet : public QObject {
    Q_OBJECT
private slots:
    void handsInAnswersAndWorksheet()
    {
        LessonAnswers a;
        a.lesson = QStringLiteral("Die vier Ausgänge");
        a.digest = QStringLiteral("sha256:") + QString(64, QLatin1Char('c'));
        a.student = QStringLiteral("Jörg Übel");
        a.saved = QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9));
        a.tasks.resize(4);
        a.tasks[0] = {
            TaskKind::Predict, QStringLiteral("B wins"), Mark::Right, QStringLiteral("alpha = 1.2 > K1/K2 = 1"), {}};
        a.tasks[1] = {TaskKind::Predict, QStringLiteral("A"), Mark::Wrong, QString(), {}};
        a.tasks[2] = {TaskKind::Read, QStringLiteral("187,5"), Mark::Right, QString(), {}};
        a.tasks[3] = {TaskKind::Explain, QStringLiteral("Weil alpha größer ist."), Mark::None, QString(), {}};
        a.tasks[0].run = std::array<double, 9>{0.2, 10, 100, 1.2, 0.3, 10, 100, 0.5, 100};
        QImage chart(400, 300, QImage::Format_RGB32);
        chart.fill(Qt::white);
        const std::vector<WorksheetTask> tasks(4, WorksheetTask{QStringLiteral("Wie endet die Konkurrenz?"), chart});

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("antworten.json"));
        const Outcome saved = saveHandIn(a, tasks, path);
        QVERIFY2(saved.ok, qPrintable(saved.error));
        const AnswersReading back = readAnswersFile(path);
        QVERIFY(back.problem.ok());
        QCOMPARE(answersBytes(back.answers), answersBytes(a));

        if (!HaveTool(QStringLiteral("pdftotext")))
            QSKIP("pdftotext is not installed");
        bool ok = false;
        const QString text =
            QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {worksheetPath(path), "-"}, &ok)).simplified();
        QVERIFY(ok);
        for (const char* said : {"Die vier Ausgänge", "Name: Jörg Übel", "Answer: Species B wins", "Mark: right",
                                 "Answer: Species A", "Mark: wrong", "Answer: 187,5", "Weil alpha größer ist.",
                                 "Mark: kept for the teacher", "alpha = 1.2 > K1/K2 = 1", "Right: 2 of 3 marked"})
            QVERIFY2(text.contains(QString::fromUtf8(said)), said);
        QCOMPARE(text.count(QStringLiteral("Mark: right")), 2);
    }

    void writesNothingWhereItCannot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone/antworten.json"));
        LessonAnswers a;
        a.tasks.resize(1);
        QVERIFY(!saveHandIn(a, {}, path).ok);
        QVERIFY(!QFileInfo::exists(worksheetPath(path)));
    }
};

QTEST_MAIN(TestLessonWorksheet)
#include "tst_lessonworksheet.moc"
