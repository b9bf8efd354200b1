// Scenario files through the windows: a bad file changes nothing and says why, a file opens as it
// was saved whichever way it comes in, and a German set-up runs in Chinese to the same bytes.

#include "AppWindows.h"
#include "FileTrouble.h"
#include "Language.h"
#include "LabPhasePlot.h"
#include "MainSuite.h"
#include "ResultsFile.h"
#include "frmLab.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolTip>

namespace {

const QString kExamples = QStringLiteral(VORLENZA_EXAMPLES_DIR);

frmLab* lab(MainHarness& h) { return h.session.windows().window<frmLab>(WindowId::Lab); }
LabPhasePlot* phasePlane(MainHarness& h)
{
    return lab(h) ? lab(h)->findChild<LabPhasePlot*>(QStringLiteral("picPhasePlane")) : nullptr;
}

/// Everything a scenario could change: the fields, the run, the chart, the lab and the windows.
struct State {
    QStringList fields;
    QByteArray results;
    QString chart;
    QStringList commands;
    std::vector<QPointF> starts;
    QStringList shown;
    bool operator==(const State& o) const
    {
        return fields == o.fields && results == o.results && chart == o.chart && commands == o.commands &&
               starts == o.starts && shown == o.shown;
    }
    static State of(MainHarness& h)
    {
        State s;
        for (QLineEdit* e : h.main()->findChildren<QLineEdit*>())
            s.fields << e->objectName() + QLatin1Char('=') + e->text();
        s.results = resultsFileContents(h.session.model());
        s.chart = chartTitle(h.main()->chart());
        for (QPushButton* b : h.main()->findChildren<QPushButton*>())
            s.commands << b->objectName() + (b->isEnabled() ? "+" : "-");
        if (phasePlane(h))
            s.starts = phasePlane(h)->starts();
        for (int i = 0; i < WindowCount; ++i)
            if (h.session.windows().isVisible(WindowId(i)))
                s.shown << idName(WindowId(i));
        return s;
    }
};

/// Drops `path` on `target` as a file manager does: the drag comes in, then the drop.
void drop(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path); // what a field would paste if it took the drop itself
    const QPointF at = target->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &dropped);
    QVERIFY(dropped.isAccepted());
    QCoreApplication::processEvents(); // the file opens once the drop is over
}

} // namespace

class TestScenarioFiles : public MainSuite {
    Q_OBJECT

