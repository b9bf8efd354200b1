// The chart's menu and tooltip in both graph windows: the three ways to open the menu, that it
// changes nothing, each of its items, and "Save as PDF…" after a failed print.

#include "ChartActions.h"
#include "PlotMenu.h"
#include "ChartExport.h"
#include "DirectionField.h"
#include "FileTrouble.h"
#include "ModelFixtures.h"
#include "MainSuite.h"
#include "WindowPrinter.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolTip>

using namespace vorlenza;

namespace {

const QStringList kPhasePlaneMenu{"Copy chart",
                                  "Save chart as…",
                                  "Save window as PDF…",
                                  "Save results as spreadsheet…",
                                  "Phase-plane lab…",
                                  "Direction arrows [ ]",
                                  "Continuous solution [ ]",
                                  "Save scenario…",
                                  "Open scenario…",
                                  "Examples >"};

enum class Way { RightButton, MenuKey, ShiftF10 };

void openMenu(QWidget* chart, Way way)
{
    switch (way) {
    case Way::RightButton:
        // Through the window, as the window system delivers it: that is where Qt turns the
        // right button into a context menu request.
        QTest::mouseClick(chart->window()->windowHandle(), Qt::RightButton, {},
                          chart->mapTo(chart->window(), chart->rect().center()));
        break;
    case Way::MenuKey:
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Menu);
        break;
    case Way::ShiftF10:
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
        break;
    }
}

/// Everything the menu must leave alone: counters, model, command states, the chart's picture.
struct Snapshot {
    int cycle = 0, largeCycle = 0;
    std::vector<double> n1;
    QStringList commands;
    QImage chart;
    static Snapshot of(MainHarness& h, ChartView* chart)
    {
        QCoreApplication::processEvents();
        Snapshot s;
        s.cycle = h.session.graphCycle;
        s.largeCycle = h.session.largeGraphCycle;
        s.n1.assign(h.session.model().N1.begin(), h.session.model().N1.end());
        for (QWidget* w : {static_cast<QWidget*>(h.main()), static_cast<QWidget*>(h.large())})
            if (w)
                for (QPushButton* b : w->findChildren<QPushButton*>())
                    s.commands << b->objectName() + (b->isEnabled() ? "+" : "-");
        s.chart = chart->grab().toImage();
        return s;
    }
    bool operator==(const Snapshot& o) const
    {
        return cycle == o.cycle && largeCycle == o.largeCycle && n1 == o.n1 && commands == o.commands &&
               chart == o.chart;
    }
};

} // namespace

Q_DECLARE_METATYPE(Way)

class TestChartMenu : public MainSuite {
    Q_OBJECT

    /// A run, and for the large window "Large"; the chart of that window.
    ChartView* chartOf(bool large)
    {
        h->click("cmdRun");
        if (!large)
            return h->main()->chart();
        h->click("cmdLargeGraph");
        return h->large() ? h->large()->chart() : nullptr;
    }

private slots:

    void opensEveryWayAndChangesNothing_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<Way>("way");
        for (bool large : {false, true}) {
            const char* w = large ? "large" : "main";
            QTest::addRow("%s, right button", w) << large << Way::RightButton;
            QTest::addRow("%s, Menu key", w) << large << Way::MenuKey;
            QTest::addRow("%s, Shift+F10", w) << large << Way::ShiftF10;
        }
    }
    void opensEveryWayAndChangesNothing()
    {
        QFETCH(bool, large);
        QFETCH(Way, way);
        ChartView* chart = chartOf(large);
        QVERIFY(chart);
        const Snapshot before = Snapshot::of(*h, chart);
        openMenu(chart, way);
        QCOMPARE(h->menus.size(), 1);
        QCOMPARE(h->menus[0], kPhasePlaneMenu);
        QVERIFY(Snapshot::of(*h, chart) == before);
        // Plain keys and other modifiers open nothing.
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_F10);
        QTest::keyClick(chart, Qt::Key_Menu, Qt::ControlModifier);
        QCOMPARE(h->menus.size(), 1);
        // A left click still moves the cycle on, by one.
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
        QCOMPARE(large ? h->session.largeGraphCycle : h->session.graphCycle, std::int16_t(1));
    }

    void arrowsOnlyOnPhasePlanesAndKeptPerWindow()
    {
        ChartView* chart = chartOf(false);
        h->menuChoice = QStringLiteral("Direction arrows");
        openMenu(chart, Way::MenuKey);
        QVERIFY(findDirectionField(*chart) != nullptr);
        QVERIFY(h->session.mainArrows);
        QVERIFY(!h->session.largeArrows);
        QCOMPARE(h->session.graphCycle, std::int16_t(0));

        // A time chart has no arrows and no arrow item; back on a phase plane they return.
        h->menuChoice.clear();
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center()); // N and t
        QVERIFY(findDirectionField(*chart) == nullptr);
        openMenu(chart, Way::MenuKey);
        QCOMPARE(h->menus.last(),
                 (QStringList{"Copy chart", "Save chart as…", "Save window as PDF…", "Save results as spreadsheet…",
                              "Phase-plane lab…", "Continuous solution [ ]", "Save scenario…", "Open scenario…",
                              "Examples >"}));
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center()); // to N2 vs. N1
        QVERIFY(findDirectionField(*chart) != nullptr);
        openMenu(chart, Way::MenuKey);
        QVERIFY(h->menus.last().contains(QStringLiteral("Direction arrows [x]")));

        // The large window starts without them, and keeps its own choice when made anew.
        h->click("cmdLargeGraph");
        ChartView* big = h->large()->chart();
        QVERIFY(findDirectionField(*big) == nullptr);
        h->menuChoice = QStringLiteral("Direction arrows");
        openMenu(big, Way::RightButton);
        QVERIFY(findDirectionField(*big) != nullptr);
        h->large()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        h->click("cmdLargeGraph");
        QVERIFY(findDirectionField(*h->large()->chart()) != nullptr);
        // Off again in the large window leaves the main window's on.
        openMenu(h->large()->chart(), Way::RightButton);
        QVERIFY(findDirectionField(*h->large()->chart()) == nullptr);
        QVERIFY(h->session.mainArrows);
    }

    void saveChartAsTakesTheTypedTypeAndCancelWritesNothing()
    {
        ChartView* chart = chartOf(false);
        QTemporaryDir dir;
        h->menuChoice = QStringLiteral("Save chart as…");
        openMenu(chart, Way::RightButton); // cancelled
        QCOMPARE(h->exportSuggested, QStringList{"N2 vs. N1.png"});
        QVERIFY(Listing(dir.path()).isEmpty());

        h->exportAnswer = dir.filePath("phase");
        h->exportFilter = chartSaveFilter(ChartFileType::Svg);
        openMenu(chart, Way::RightButton);
        QVERIFY(QSvgRenderer(dir.filePath("phase.svg")).isValid());
        h->exportAnswer = dir.filePath("typed.png");
        openMenu(chart, Way::RightButton);
        QCOMPARE(QImage(dir.filePath("typed.png")).size(), chart->size() * 2);
        QCOMPARE(h->messages, QStringList());

        QVERIFY(QDir(dir.path()).mkdir("folder.png")); // a folder: said, nothing written
        h->exportAnswer = dir.filePath("folder.png");
        h->exportFilter.clear();
        const QStringList before = Listing(dir.path());
        openMenu(chart, Way::RightButton);
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains(QDir::toNativeSeparators(h->exportAnswer)), qPrintable(h->messages[0]));
        QCOMPARE(Listing(dir.path()), before);
    }

    void saveResultsAsSpreadsheet_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("main window") << false;
        QTest::newRow("large window") << true;
    }
    void saveResultsAsSpreadsheet()
    {
        QFETCH(bool, large);
        ChartView* chart = chartOf(large);
        QTemporaryDir dir;
        h->menuChoice = QStringLiteral("Save results as spreadsheet…");
        h->exportAnswer = dir.filePath("run");
        openMenu(chart, Way::MenuKey);
        QCOMPARE(h->exportSuggested, QStringList{"results.xlsx"});
        QCOMPARE(Listing(dir.path()), QStringList{"run.xlsx"});
        QVERIFY(ReadBytes(dir.filePath("run.xlsx")).startsWith("PK\x03\x04"));
        QCOMPARE(h->messages, QStringList());
    }

    void copyChartFillsTheClipboard()
    {
        ChartView* chart = chartOf(true);
        QGuiApplication::clipboard()->clear();
        h->menuChoice = QStringLiteral("Copy chart");
        openMenu(chart, Way::ShiftF10);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasImage());
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), chart->size() * 2);
        QVERIFY(data->formats().contains(QStringLiteral("image/svg+xml")));
    }

    void failedPrintOffersTheWindowsPageAsPdf_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<bool>("save");
        QTest::newRow("main, save") << false << true;
        QTest::newRow("main, OK") << false << false;
        QTest::newRow("large, save") << true << true;
    }
    void failedPrintOffersTheWindowsPageAsPdf()
    {
        QFETCH(bool, large);
        QFETCH(bool, save);
        chartOf(large);
        QTemporaryDir dir;
        h->printTo(QString()); // no printer
        h->savePdfAnswer = save;
        h->exportAnswer = dir.filePath("page.pdf");
        QWidget* window = large ? static_cast<QWidget*>(h->large()) : h->main();
        QPushButton* print = window->findChild<QPushButton*>(large ? "Command6" : "cmdPrint");
        QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
        QCOMPARE(h->messages.size(), 1);
        QVERIFY(h->messages[0].contains(QLatin1String("No printer")));
        QCOMPARE(QFileInfo::exists(dir.filePath("page.pdf")), save);
        if (!save)
            return;
        QVERIFY(ReadBytes(dir.filePath("page.pdf")).startsWith("%PDF-"));
        QCOMPARE(h->exportSuggested.size(), 1);
        QVERIFY(h->exportSuggested[0].endsWith(QLatin1String(".pdf")));
        // The same page as "Save window as PDF…" from the chart's menu.
        h->menuChoice = QStringLiteral("Save window as PDF…");
        h->exportAnswer = dir.filePath("menu.pdf");
        openMenu(large ? h->large()->chart() : h->main()->chart(), Way::MenuKey);
        QVERIFY(QFileInfo(dir.filePath("menu.pdf")).size() > 1000);
    }

    void windowPdfNeverGoesUnderAnotherType_data()
    {
        QTest::addColumn<bool>("fromPrint"); // the failed print's "Save as PDF…", else the chart menu
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // empty: refused with a message, nothing written
        QTest::newRow("menu, .svg") << false << "window.svg"
                                    << "";
        QTest::newRow("print, .png") << true << "a.png"
                                     << "";
        QTest::newRow("menu, .PDF") << false << "w.PDF"
                                    << "w.PDF";
        QTest::newRow("print, no ending") << true << "page"
                                          << "page.pdf";
        QTest::newRow("menu, unknown ending") << false << "run 1.draft"
                                              << "run 1.draft.pdf";
    }
    void windowPdfNeverGoesUnderAnotherType()
    {
        QFETCH(bool, fromPrint);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        ChartView* chart = chartOf(false);
        QTemporaryDir dir;
        const QByteArray earlier = "an earlier picture";
        QVERIFY(WriteBytes(dir.filePath(typed), earlier));
        h->exportAnswer = dir.filePath(typed);
        if (fromPrint) {
            h->printTo(QString()); // no printer
            h->savePdfAnswer = true;
            QTest::mouseClick(h->button("cmdPrint"), Qt::LeftButton);
            h->messages.removeFirst(); // "No printer…"
        } else {
            h->menuChoice = QStringLiteral("Save window as PDF…");
            openMenu(chart, Way::MenuKey);
        }
        if (written.isEmpty()) {
            QCOMPARE(h->messages.size(), 1);
            QVERIFY2(h->messages[0].contains(typed) && h->messages[0].contains(QLatin1String(".pdf")),
                     qPrintable(h->messages[0]));
            QCOMPARE(Listing(dir.path()), QStringList{typed});
        } else {
            QCOMPARE(h->messages, QStringList());
            QVERIFY(ReadBytes(dir.filePath(written)).startsWith("%PDF-"));
        }
        if (written != typed)
            QCOMPARE(ReadBytes(dir.filePath(typed)), earlier);
    }

    // A hung print service (CUPS stopped) and a paused queue: both windows say so at once and offer
    // the page as a PDF; nothing waits for the service beyond its time limit.
    void printServiceTroubleIsSaid_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<bool>("hung"); // else the queue is paused
        QTest::addColumn<QString>("says");
        const QString noAnswer = QStringLiteral("The print service of this computer does not answer");
        const QString waits = QStringLiteral("The page waits in the queue of the printer “%1”, which is paused.");
        QTest::newRow("main, no answer") << false << true << noAnswer;
        QTest::newRow("large, no answer") << true << true << noAnswer;
        QTest::newRow("main, paused") << false << false << waits;
        QTest::newRow("large, paused") << true << false << waits;
    }
    void printServiceTroubleIsSaid()
    {
        QFETCH(bool, large);
        QFETCH(bool, hung);
        QFETCH(QString, says);
        chartOf(large);
        QTemporaryDir dir;
        const QString printed = dir.filePath("printed.pdf");
        h->printTo(printed);
        if (hung) {
            h->hung = std::make_shared<MainHarness::HungService>();
            h->session.platform().printServiceWaitMs = 300;
        }
        h->queuePaused = !hung;
        h->savePdfAnswer = true;
        h->exportAnswer = dir.filePath("page.pdf");
        QWidget* window = large ? static_cast<QWidget*>(h->large()) : h->main();
        QPushButton* print = window->findChild<QPushButton*>(large ? "Command6" : "cmdPrint");
        QElapsedTimer took;
        took.start();
        QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
        QVERIFY2(took.elapsed() < 3000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].contains(says.arg(printed)), qPrintable(h->messages[0]));
        QCOMPARE(QFileInfo::exists(printed), !hung);                      // a paused queue keeps the page
        QVERIFY(ReadBytes(dir.filePath("page.pdf")).startsWith("%PDF-")); // "Save as PDF…" does not wait again
        if (hung) {
            h->hung->gate.release();
            QTRY_VERIFY(h->hung->released);
            QTest::qWait(20); // the asking thread ends after the hook
            h->hung.reset();
        }
    }

    // Tab reaches the chart and the style's focus frame shows it on screen; the page printed or saved
    // as PDF and the exported chart stay as they were.
    void focusFrameOnlyOnScreen_data()
    {
        QTest::addColumn<bool>("large");
        QTest::newRow("main") << false;
        QTest::newRow("large") << true;
    }
    void focusFrameOnlyOnScreen()
    {
        QFETCH(bool, large);
        ChartView* chart = chartOf(large);
        QWidget* window = chart->window();
        const auto page = [window] {
            QImage image(window->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintWindowFitted(*window, painter, QRectF(image.rect()));
            return image;
        };
        QCoreApplication::processEvents();
        const QImage screen = chart->grab().toImage();
        const QImage paper = page();
        const QImage exported = chart->toPixmap().toImage();
        for (int tabs = 0; tabs < 40 && !chart->hasFocus(); ++tabs)
            MainHarness::pressKey(Qt::Key_Tab);
        QVERIFY(chart->hasFocus());
        const QImage focused = chart->grab().toImage();
        QVERIFY(focused != screen);
        const QRect inside = chart->rect().adjusted(4, 4, -4, -4); // a frame round the edge, nothing within
        QCOMPARE(focused.copy(inside).convertToFormat(QImage::Format_RGB32),
                 screen.copy(inside).convertToFormat(QImage::Format_RGB32));
        // On the page the chart's place shows no frame (the buttons around show their own focus).
        const QRect onPage(chart->mapTo(window, QPoint(0, 0)), chart->size());
        QCOMPARE(page().copy(onPage), paper.copy(onPage));
        QCOMPARE(chart->toPixmap().toImage(), exported);
    }

    void tooltipNamesTheDayUnderThePointer()
    {
        ChartView* chart = chartOf(false);
        const ModelState& m = h->session.model();
        const QPoint at(qRound(chart->xAxis->coordToPixel(m.N1[3])), qRound(chart->yAxis->coordToPixel(m.N2[3])));
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QCoreApplication::sendEvent(chart, &help);
        QVERIFY2(QToolTip::text().startsWith(QLatin1String("Day 3: N1 = ")), qPrintable(QToolTip::text()));
        QVERIFY(!QToolTip::text().contains(DirectionField::legend()));
        QVERIFY2(chart->accessibleDescription().endsWith(QLatin1String(" points each. ") + PlotMenu::hint()),
                 qPrintable(chart->accessibleDescription()));
        QCOMPARE(h->session.graphCycle, std::int16_t(0));
        // With the arrows on, the tooltip says how to read them.
        h->menuChoice = QStringLiteral("Direction arrows");
        openMenu(chart, Way::MenuKey);
        QCoreApplication::sendEvent(chart, &help);
        QVERIFY2(QToolTip::text().endsWith(QLatin1Char('\n') + DirectionField::legend()), qPrintable(QToolTip::text()));
    }

    // The continuous twins: drawn while the item is on (per window), and with it off the chart is
    // the same picture, pixel for pixel, as before it was ever on.
    void continuousSolutionOnlyWhileOn_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("clicks"); // chart clicks after the run: 0 phase plane, 1 N1 and dN1 vs. t,
                                         // 7 all graphs
        QTest::addColumn<int>("twins");
        QTest::newRow("main, N2 vs. N1") << false << 0 << 1;
        QTest::newRow("main, N1 and dN1 vs. t") << false << 1 << 2;
        QTest::newRow("large, isoclines") << true << 0 << 1;
        QTest::newRow("large, all graphs") << true << 7 << 4;
    }
    void continuousSolutionOnlyWhileOn()
    {
        QFETCH(bool, large);
        QFETCH(int, clicks);
        QFETCH(int, twins);
        ChartView* chart = chartOf(large);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
        const QImage before = Snapshot::of(*h, chart).chart;
        h->menuChoice = QStringLiteral("Continuous solution");
        openMenu(chart, Way::MenuKey);
        QCoreApplication::processEvents(); // the chart is rebuilt before it is painted
        QCOMPARE(chart->twinCount(), twins);
        QCOMPARE(large ? h->session.largeContinuous : h->session.mainContinuous, true);
        QCOMPARE(large ? h->session.mainContinuous : h->session.largeContinuous, false);
        // each twin holds what the equations give, day by day (here: day 10 of the last twin, the
        // trajectory's N2, the change of N1 over the day, the change of N2)
        const ContinuousSolution& s = h->session.continuousRun().solution;
        const auto data = chart->twinCurve(twins - 1)->data();
        QCOMPARE(data->size(), h->session.model().simTime + 1);
        const double expected = clicks == 0 ? s.N2[10] : clicks == 1 ? s.N1[11] - s.N1[10] : s.N2[11] - s.N2[10];
        QCOMPARE((data->constBegin() + 10)->value, expected);
        QVERIFY(chart->twinCurve(0)->name().endsWith(QLatin1String(" (continuous)")));
        QVERIFY(Snapshot::of(*h, chart).chart != before);
        openMenu(chart, Way::MenuKey);
        QVERIFY(h->menus.last().contains(QStringLiteral("Continuous solution [x]")));
        QCoreApplication::processEvents();
        QCOMPARE(chart->twinCount(), 0);
        QVERIFY(Snapshot::of(*h, chart).chart == before);
    }

    // The note on one-day steps: in the tooltip and the description for runs they mislead, never
    // for the presets and the defaults; in the chart's corner while the continuous solution is on.
    void stepNoticeWhereStepsMislead_data()
    {
        QTest::addColumn<QString>("fields"); // "field=text …" typed before the run, or "preset n"
        QTest::addColumn<QString>("notice"); // empty: none
        const QString weak = QStringLiteral("txtK1=100 txtU=0.01 txtV=0.01 txtB0=0.001 ");
        QTest::newRow("r1 2.2") << weak + "txtRrateA=2.2"
                                << "One-day steps are too coarse for r1 = 2.2: the daily run settles at N1 = 75.3, "
                                   "the equations at N1 = 99.";
        QTest::newRow("r1 2.05") << weak + "txtRrateA=2.05"
                                 << "One-day steps are too coarse for r1 = 2.05: on day 100 the daily run is at "
                                    "N1 = 89.8, the equations at N1 = 99.";
        QTest::newRow("r1 3.8, 4 days") << weak + "txtRrateA=3.8 txtSimut=4"
                                        << "One-day steps are too coarse for r1 = 3.8: on day 4 the daily run is at "
                                           "N1 = -297.2, the equations at N1 = 100.";
        QTest::newRow("r1 1.9") << weak + "txtRrateA=1.9"
                                << "";
        QTest::newRow("defaults") << ""
                                  << "";
        for (int set = 1; set <= 3; ++set)
            QTest::addRow("preset %d", set) << QStringLiteral("preset %1").arg(set) << "";
    }
    void stepNoticeWhereStepsMislead()
    {
        QFETCH(QString, fields);
        QFETCH(QString, notice);
        if (fields.startsWith(QLatin1String("preset ")))
            h->click(qPrintable("cmdUseData" + fields.mid(7)));
        for (const QString& f : fields.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList nameText = f.split(QLatin1Char('='));
            if (nameText.size() != 2)
                continue;
            h->type(qPrintable(nameText[0]), nameText[1]);
            h->enter(qPrintable(nameText[0]));
        }
        ChartView* chart = chartOf(false);
        QVERIFY(h->messages.isEmpty());
        QCOMPARE(chart->accessibleDescription().contains(QLatin1String("One-day steps")), !notice.isEmpty());
        QVERIFY(chart->accessibleDescription().contains(notice));
        // the tooltip, off the plot too
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), chart->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(chart, &help);
        QTRY_COMPARE(QToolTip::text(), notice); // (a tip taken away goes after a moment)
        QVERIFY(chart->cornerNote() == nullptr);
        h->menuChoice = QStringLiteral("Continuous solution");
        openMenu(chart, Way::MenuKey);
        QCOMPARE(chart->cornerNote() ? chart->cornerNote()->text() : QString(), notice);
        QToolTip::hideText();
    }

    // Where the equations differ on the day under the pointer, the tooltip gives their values too.
    void tooltipGivesTheContinuousValueWhereItDiffers()
    {
        const std::pair<const char*, const char*> fields[] = {
            {"txtK1", "100"}, {"txtU", "0.01"}, {"txtV", "0.01"}, {"txtRrateA", "2.2"}};
        for (const auto& [name, typed] : fields) {
            h->type(name, QString::fromLatin1(typed));
            h->enter(name);
        }
        ChartView* chart = chartOf(false);
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center()); // N1 and dN1 vs. t
        const ModelState& m = h->session.model();
        const QPoint at(qRound(chart->xAxis->coordToPixel(60)), qRound(chart->yAxis->coordToPixel(m.N1[60])));
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QCoreApplication::sendEvent(chart, &help);
        const QStringList lines = QToolTip::text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QLatin1String("Day 60: N1 = 75.3")), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QLatin1String("Continuous solution: N1 = 99.0")), qPrintable(lines[1]));
        QVERIFY(!lines[1].contains(QLatin1String("N2 ="))); // N2 differs by less than 0.1 % of K
        QToolTip::hideText();
    }

    void noMenuBeforeTheFirstRun()
    {
        ChartView* chart = h->main()->chart();
        QVERIFY(!chart->isVisible());
        QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(5, 5), chart->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(chart, &e);
        QCOMPARE(h->menus.size(), 0);
    }
};

QTEST_MAIN(TestChartMenu)
#include "tst_chartmenu.moc"
