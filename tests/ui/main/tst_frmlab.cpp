// The phase-plane lab: opened from both chart menus, its lifecycle, "Use these values" against
// what a preset writes, the sentence and the map for random constants, trajectories, keyboard only.

#include "LabPhasePlot.h"
#include "LabTexts.h"
#include "OutcomeMapPlot.h"
#include "MainSuite.h"
#include "NumberText.h"
#include "Presets.h"
#include "frmLab.h"

#include "ContinuousSolution.h"
#include "FileTrouble.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>

#include <random>

Q_DECLARE_METATYPE(ModelParameters)
Q_DECLARE_METATYPE(WindowId)

namespace {

frmLab* lab(MainHarness& h) { return h.session.windows().window<frmLab>(WindowId::Lab); }

template <class T = QWidget> T* labChild(MainHarness& h, const char* name)
{
    return lab(h) ? lab(h)->findChild<T*>(QLatin1String(name)) : nullptr;
}

/// Waits until the phase plane has drawn what it solves off the window's thread.
bool drawn(MainHarness& h)
{
    auto* plane = labChild<LabPhasePlot>(h, "picPhasePlane");
    return plane && QTest::qWaitFor([plane] { return !plane->busy(); }, 20000);
}

/// A run, then "Phase-plane lab…" from the chart menu of `from` (the main or the large window).
void openLab(MainHarness& h, WindowId from = WindowId::Main)
{
    if (!h.main()->isVisible())
        h.showMain();
    h.click("cmdRun");
    QWidget* chart = h.main()->chart();
    if (from == WindowId::Large) {
        h.click("cmdLargeGraph");
        chart = h.large()->chart();
    }
    h.menuChoice = QStringLiteral("Phase-plane lab…");
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Menu);
    h.menuChoice.clear();
    QVERIFY(lab(h) && QTest::qWaitForWindowActive(lab(h)));
    QVERIFY(drawn(h));
}

/// Sets the six spin boxes; the lab hears of the last one only, and then reads all six.
void setConstants(MainHarness& h, const ModelParameters& p)
{
    const std::pair<const char*, double> values[] = {{"spnK1", p.K1}, {"spnK2", p.K2},       {"spnR1", p.r1},
                                                     {"spnR2", p.r2}, {"spnAlpha", p.alpha}, {"spnBeta", p.beta}};
    for (const auto& [name, value] : values) {
        auto* spin = labChild<QDoubleSpinBox>(h, name);
        const QSignalBlocker quiet(name == values[5].first ? nullptr : spin);
        spin->setValue(value);
    }
}

} // namespace

class TestFrmLab : public MainSuite {
    Q_OBJECT

private slots:
    void opensFromBothChartMenus_data()
    {
        QTest::addColumn<WindowId>("from");
        QTest::newRow("main window") << WindowId::Main;
        QTest::newRow("large window") << WindowId::Large;
    }
    void opensFromBothChartMenus()
    {
        QFETCH(WindowId, from);
        h->click("cmdUseData2");
        openLab(*h, from);
        QVERIFY(lab(*h) && lab(*h)->isVisible());
        QVERIFY(!h->main()->isVisible());
        if (from == WindowId::Large)
            QVERIFY(!h->large()->isVisible());
        QCOMPARE(lab(*h)->minimumSize(), lab(*h)->maximumSize());
        // the last run's constants, its start as the first trajectory
        const PresetValues& two = preset(2);
        QCOMPARE(lab(*h)->parameters().K1, two.K1);
        QCOMPARE(labChild<QDoubleSpinBox>(*h, "spnBeta")->text(), QStringLiteral("2"));
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        QCOMPARE(plane->trajectoryCount(), 1);
        QCOMPARE(plane->trajectoryCurve(0)->data()->at(0)->key, two.n1);
        QCOMPARE(int(plane->equilibria().size()), 4);
        QVERIFY(!plane->separatrix().empty());
        QCOMPARE(labChild<QLabel>(*h, "lblOutcome")->text(), outcomeSentence(CompetitionOutcome::EitherWins));
    }

