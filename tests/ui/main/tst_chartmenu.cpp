// The chart's menu and tooltip in both graph windows: the three ways to open the menu, that it
// changes nothing, each of its items, and "Save as PDF…" after a failed print.

#include "ChartActions.h"
#include "ChartExport.h"
#include "DirectionField.h"
#include "FileTrouble.h"
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

const QStringList kPhasePlaneMenu{"Copy chart", "Save chart as…", "Save window as PDF…", "Direction arrows [ ]"};

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
        return cycle == o.cycle && largeCycle == o.largeCycle && n1 == o.n1 && commands == o.commands && chart == o.chart;
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
        QCOMPARE(h->menus.last(), (QStringList{"Copy chart", "Save chart as…", "Save window as PDF…"}));
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center()); // to N2 vs. N1
        QVERIFY(findDirectionField(*chart) != nullptr);
        openMenu(chart, Way::MenuKey);
        QCOMPARE(h->menus.last().last(), QStringLiteral("Direction arrows [x]"));

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
        QCOMPARE(QFileInfo::exists(printed), !hung); // a paused queue keeps the page
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
        QVERIFY2(chart->accessibleDescription().endsWith(QLatin1String(" points each. ") + ChartActions::menuHint()),
                 qPrintable(chart->accessibleDescription()));
        QCOMPARE(h->session.graphCycle, std::int16_t(0));
        // With the arrows on, the tooltip says how to read them.
        h->menuChoice = QStringLiteral("Direction arrows");
        openMenu(chart, Way::MenuKey);
        QCoreApplication::sendEvent(chart, &help);
        QVERIFY2(QToolTip::text().endsWith(QLatin1Char('\n') + DirectionField::legend()), qPrintable(QToolTip::text()));
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