    /// Saves through Ctrl+S in the main window, or the chart menu of the lab when it is shown.
    void save(const QString& path)
    {
        h->exportAnswer = path;
        if (lab(*h) && lab(*h)->isVisible()) {
            h->menuChoice = QStringLiteral("Save scenario…");
            phasePlane(*h)->setFocus();
            QTest::keyClick(phasePlane(*h), Qt::Key_Menu);
            h->menuChoice.clear();
        } else {
            QTest::keyClick(h->main(), Qt::Key_S, Qt::ControlModifier);
        }
    }

private slots:
    void badFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // "folder", "vanishes" and "large" are made on the spot
        QTest::addColumn<QString>("said");
        const QByteArray good = ReadBytes(kExamples + "/a-wins.vorlenza");
        QTest::newRow("not JSON") << QByteArray("{\n  \"format\": \"vorlenza-scenario\",\n  \"version\": 1 2\n}")
                                  << "at line 3, column 17 its text is not JSON";
        QTest::newRow("a newer version") << QByteArray(good).replace("\"version\": 1", "\"version\": 7")
                                         << "scenario version 7";
        QTest::newRow("K1 not a number") << QByteArray(good).replace("\"K1\": 200", "\"K1\": \"200,5\"")
                                         << "“Carrying capacity for species A (K1)” (K1) is not a number";
        QTest::newRow("T out of range") << QByteArray(good).replace("\"T\": 150", "\"T\": 0")
                                        << "“For t = 0 to” (T) must be a whole number of days from 1 to 9999";
        QTest::newRow("alpha missing") << QByteArray(good).replace("\"alpha\": 0.5,", "")
                                       << "no value for “Constant a” (alpha)";
        QTest::newRow("a chart of no window") << QByteArray(good).replace("ShowN2vsN1withIsoclines", "ShowNothing")
                                              << "names none of the main window's charts";
        QTest::newRow("its run fails") << QByteArray(good).replace("\"r1\": 0.2", "\"r1\": 1e6")
                                       << "The populations grew too large to compute on day";
        QTest::newRow("over 1 MB") << QByteArray("large") << "larger than 1 MB";
        QTest::newRow("a folder") << QByteArray("folder") << "a folder, not a file";
        QTest::newRow("gone when opened") << QByteArray("vanishes") << "not there (any more)";
    }
    void badFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        // a run, another chart, the lab with a second trajectory, back in the main window
        h->click("cmdUseData3");
        h->click("cmdRun");
        QTest::mouseClick(h->main()->chart(), Qt::LeftButton);
        h->menuChoice = QStringLiteral("Phase-plane lab…");
        QTest::keyClick(h->main()->chart(), Qt::Key_Menu);
        QVERIFY(phasePlane(*h) && phasePlane(*h)->addTrajectory(40, 40));
        lab(*h)->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
        const State before = State::of(*h);

        QTemporaryDir dir;
        h->openAnswer = dir.filePath(QStringLiteral("lesson.vorlenza"));
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("lesson.vorlenza")));
        else if (bytes == "large")
            QVERIFY(WriteBytes(h->openAnswer, QByteArray(scenario::MaxBytes + 1, ' ')));
        else
            QVERIFY(WriteBytes(h->openAnswer, bytes));
        h->openAnswerVanishes = bytes == "vanishes";
        QTest::keyClick(h->main(), Qt::Key_O, Qt::ControlModifier);

        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains(said) && h->messages[0].contains(h->openAnswer), qPrintable(h->messages[0]));
        QVERIFY(State::of(*h) == before);
    }

    void opensAsSaved_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown"); // the window it opens in
        QTest::newRow("command line, the lab open") << "command line"
                                                    << "bistable"
                                                    << "Lab";
        QTest::newRow("the chart menu's examples") << "Examples > 3 Species B wins"
                                                   << "b-wins"
                                                   << "Main";
        QTest::newRow("the open dialog") << "dialog"
                                         << "chaos"
                                         << "Main";
        QTest::newRow("dropped on the lab") << "drop"
                                            << "coexistence"
                                            << "Main";
    }
    void opensAsSaved()
    {
        QFETCH(QString, way);
        QFETCH(QString, file);
        QFETCH(QString, shown);
        const QString path = kExamples + QLatin1Char('/') + file + QStringLiteral(".vorlenza");
        h->click("cmdRun");
        if (way == QLatin1String("command line")) {
            h->session.windows().show(WindowId::Title); // as at start-up
            openCommandLineFile(h->session, {QStringLiteral("vorlenza"), QStringLiteral("-style"), path});
        } else if (way == QLatin1String("dialog")) {
            h->openAnswer = path;
            QTest::keyClick(h->main(), Qt::Key_O, Qt::ControlModifier);
        } else if (way == QLatin1String("drop")) {
            h->menuChoice = QStringLiteral("Phase-plane lab…");
            QTest::keyClick(h->main()->chart(), Qt::Key_Menu);
            drop(lab(*h)->findChild<QWidget*>(QStringLiteral("spnK1")), path);
        } else {
            h->menuChoice = way;
            QTest::keyClick(h->main()->chart(), Qt::Key_Menu);
        }
        QCOMPARE(h->messages, QStringList());
        QStringList visible;
        for (WindowId id : {WindowId::Main, WindowId::Lab, WindowId::Title, WindowId::Large})
            if (h->session.windows().isVisible(id))
                visible << idName(id);
        QCOMPARE(visible, QStringList{shown});

        // the title where the students see it
        const Scenario saved = readScenarioFile(path).scenario;
        const QString title = saved.title.value(QStringLiteral("en"));
        if (shown == QLatin1String("Lab")) {
            QCOMPARE(phasePlane(*h)->title(), title);
        } else {
            ChartView* chart = h->main()->chart();
            const QPoint at = chart->rect().center();
            QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
            QApplication::sendEvent(chart, &help);
            QVERIFY2(QToolTip::text().startsWith(title + QLatin1Char('\n')), qPrintable(QToolTip::text()));
        }
        // everything as it was saved: saved again, the same bytes
        QTemporaryDir dir;
        save(dir.filePath(QStringLiteral("again.vorlenza")));
        QCOMPARE(h->messages, QStringList());
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("again.vorlenza"))), ReadBytes(path));
    }

    void germanSetUpRunsTheSameInChinese()
    {
        Translations translations;
        translations.use({QStringLiteral("de")});
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTemporaryDir dir;
        h->type("txtK1", QStringLiteral("250,5"));
        h->enter("txtK1");
        h->click("cmdRun");
        h->titleAnswer = QStringLiteral("K1 mit Komma");
        const QString first = dir.filePath(QStringLiteral("first"));
        save(first);
        QCOMPARE(h->messages, QStringList());
        const QByteArray results = resultsFileContents(h->session.model());

        translations.use({QStringLiteral("zh_CN")});
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        h->click("cmdUseData2");
        h->click("cmdRun");
        QVERIFY(resultsFileContents(h->session.model()) != results);
        drop(h->edit("txtK1"), first + QStringLiteral(".vorlenza"));
        QCOMPARE(h->text("txtK1"), QStringLiteral("250.5"));
        QCOMPARE(resultsFileContents(h->session.model()), results);

        h->titleAnswer = QString(); // left as offered
        save(dir.filePath(QStringLiteral("second.vorlenza")));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(h->textsAsked.mid(2, 1), QStringList{"K1 mit Komma"});
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("second.vorlenza"))), ReadBytes(first + ".vorlenza"));
    }

    void savesNothingTheFieldsCannotTake()
    {
        h->click("cmdRun");
        h->type("txtU", QStringLiteral("none")); // not confirmed: a run would read 0
        QTemporaryDir dir;
        save(dir.filePath(QStringLiteral("lesson.vorlenza")));
        QCOMPARE(h->messages.size(), 1);
        const QString said = QStringLiteral("“Constant a” (alpha) must be a number greater than 0");
        QVERIFY2(h->messages[0].contains(said), qPrintable(h->messages[0]));
        QCOMPARE(Listing(dir.path()), QStringList());
    }
};

QTEST_MAIN(TestScenarioFiles)
#include "tst_scenariofiles.moc"
