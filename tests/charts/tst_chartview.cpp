// The real chart widget after each chart procedure: series, points, styles, titles, legend, axis
// ranges, clicks; and PNG pictures of every chart kind written into the build tree.

#include "ChartExpectations.h"
#include "ChartView.h"
#include "LabPhasePlot.h"
#include "LabTexts.h"
#include "OutcomeMapPlot.h"
#include "ModelFixtures.h"
#include "NumberText.h"

#include <QScopeGuard>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)

namespace {

const QSize kLargeChart(775, 532); // 11628 x 7980 twips
const QSize kMainChart(340, 276);  // 5100 x 4140 twips

/// A shown chart at a window's size, drawn and replotted so that its layout is final.
struct Chart {
    ChartView view;
    explicit Chart(QSize size = kLargeChart)
    {
        view.resize(size);
        view.show();
    }
    void draw(ChartProcedure p, const ModelState& state)
    {
        drawChart(view, p, state);
        view.replot();
    }
};

bool isMarkerSeries(const QCPCurve* c)
{
    return c->lineStyle() == QCPCurve::lsNone && c->scatterStyle().shape() == QCPScatterStyle::ssSquare;
}

bool isLineSeries(const QCPCurve* c)
{
    return c->lineStyle() == QCPCurve::lsLine && c->pen().style() == Qt::SolidLine &&
           c->scatterStyle().shape() == QCPScatterStyle::ssNone;
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool pureRed(QColor c) { return c.red() > 230 && c.green() < 40 && c.blue() < 40; }
bool pureBlue(QColor c) { return c.blue() > 230 && c.red() < 40 && c.green() < 40; }

} // namespace

class TestChartView : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelState> m_run;

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        m_run = CompletedRun("100");
    }

    void everyProcedureBuildsItsChart_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        for (const Expected& e : expectations())
            QTest::newRow(rowName(e).constData()) << e.procedure;
    }

    void everyProcedureBuildsItsChart()
    {
        QFETCH(ChartProcedure, procedure);
        const Expected& e = expectationFor(procedure);
        const std::vector<SeriesExpectation> series = seriesOf(e);

        // At the main window's size, after the chart with the most series and then a phase plane, so
        // that any series, style or range left over would show.
        Chart chart(kMainChart);
        chart.draw(ChartProcedure::LargeShowAllGraphs, *m_run);
        chart.draw(ChartProcedure::MainShowN1vsN2, *m_run);
        chart.draw(procedure, *m_run);
        ChartView& v = chart.view;

        QCOMPARE(v.seriesCount(), int(series.size()));
        QCOMPARE(v.plottableCount(), int(series.size()));
        for (int k = 1; k <= v.seriesCount(); ++k) {
            const QCPCurve* c = v.seriesCurve(k);
            const QString style = series[std::size_t(k - 1)].style;
            QCOMPARE(c->dataCount(), 101);
            QCOMPARE(c->data()->at(0)->t, 0.0);
            if (style == QLatin1String("M")) {
                // filled red squares of 6 px with a black solid outline of 1 px, no line
                QVERIFY2(isMarkerSeries(c), qPrintable(QStringLiteral("series %1").arg(k)));
                const QCPScatterStyle s = c->scatterStyle();
                QCOMPARE(s.size(), 6.0);
                QCOMPARE(s.pen().color(), QColor(Qt::black));
                QCOMPARE(s.pen().widthF(), 1.0);
                QCOMPARE(s.pen().style(), Qt::SolidLine);
                QCOMPARE(s.brush().color(), QColor(255, 0, 0));
            } else if (style == QLatin1String("ML")) {
                QCOMPARE(c->lineStyle(), QCPCurve::lsLine);
                QVERIFY(c->scatterStyle().shape() != QCPScatterStyle::ssNone);
            } else { // lines; unstyled series start out as plain lines too
                QVERIFY2(isLineSeries(c), qPrintable(QStringLiteral("series %1").arg(k)));
            }
        }
        QCOMPARE(v.titleElement()->text(), QString::fromUtf8(e.title));
        QCOMPARE(v.yAxis->label(), QString::fromUtf8(e.yTitle));
        QCOMPARE(v.xAxis->label(), QString::fromUtf8(e.xTitle));
        QCOMPARE(v.legendOnChart(), e.legend);
        QCOMPARE(v.legend->visible(), e.legend);
        if (e.legend) {
            QVERIFY(v.legend->outerRect().left() >= v.axisRect()->outerRect().right());
            QCOMPARE(v.legend->itemCount(), 2);
        }
        // The axis ranges hold every point, markers whole.
        const QRect plot = v.axisRect()->rect();
        for (int k = 1; k <= v.seriesCount(); ++k) {
            const QCPCurve* c = v.seriesCurve(k);
            const double half = c->scatterStyle().isNone() ? 0.0 : c->scatterStyle().size() / 2.0;
            for (auto it = c->data()->constBegin(); it != c->data()->constEnd(); ++it) {
                const double px = v.xAxis->coordToPixel(it->key), py = v.yAxis->coordToPixel(it->value);
                QVERIFY2(px - half >= plot.left() && px + half <= plot.right() && py - half >= plot.top() &&
                             py + half <= plot.bottom(),
                         qPrintable(QStringLiteral("series %1 day %2 falls outside the plot").arg(k).arg(it->t)));
            }
        }
    }

    void oneDayRunGivesTwoPointsPerSeries()
    {
        auto run = CompletedRun("1");
        Chart chart;
        chart.draw(ChartProcedure::LargeShowN2vsN1withIsoclines, *run);
        QCOMPARE(chart.view.seriesCount(), 3);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(chart.view.seriesCurve(k)->dataCount(), 2);
        const auto a = chart.view.seriesCurve(1)->data();
        QCOMPARE(a->at(0)->key, 0.0);
        QCOMPARE(a->at(0)->value, run->K1 / run->alpha);
        QCOMPARE(a->at(1)->key, run->K1);
        QCOMPARE(a->at(1)->value, 0.0);
        const auto trajectory = chart.view.seriesCurve(3)->data();
        QCOMPARE(trajectory->at(1)->key, run->N1[1]);
        QCOMPARE(trajectory->at(1)->value, run->N2[1]);
    }

    void switchingFromEightColumnsToTwoLeavesNothingBehind()
    {
        Chart chart;
        chart.draw(ChartProcedure::MainShowN2anddN2vsT, *m_run); // legend on
        chart.draw(ChartProcedure::LargeShowAllGraphs, *m_run);
        chart.draw(ChartProcedure::LargeShowN2vsN1, *m_run);
        ChartView& v = chart.view;
        QCOMPARE(v.seriesCount(), 1);
        QCOMPARE(v.plottableCount(), 1);
        QVERIFY(!v.legendOnChart());
        QCOMPARE(v.plotLayout()->columnCount(), 1);
        // The day axis 0..100 must not survive: X now spans N1, which starts at 10.
        double lo = m_run->N1[0], hi = lo;
        for (int t = 0; t <= 100; ++t) {
            lo = std::min(lo, m_run->N1[t]);
            hi = std::max(hi, m_run->N1[t]);
        }
        QVERIFY(v.xAxis->range().lower > 0.0);
        QVERIFY(v.xAxis->range().lower < lo && v.xAxis->range().upper > hi);
        QVERIFY(v.xAxis->range().size() < (hi - lo) * 1.2);
    }

    void mainChangesChartDrawsDN1InBlue()
    {
        Chart large, main;
        large.draw(ChartProcedure::LargeShowdNvsT, *m_run);
        main.draw(ChartProcedure::MainShowdNvsT, *m_run);
        QCOMPARE(main.view.seriesCurve(1)->pen().color(), QColor(0, 0, 255));
        QVERIFY(large.view.seriesCurve(1)->pen().color() != QColor(0, 0, 255));
        QCOMPARE(main.view.seriesCurve(2)->pen().color(), large.view.seriesCurve(2)->pen().color());
        QVERIFY(countPixels(main.view.grab().toImage(), pureBlue) > 100);
        QCOMPARE(countPixels(large.view.grab().toImage(), pureBlue), 0);

        // No chart sets the line colour back, so the first series stays blue on this chart.
        main.draw(ChartProcedure::MainShowN1andN2vsT, *m_run);
        QCOMPARE(main.view.seriesCurve(1)->pen().color(), QColor(0, 0, 255));
    }

    void mainN2ChartCarriesMarkersAndALegend()
    {
        Chart chart(kMainChart);
        chart.draw(ChartProcedure::MainShowN1vsN2, *m_run); // what the Run command leaves
        chart.draw(ChartProcedure::MainShowN2anddN2vsT, *m_run);
        ChartView& v = chart.view;
        const QCPCurve* n2 = v.seriesCurve(1);
        QCOMPARE(n2->scatterStyle().brush().color(), QColor(255, 0, 0));
        QCOMPARE(qobject_cast<QCPPlottableLegendItem*>(v.legend->item(0))->plottable(), v.seriesCurve(1));
        QCOMPARE(v.seriesCurve(1)->name(), QStringLiteral("N2"));
        QCOMPARE(v.seriesCurve(2)->name(), QStringLiteral("dN2"));
        QVERIFY(isLineSeries(v.seriesCurve(2)));

        chart.draw(ChartProcedure::MainShowN1anddN1vsT, *m_run);
        QVERIFY(!v.legendOnChart());
        QVERIFY(isLineSeries(v.seriesCurve(1)));
    }

    void unstyledSeriesKeepTheLookTheChartHolds()
    {
        Chart chart;
        chart.draw(ChartProcedure::LargeShowAllGraphs, *m_run);
        ChartView& v = chart.view;
        QCOMPARE(v.seriesCurve(3)->pen().color(), QColor(0, 128, 0));
        QCOMPARE(v.seriesCurve(4)->pen().color(), QColor(255, 140, 0));

        // Right after the isocline chart the third series still has the trajectory's red squares...
        chart.draw(ChartProcedure::LargeShowN2vsN1withIsoclines, *m_run);
        chart.draw(ChartProcedure::LargeShowAllGraphs, *m_run);
        QVERIFY(isMarkerSeries(v.seriesCurve(3)));
        QCOMPARE(v.seriesCurve(4)->pen().color(), QColor(255, 140, 0));
        QVERIFY(isLineSeries(v.seriesCurve(1)) && isLineSeries(v.seriesCurve(2)));

        // ...but a chart with fewer series in between lets it start afresh.
        chart.draw(ChartProcedure::LargeShowN2vsN1, *m_run);
        chart.draw(ChartProcedure::LargeShowAllGraphs, *m_run);
        QVERIFY(isLineSeries(v.seriesCurve(3)));
        QCOMPARE(v.seriesCurve(3)->pen().color(), QColor(0, 128, 0));
    }

    void gridTicksAndFonts()
    {
        QCustomPlot plain;
        const QPen xGridBefore = plain.xAxis->grid()->pen();
        Chart chart;
        chart.draw(ChartProcedure::LargeShowN1andN2vsT, *m_run);
        ChartView& v = chart.view;
        QCOMPARE(v.yAxis->grid()->pen().style(), Qt::SolidLine);
        QCOMPARE(v.yAxis->grid()->pen().color(), QColor(Qt::black));
        QCOMPARE(v.xAxis->grid()->pen(), xGridBefore);
        for (QCPAxis* axis : {v.xAxis, v.yAxis}) {
            QCOMPARE(axis->tickLengthIn(), 0);
            QVERIFY(axis->tickLengthOut() > 0);
            QCOMPARE(axis->labelFont().family(), QStringLiteral("Arial")); // the name the set-up gives
            QCOMPARE(axis->labelFont().pixelSize(), 13);
            QCOMPARE(axis->scaleType(), QCPAxis::stLinear);
        }
        QCOMPARE(v.titleElement()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(v.titleElement()->font().pixelSize(), 13);
        QVERIFY(v.titleElement()->outerRect().bottom() <= v.axisRect()->outerRect().top());
    }

    // Tick labels write numbers as the fields and result boxes do in every language: a point and
    // no grouping ("0.5" and "10000" under a German locale, not "0,5" and "10.000").
    // The lab's plots are plain QCustomPlots: they write their ticks the same way.
    void labTicksWriteNumbersTheProgramsWay()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        LabPhasePlot phase;
        OutcomeMapPlot map;
        for (QCustomPlot* plot : {static_cast<QCustomPlot*>(&phase), static_cast<QCustomPlot*>(&map)}) {
            plot->resize(400, 300);
            plot->xAxis->setRange(0.0, 2.5);
            plot->replot();
            const QVector<QString> labels = plot->xAxis->tickVectorLabels();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QString& l) { return l.contains('.'); }));
            QVERIFY(std::none_of(labels.begin(), labels.end(), [](const QString& l) { return l.contains(','); }));
        }
    }

    void tickLabelsWriteNumbersTheProgramsWay()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        FieldTexts small; // populations below 2, so that the ticks go in halves
        small.simut = "9999";
        small.K1 = "2";
        small.K2 = "1.5";
        small.a0 = "0.1";
        small.b0 = "0.1";
        const std::unique_ptr<ModelState> run = CompletedRun(small);
        Chart chart;
        chart.draw(ChartProcedure::LargeShowN1andN2vsT, *run);
        int fractions = 0;
        double largest = 0.0;
        for (QCPAxis* axis : {chart.view.xAxis, chart.view.yAxis}) {
            const QVector<double> ticks = axis->tickVector();
            const QVector<QString> labels = axis->tickVectorLabels();
            QCOMPARE(labels.size(), ticks.size());
            for (qsizetype i = 0; i < ticks.size(); ++i) {
                QVERIFY2(!labels[i].contains(QLatin1Char(',')), qPrintable(labels[i]));
                QCOMPARE(NumericPrefix(labels[i].toStdString()), ticks[i]);
                fractions += labels[i].contains(QLatin1Char('.')) ? 1 : 0;
                largest = std::max(largest, ticks[i]);
            }
        }
        QVERIFY(fractions > 0);
        QVERIFY(largest >= 1000.0);
    }

    void leftClickAnywhereEmitsClicked()
    {
        Chart chart;
        chart.draw(ChartProcedure::LargeShowN2vsN1, *m_run);
        QSignalSpy spy(&chart.view, &ChartView::clicked);
        const QRect r = chart.view.rect();
        for (QPoint p : {r.center(), QPoint(2, 2), chart.view.titleElement()->outerRect().center(),
                         QPoint(r.right() - 2, r.bottom() - 2)})
            QTest::mouseClick(&chart.view, Qt::LeftButton, {}, p);
        QCOMPARE(spy.count(), 4);
        QTest::mouseClick(&chart.view, Qt::RightButton, {}, r.center());
        QCOMPARE(spy.count(), 4);
        // A press that leaves the chart before the button comes up is no click.
        QTest::mousePress(&chart.view, Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(&chart.view, Qt::LeftButton, {}, QPoint(r.right() + 40, r.center().y()));
        QCOMPARE(spy.count(), 4);
        // A double click (press, release, double-click press, release) steps once, not twice.
        using E = QEvent;
        for (E::Type type :
             {E::MouseButtonPress, E::MouseButtonRelease, E::MouseButtonDblClick, E::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == E::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, r.center(), chart.view.mapToGlobal(r.center()), Qt::LeftButton, held, {});
            QApplication::sendEvent(&chart.view, &event);
        }
        QCOMPARE(spy.count(), 5);
    }

    void settingsWithoutCommitReachTheScreen()
    {
        Chart chart;
        chart.draw(ChartProcedure::LargeShowN2vsN1, *m_run);
        chart.view.setTitleText(QStringLiteral("changed"));
        chart.view.setSeriesLineShown(1, true);
        QTRY_COMPARE(chart.view.titleElement()->text(), QStringLiteral("changed"));
        QCOMPARE(chart.view.seriesCurve(1)->lineStyle(), QCPCurve::lsLine);
    }

    void aNewChartIsNotReplottedWhileNobodySeesIt()
    {
        // The main window's chart is made hidden at start-up: replotting it then only costs time.
        ChartView view;
        view.resize(kMainChart);
        QSignalSpy replots(&view, &QCustomPlot::afterReplot);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(replots.count(), 0);
    }

    void aNewChartIsDrawnWhenItFirstAppears_data()
    {
        QTest::addColumn<bool>("shown"); // else grabbed while hidden, as a window is printed
        QTest::newRow("shown") << true;
        QTest::newRow("grabbed hidden") << false;
    }
    void aNewChartIsDrawnWhenItFirstAppears()
    {
        QFETCH(bool, shown);
        // the empty chart replotted by hand: what the first picture must be
        ChartView reference;
        reference.resize(kMainChart);
        reference.replot();
        const QImage expected = reference.grab().toImage();
        QVERIFY(countPixels(expected, [](QColor c) { return c.lightness() < 128; }) > 100); // axes, ticks

        ChartView view;
        view.resize(kMainChart);
        QSignalSpy replots(&view, &QCustomPlot::afterReplot);
        if (shown) {
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
        const QImage first = view.grab().toImage();
        QVERIFY(replots.count() >= 1);
        QCOMPARE(first, expected);
    }

    void aChangeRightAfterMakingIsReplotted_data()
    {
        QTest::addColumn<bool>("committed");
        QTest::newRow("committed") << true;
        QTest::newRow("a setting alone") << false;
    }
    void aChangeRightAfterMakingIsReplotted()
    {
        QFETCH(bool, committed);
        ChartView view; // not shown: nothing else replots it
        view.resize(kMainChart);
        QSignalSpy replots(&view, &QCustomPlot::afterReplot);
        view.setTitleText(QStringLiteral("made and changed"));
        if (committed)
            view.commit();
        QTRY_COMPARE(replots.count(), 1);
        QCOMPARE(view.titleElement()->text(), QStringLiteral("made and changed"));
    }

    void sameProcedureTwiceGivesTheSamePicture()
    {
        Chart chart;
        chart.draw(ChartProcedure::MainShowN2vsN1withIsoclines, *m_run);
        const QImage first = chart.view.grab().toImage();
        chart.draw(ChartProcedure::MainShowN2vsN1withIsoclines, *m_run);
        QCOMPARE(chart.view.grab().toImage(), first);
    }

    void printingRightAfterDrawingShowsTheFinishedChart()
    {
        ChartView view; // never shown, no events processed: the way a print path may meet it
        view.resize(kLargeChart);
        drawChart(view, ChartProcedure::LargeShowN2vsN1, *m_run);
        QImage page(kLargeChart, QImage::Format_ARGB32);
        page.fill(Qt::white);
        QCPPainter painter(&page);
        view.toPainter(&painter, page.width(), page.height());
        painter.end();
        QVERIFY(countPixels(page, pureRed) > 100);
    }

    void skippingHiddenPointsKeepsThePicture_data()
    {
        QTest::addColumn<ChartProcedure>("before");
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<QString>("days");
        using P = ChartProcedure;
        for (const char* days : {"100", "9999"}) {
            QTest::addRow("points, %s days", days) << P::LargeShowN2vsN1 << P::LargeShowN2vsN1 << days;
            QTest::addRow("line, %s days", days) << P::LargeShowN2vsN1 << P::LargeShowN2vsN1inLine << days;
            QTest::addRow("isoclines, %s days", days) << P::LargeShowN2vsN1 << P::LargeShowN2vsN1withIsoclines << days;
            QTest::addRow("changes, %s days", days) << P::LargeShowN2vsN1 << P::LargeShowdNvsT << days;
            QTest::addRow("species B with markers, %s days", days)
                << P::MainShowN1vsN2 << P::MainShowN2anddN2vsT << days;
            QTest::addRow("all graphs after isoclines, %s days", days)
                << P::LargeShowN2vsN1withIsoclines << P::LargeShowAllGraphs << days;
        }
    }

    void skippingHiddenPointsKeepsThePicture()
    {
        QFETCH(ChartProcedure, before);
        QFETCH(ChartProcedure, procedure);
        QFETCH(QString, days);
        auto run = CompletedRun(days.toLatin1().constData());
        QImage pictures[2];
        for (int every = 0; every < 2; ++every) {
            Chart chart;
            chart.view.setDrawEveryPoint(every == 1);
            chart.draw(before, *run);
            chart.draw(procedure, *run);
            pictures[every] = chart.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        int differing = 0;
        for (int y = 0; y < pictures[0].height(); ++y)
            for (int x = 0; x < pictures[0].width(); ++x) {
                const QColor a = pictures[0].pixelColor(x, y), b = pictures[1].pixelColor(x, y);
                differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                       std::abs(a.blue() - b.blue())}) > 64;
            }
        QVERIFY2(differing <= pictures[0].width() * pictures[0].height() / 5000,
                 qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

    void rendersEveryChartKind()
    {
        const QDir dir(QStringLiteral(CHART_RENDER_DIR));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        using P = ChartProcedure;
        auto longRun = CompletedRun("9999");
        struct Render {
            const char* file;
            P procedure;
            QSize size = kLargeChart;
            P before = procedure;
            const ModelState* state = nullptr; // the default run of 100 days
        };
        const Render renders[] = {
            {"1-points", P::LargeShowN2vsN1},
            {"2-line", P::LargeShowN2vsN1inLine},
            {"3-isoclines", P::LargeShowN2vsN1withIsoclines},
            {"4-populations", P::LargeShowN1andN2vsT},
            {"5-changes", P::LargeShowdNvsT},
            {"6-species-a", P::LargeShowN1anddN1vsT},
            {"7-species-b", P::LargeShowN2anddN2vsT},
            {"8-all-graphs", P::LargeShowAllGraphs},
            {"main-points", P::MainShowN1vsN2, kMainChart},
            {"main-changes", P::MainShowdNvsT, kMainChart, P::MainShowN1vsN2},
            {"main-species-b", P::MainShowN2anddN2vsT, kMainChart, P::MainShowN1vsN2},
            {"main-all-graphs-after-isoclines", P::MainShowAllGraphs, kMainChart, P::MainShowN2vsN1withIsoclines},
            {"9999-points", P::LargeShowN2vsN1, kLargeChart, P::LargeShowN2vsN1, longRun.get()},
            {"9999-all-graphs-after-isoclines", P::LargeShowAllGraphs, kLargeChart, P::LargeShowN2vsN1withIsoclines,
             longRun.get()},
        };
        for (const Render& r : renders) {
            Chart chart(r.size);
            const ModelState& state = r.state ? *r.state : *m_run;
            chart.draw(r.before, state);
            chart.draw(r.procedure, state);
            const QImage image = chart.view.grab().toImage();
            QCOMPARE(image.size(), r.size);
            QVERIFY(countPixels(image, [](QColor c) { return c.lightness() < 128; }) > 500); // not blank
            QVERIFY(image.save(dir.filePath(QStringLiteral("chart-%1.png").arg(QLatin1String(r.file)))));
        }
    }
};

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