    // "Back", Escape and the window-manager close lead to the window the lab was opened from.
    void leavesBackToItsOpener_data()
    {
        QTest::addColumn<WindowId>("from");
        QTest::addColumn<QString>("how");
        for (const WindowId from : {WindowId::Main, WindowId::Large})
            for (const char* how : {"Back", "Escape", "close"})
                QTest::addRow("%s, %s", from == WindowId::Main ? "main" : "large", how)
                    << from << QString::fromLatin1(how);
    }
    void leavesBackToItsOpener()
    {
        QFETCH(WindowId, from);
        QFETCH(QString, how);
        openLab(*h, from);
        QPointer<frmLab> opened = lab(*h);
        if (how == QLatin1String("Back"))
            labChild<QPushButton>(*h, "cmdBack")->click();
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(labChild(*h, "spnK1"), Qt::Key_Escape);
        else
            QVERIFY(opened->close());
        QWidget* opener = h->session.windows().window(from);
        QVERIFY(opener && opener->isVisible());
        QVERIFY(!opened || !opened->isVisible());
        const WindowId other = from == WindowId::Main ? WindowId::Large : WindowId::Main;
        QVERIFY(!h->session.windows().isVisible(other));
    }

    // The lab works on the constants exactly as typed and hands back only what the student changed
    // in it: 0.33334 is not 0.3333 (that would be coexistence), and the fields keep their texts.
    void keepsTheStudentsConstants()
    {
        const std::pair<const char*, const char*> typed[] = {
            {"txtK1", "1e2"}, {"txtK2", "300"}, {"txtU", "0.33334"}, {"txtV", "2.5"}};
        for (const auto& [field, text] : typed) {
            h->type(field, QString::fromLatin1(text));
            h->enter(field);
        }
        openLab(*h);
        QCOMPARE(lab(*h)->parameters().alpha, 0.33334);
        QCOMPARE(labChild<QDoubleSpinBox>(*h, "spnAlpha")->text(), QStringLiteral("0.33334"));
        QCOMPARE(labChild<QLabel>(*h, "lblOutcome")->text(), outcomeSentence(CompetitionOutcome::BWins));
        // leaving the box over the text it shows keeps the value it holds
        labChild(*h, "spnAlpha")->setFocus();
        QTest::keyClick(labChild(*h, "spnAlpha"), Qt::Key_Return);
        labChild(*h, "spnBeta")->setFocus();
        QCOMPARE(lab(*h)->parameters().alpha, 0.33334);

        labChild<QPushButton>(*h, "cmdUseValues")->click();
        QVERIFY(QTest::qWaitForWindowActive(h->main()));
        for (const auto& [field, text] : typed)
            QCOMPARE(h->text(field), QString::fromLatin1(text));
        QVERIFY(!h->text("txtNA").isEmpty()); // the run stays on offer
    }

    void lifecycle()
    {
        openLab(*h);
        QPointer<frmLab> first = lab(*h);
        QVERIFY(first);
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        emit plane->startRequested(50, 50);
        QCOMPARE(plane->trajectoryCount(), 2);
        labChild<QPushButton>(*h, "cmdBack")->click();
        // hidden, kept with its trajectories, until a new run
        h->menuChoice = QStringLiteral("Phase-plane lab…");
        QTest::keyClick(h->main()->chart(), Qt::Key_Menu);
        QCOMPARE(lab(*h), first.data());
        QCOMPARE(plane->trajectoryCount(), 2);
        QVERIFY(first->close());
        QVERIFY(QTest::qWaitFor([&] { return first.isNull(); }));
        QVERIFY(h->main()->isVisible());
        openLab(*h);
        QVERIFY(lab(*h) && lab(*h) != first.data());
        QCOMPARE(labChild<LabPhasePlot>(*h, "picPhasePlane")->trajectoryCount(), 1);
    }

    // The six constants land in the fields as a preset writes them, with the states a preset leaves.
    void useTheseValues_data()
    {
        QTest::addColumn<ModelParameters>("p");
        QTest::newRow("set 3") << ModelParameters{150, 200, 2, 1, 0.2, 0.3};
        QTest::newRow("fractions") << ModelParameters{123.5, 99.25, 1.2345, 0.0625, 0.015, 1.5};
    }
    void useTheseValues()
    {
        QFETCH(ModelParameters, p);
        h->type("txtSimut", QStringLiteral("60"));
        h->enter("txtSimut");
        h->type("txtA0", QStringLiteral("7"));
        h->enter("txtA0");
        openLab(*h);
        setConstants(*h, p);
        const int runDays = h->session.model().simTime;
        labChild<QPushButton>(*h, "cmdUseValues")->click();
        QVERIFY(QTest::qWaitForWindowActive(h->main()));
        QVERIFY(!lab(*h)->isVisible());
        const auto f = [](double v) { return QString::fromStdString(formatNumber(v)); };
        QCOMPARE(h->text("txtK1"), f(p.K1));
        QCOMPARE(h->text("txtK2"), f(p.K2));
        QCOMPARE(h->text("txtU"), f(p.alpha));
        QCOMPARE(h->text("txtV"), f(p.beta));
        QCOMPARE(h->text("txtRrateA"), f(p.r1));
        QCOMPARE(h->text("txtRrateB"), f(p.r2));
        QCOMPARE(h->text("txtA0"), QStringLiteral("7"));
        QCOMPARE(h->text("txtSimut"), QStringLiteral("60"));
        QCOMPARE(h->text("txtNA"), QString());
        QCOMPARE(h->text("txtNB"), QString());
        QVERIFY(h->button("cmdRun")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), h->button("cmdRun"));
        for (const char* b : {"cmdShowN1vsN2", "cmdShowNvsT", "cmdShowDNvsT", "cmdLargeGraph"})
            QVERIFY2(!h->button(b)->isEnabled(), b);
        QVERIFY(h->button("cmdIsoclines")->isEnabled());
        QCOMPARE(int(h->session.model().simTime), runDays); // nothing run
        QCOMPARE(h->session.model().K1, 200.0);
        // Enter now runs what the lab showed
        MainHarness::pressKey(Qt::Key_Return);
        QCOMPARE(h->session.model().alpha, p.alpha);
        QCOMPARE(int(h->session.model().simTime), 60);
    }

    // The sentence and the region under the handle agree with the rule for random constants.
    void sentenceAndMapFollowTheConstants()
    {
        openLab(*h);
        auto* map = labChild<OutcomeMapPlot>(*h, "picOutcomeMap");
        auto* sentence = labChild<QLabel>(*h, "lblOutcome");
        std::mt19937 random(11);
        std::uniform_real_distribution<double> k(10.0, 1000.0), unit(0.01, 1.0);
        for (int i = 0; i < 100; ++i) {
            const double K1 = std::round(k(random)), K2 = std::round(k(random));
            const double reach = outcomeMapReach(K1, K2);
            const ModelParameters p{
                K1,  K2, std::round(unit(random) * reach * 1e4) / 1e4, std::round(unit(random) * reach * 1e4) / 1e4,
                0.2, 0.3};
            setConstants(*h, p);
            const CompetitionOutcome expected = outcomeOf(p);
            QVERIFY(expected != CompetitionOutcome::Neutral);
            QCOMPARE(sentence->text(), outcomeSentence(expected));
            QCOMPARE(map->regionAt(map->handle().x(), map->handle().y()), expected);
            QCOMPARE(map->handle(), QPointF(p.alpha, p.beta));
            QVERIFY(map->reach() >= reach);
        }
    }

    // On a boundary the lab names the winner, fills the point where runs settle and says "slowly";
    // where the isoclines lie on one another it draws the line of equilibria. The legend names
    // what is drawn, and the map's region names keep out of the handle's way.
    void boundariesAndLegend_data()
    {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("beta");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("filled"); // the equilibria drawn filled
        QTest::addColumn<QString>("extra");      // what the legend adds to the isoclines and trajectories
        QTest::newRow("alpha on K1/K2, beta above")
            << 1.0 << 2.0 << outcomeSentence(CompetitionOutcome::AWins, IsoclinesTouch::AtBAlone)
            << QStringList{"(100, 0)"} << QString();
        QTest::newRow("alpha on K1/K2, beta below")
            << 1.0 << 0.5 << outcomeSentence(CompetitionOutcome::BWins, IsoclinesTouch::AtBAlone)
            << QStringList{"(0, 100)"} << QString();
        QTest::newRow("on one another") << 1.0 << 1.0 << outcomeSentence(CompetitionOutcome::Neutral) << QStringList()
                                        << "Line of equilibria";
        QTest::newRow("the start decides") << 1.5 << 1.5 << outcomeSentence(CompetitionOutcome::EitherWins)
                                           << QStringList{"(100, 0)", "(0, 100)"} << "Separatrix";
    }
    void boundariesAndLegend()
    {
        QFETCH(double, alpha);
        QFETCH(double, beta);
        QFETCH(QString, sentence);
        QFETCH(QStringList, filled);
        QFETCH(QString, extra);
        openLab(*h);
        setConstants(*h, {100, 100, alpha, beta, 0.2, 0.3});
        QVERIFY(drawn(*h));
        QCOMPARE(labChild<QLabel>(*h, "lblOutcome")->text(), sentence);
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        QStringList drawnFilled;
        for (int i = 0; i < plane->graphCount(); ++i) {
            const QCPGraph* g = plane->graph(i);
            if (g->dataCount() == 1 && g->scatterStyle().shape() == QCPScatterStyle::ssCircle &&
                g->scatterStyle().brush().color() == Qt::black)
                drawnFilled << QStringLiteral("(%1, %2)").arg(g->data()->at(0)->key).arg(g->data()->at(0)->value);
        }
        QCOMPARE(drawnFilled, filled);
        QStringList legend;
        for (int i = 0; i < plane->legend->itemCount(); ++i)
            if (auto* item = qobject_cast<QCPPlottableLegendItem*>(plane->legend->item(i)))
                legend << item->plottable()->name();
        QStringList expected{"Isocline of A (dN1/dt = 0)", "Isocline of B (dN2/dt = 0)",
                             "Trajectories (the equations)"};
        if (!extra.isEmpty())
            expected << extra;
        legend.sort();
        expected.sort();
        QCOMPARE(legend, expected);
        // every equilibrium in words, in the display format
        QVERIFY(labChild<QLabel>(*h, "lblEquilibria")->text().contains(QStringLiteral("(100, 0): ")));

        // the handle on a region's name: the name moves aside
        auto* map = labChild<OutcomeMapPlot>(*h, "picOutcomeMap");
        map->setModel(100, 100, 0.5, 0.5);
        map->replot();
        map->replot();
        const QPointF handle(map->xAxis->coordToPixel(0.5), map->yAxis->coordToPixel(0.5));
        for (int i = 0; i < map->itemCount(); ++i)
            if (auto* text = qobject_cast<QCPItemText*>(map->item(i)); text && text->visible()) {
                const QPointF at = text->position->pixelPosition();
                QVERIFY2(std::abs(at.y() - handle.y()) > 10 || std::abs(at.x() - handle.x()) > 30,
                         qPrintable(text->text()));
            }
    }

    // Stiff constants are solved off the window's thread, and a newer change drops them: what is
    // drawn belongs to the latest constants.
    void aNewerChangeWins()
    {
        openLab(*h);
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        for (int i = 1; i < kMaxTrajectories; ++i)
            emit plane->startRequested(0.5 * i, 0.4 * i);
        setConstants(*h, {1, 99999, 1, 2, 3.5, 3.5});
        QVERIFY(plane->busy());
        const ModelParameters gentle{200, 100, 1, 0.4, 0.2, 0.3};
        setConstants(*h, gentle);
        QVERIFY(drawn(*h));
        const QPointF start = plane->starts()[3];
        const ContinuousSolution expected = solveContinuous(gentle, start.x(), start.y(), h->session.model().simTime);
        const QCPCurve* path = plane->trajectoryCurve(3);
        QCOMPARE(path->dataCount(), int(expected.N1.size()));
        QCOMPARE(path->data()->at(path->dataCount() - 1)->key, expected.N1.back());
        QVERIFY(!plane->truncated());
    }

    void trajectories()
    {
        openLab(*h);
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        QCoreApplication::processEvents();
        for (int i = 0; i < 13; ++i) {
            const QRect r = plane->axisRect()->rect();
            QTest::mouseClick(plane, Qt::LeftButton, {}, r.topLeft() + QPoint(10 + 20 * i, 10 + 15 * i));
        }
        QCOMPARE(plane->trajectoryCount(), kMaxTrajectories);
        QCOMPARE(plane->trajectoryCurve(11)->pen().color(), trajectoryColour(11));
        QVERIFY(trajectoryColour(11) != trajectoryColour(10));
        // the daily steps, as markers when chosen: day 0 is the start, T days after it
        labChild<QCheckBox>(*h, "chkDailySteps")->click();
        QVERIFY(drawn(*h));
        int curvesWithMarkers = 0;
        for (int i = 0; i < plane->plottableCount(); ++i)
            if (auto* c = qobject_cast<QCPCurve*>(plane->plottable(i));
                c && c->lineStyle() == QCPCurve::lsNone && c->dataCount() == h->session.model().simTime + 1)
                ++curvesWithMarkers;
        QCOMPARE(curvesWithMarkers, kMaxTrajectories);
        labChild<QPushButton>(*h, "cmdClear")->click();
        QCOMPARE(plane->trajectoryCount(), 0);
    }

    // Either chart as a file, the window as PDF and on the printer, through the program's writers.
    void leavesAsFiles()
    {
        QTemporaryDir dir;
        openLab(*h);
        auto* map = labChild<QWidget>(*h, "picOutcomeMap");
        h->exportAnswer = dir.filePath(QStringLiteral("map.svg"));
        h->menuChoice = QStringLiteral("Save chart as…");
        QTest::keyClick(map, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(h->exportSuggested.last(), QStringLiteral("Outcome map.png"));
        QFile svg(h->exportAnswer);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        bool ok = true;
        if (HaveTool(QStringLiteral("rsvg-convert"))) // what people open it with
            RunTool(QStringLiteral("rsvg-convert"),
                    {QStringLiteral("-o"), dir.filePath(QStringLiteral("map.png")), h->exportAnswer}, &ok);
        QVERIFY(ok && (!HaveTool(QStringLiteral("rsvg-convert")) || QImage(dir.filePath("map.png")).width() > 100));

        h->exportAnswer = dir.filePath(QStringLiteral("lab.pdf"));
        h->menuChoice = QStringLiteral("Save window as PDF…");
        QTest::keyClick(labChild<QWidget>(*h, "picPhasePlane"), Qt::Key_Menu);
        QFile pdf(h->exportAnswer);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF" && pdf.size() > 5000);
        if (HaveTool(QStringLiteral("pdftotext"))) {
            const QString text = QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {h->exportAnswer, "-"}, &ok));
            QVERIFY(ok && text.contains(QStringLiteral("Isocline of A")) &&
                    text.contains(QStringLiteral("Equilibria:")));
        }
        // the menu every chart has, and the phase plane's arrows
        QCOMPARE(h->menus.last(),
                 (QStringList{"Copy chart", "Save chart as…", "Save window as PDF…", "Save results as spreadsheet…",
                              "Direction arrows [x]", "Save scenario…", "Open scenario…", "Examples >"}));

        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        h->printTo(printed);
        labChild<QPushButton>(*h, "cmdPrint")->click();
        h->checkPrinted(printed);
        QCOMPARE(h->printJobs, QStringList{QStringLiteral("Vorlenza - phase-plane lab")});
    }

    void keyboardOnly()
    {
        openLab(*h);
        const char* order[] = {"picPhasePlane", "picOutcomeMap", "spnK1",   "spnK2",         "spnR1",
                               "spnR2",         "spnAlpha",      "spnBeta", "chkDailySteps", "cmdClear",
                               "cmdUseValues",  "cmdPrint",      "cmdBack"};
        labChild(*h, order[0])->setFocus();
        for (const char* name : order) {
            QWidget* w = labChild(*h, name);
            QVERIFY2(w && w->hasFocus(), name);
            QVERIFY2(!w->accessibleName().isEmpty() || !w->property("text").toString().isEmpty(), name);
            MainHarness::pressKey(Qt::Key_Tab);
        }
        // the handle moves by keys, and the phase plane follows
        auto* map = labChild<OutcomeMapPlot>(*h, "picOutcomeMap");
        map->setFocus();
        const QPointF before = map->handle();
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(map, Qt::Key_Right);
        QTest::keyClick(map, Qt::Key_Up);
        const double step = map->reach() / 100.0;
        QVERIFY(std::abs(map->handle().x() - (before.x() + 30 * step)) < 1e-3);
        QVERIFY(std::abs(map->handle().y() - (before.y() + step)) < 1e-3);
        QCOMPARE(lab(*h)->parameters().alpha, labChild<QDoubleSpinBox>(*h, "spnAlpha")->value());
        QCOMPARE(labChild<LabPhasePlot>(*h, "picPhasePlane")->parameters().alpha, lab(*h)->parameters().alpha);
        QCOMPARE(labChild<QLabel>(*h, "lblOutcome")->text(), outcomeSentence(CompetitionOutcome::BWins));
        // a trajectory from the keyboard cursor
        auto* plane = labChild<LabPhasePlot>(*h, "picPhasePlane");
        plane->setFocus();
        const QPointF at = plane->cursor();
        QTest::keyClick(plane, Qt::Key_Left);
        // the cursor says where it is and the equilibrium nearest to it, on screen and to screen readers
        QVERIFY(plane->accessibleDescription().contains(plane->cursorText()));
        QVERIFY(labChild<QLabel>(*h, "lblEquilibria")->text().contains(plane->cursorText()));
        QTest::keyClick(plane, Qt::Key_Return);
        QCOMPARE(plane->trajectoryCount(), 2);
        QVERIFY(drawn(*h));
        QVERIFY(plane->trajectoryCurve(1)->data()->at(0)->key < at.x());
    }
};

QTEST_MAIN(TestFrmLab)
#include "tst_frmlab.moc"
