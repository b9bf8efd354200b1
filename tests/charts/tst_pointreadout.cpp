// Values under the pointer: the day under it on a time chart, the nearest point of the run on a
// phase plane, and what the tooltip says about it.

#include "ChartDefinition.h"
#include "ChartView.h"
#include "ModelFixtures.h"
#include "PointReadout.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)

namespace {

const QSize kLargeChart(775, 532);
const double NaN = std::numeric_limits<double>::quiet_NaN();

using Points = std::vector<QPointF>;

} // namespace

class TestPointReadout : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelState> m_run;

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        m_run = CompletedRun("100");
    }

    void nearestPointOverAllSeries_data()
    {
        QTest::addColumn<std::vector<Points>>("series");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<int>("seriesFound");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("distance");
        const Points line{{0, 0}, {10, 0}, {20, 0}, {30, 0}};
        const Points above{{0, 10}, {10, 10}, {20, 10}, {30, 10}};
        QTest::newRow("on a point") << std::vector<Points>{line} << QPointF(20, 0) << 0 << 2 << 0.0;
        QTest::newRow("between, nearer the right") << std::vector<Points>{line} << QPointF(16, 3) << 0 << 2 << 5.0;
        QTest::newRow("second series nearer") << std::vector<Points>{line, above} << QPointF(30, 7) << 1 << 3 << 3.0;
        QTest::newRow("a tie goes to the earlier")
            << std::vector<Points>{line, above} << QPointF(10, 5) << 0 << 1 << 5.0;
        QTest::newRow("far outside still finds one")
            << std::vector<Points>{line} << QPointF(-300, -400) << 0 << 0 << 500.0;
        QTest::newRow("gaps are skipped")
            << std::vector<Points>{{{NaN, NaN}, {3, 4}, {0, NaN}}} << QPointF(0, 0) << 0 << 1 << 5.0;
        QTest::newRow("no points") << std::vector<Points>{{}, {}} << QPointF(0, 0) << -1 << -1 << 0.0;
        QTest::newRow("only gaps") << std::vector<Points>{{{NaN, 1}}} << QPointF(0, 0) << -1 << -1 << 0.0;
    }
    void nearestPointOverAllSeries()
    {
        QFETCH(std::vector<Points>, series);
        QFETCH(QPointF, pointer);
        QFETCH(int, seriesFound);
        QFETCH(int, index);
        QFETCH(double, distance);
        const NearestPoint p = findNearestPoint(series, pointer);
        QCOMPARE(p.series, seriesFound);
        QCOMPARE(p.index, index);
        QCOMPARE(p.found(), seriesFound >= 0);
        if (p.found())
            QCOMPARE(p.distance, distance);
    }

    void onlyTheRunIsLookedUp_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<QVector<int>>("series");
        for (ChartProcedure p : allChartProcedures()) {
            const ChartDefinition& d = definitionOf(p);
            QVector<int> expected;
            // the isocline charts have their trajectory third, after both isoclines
            if (d.columns == 6)
                expected = {2};
            else
                for (int k = 0; k < int(d.series.size()); ++k)
                    expected << k;
            QTest::newRow(qPrintable(procedureName(p) + QString::number(int(p)))) << p << expected;
        }
    }
    void onlyTheRunIsLookedUp()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(QVector<int>, series);
        const std::vector<int> run = runSeriesOf(definitionOf(procedure));
        QCOMPARE(QVector<int>(run.begin(), run.end()), series);
    }

    void tooltipNamesTheNearestDay_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<double>("x"); // the point aimed at, in chart coordinates
        QTest::addColumn<double>("y");
        QTest::addColumn<QPointF>("offset"); // pixels from it
        QTest::addColumn<int>("day");
        const ModelState& s = *m_run;
        QTest::newRow("time chart, on N1 of day 37")
            << ChartProcedure::LargeShowN1andN2vsT << 37.0 << s.N1[37] << QPointF(0, 0) << 37;
        QTest::newRow("time chart, beside N2 of day 80")
            << ChartProcedure::LargeShowN1andN2vsT << 80.0 << s.N2[80] << QPointF(1, -2) << 80;
        QTest::newRow("all graphs, on dN2 of day 5")
            << ChartProcedure::LargeShowAllGraphs << 5.0 << s.dN2[5] << QPointF(0, 1) << 5;
        // On a time chart the day under the pointer, however far the curves are.
        QTest::newRow("time chart, day 17.4 below both curves")
            << ChartProcedure::LargeShowN1andN2vsT << 17.4 << 0.0 << QPointF(0, 0) << 17;
        QTest::newRow("time chart, day 62.6 far above them")
            << ChartProcedure::LargeShowN1andN2vsT << 62.6 << 190.0 << QPointF(0, 0) << 63;
        QTest::newRow("changes, day 99.7: the last day")
            << ChartProcedure::LargeShowdNvsT << 99.7 << 0.0 << QPointF(0, 0) << 100;
        QTest::newRow("main window, day 3.6 away from both")
            << ChartProcedure::MainShowN2anddN2vsT << 3.6 << 45.0 << QPointF(0, 0) << 4;
        QTest::newRow("phase plane, day 0")
            << ChartProcedure::MainShowN1vsN2 << s.N1[0] << s.N2[0] << QPointF(-6, 4) << 0;
        QTest::newRow("phase plane, day 12")
            << ChartProcedure::LargeShowN2vsN1inLine << s.N1[12] << s.N2[12] << QPointF(0, 0) << 12;
        QTest::newRow("isoclines, on the trajectory's day 20")
            << ChartProcedure::LargeShowN2vsN1withIsoclines << s.N1[20] << s.N2[20] << QPointF(0, 0) << 20;
    }
    void tooltipNamesTheNearestDay()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPointF, offset);
        QFETCH(int, day);
        ChartView view;
        view.resize(kLargeChart);
        view.show();
        drawChart(view, procedure, *m_run);
        view.replot();
        const QPointF pointer = QPointF(view.xAxis->coordToPixel(x), view.yAxis->coordToPixel(y)) + offset;
        QCOMPARE(nearestDayAt(view, definitionOf(procedure), pointer), day);
    }

    void isoclinePointsAreNeverNamed()
    {
        ChartView view;
        view.resize(kLargeChart);
        view.show();
        const ChartProcedure p = ChartProcedure::LargeShowN2vsN1withIsoclines;
        drawChart(view, p, *m_run);
        view.replot();
        // Right on isocline A's first point (0, K1 / alpha) = (0, 200), which would read as index 0:
        // the trajectory's nearest day there is on its way up to N2 = 70, not day 0 at (10, 10).
        const QPointF onIsocline(view.xAxis->coordToPixel(0.0), view.yAxis->coordToPixel(200.0));
        const int day = nearestDayAt(view, definitionOf(p), onIsocline);
        QVERIFY2(day >= 5 && day <= 30, qPrintable(QString::number(day)));
        // The chart before any data has nothing to name.
        ChartView empty;
        QCOMPARE(nearestDayAt(empty, definitionOf(p), QPointF(10, 10)), -1);
    }

    void tooltipTextInTheNumberFormat_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::newRow("populations") << ChartProcedure::MainShowN1andN2vsT << 100
                                     << "Day 100: N1 = 165.312022539161, N2 = 34.3083574265073";
        QTest::newRow("species A") << ChartProcedure::LargeShowN1anddN1vsT << 37
                                   << "Day 37: N1 = 133.36208942063, dN1 = 1.85414941833414";
        QTest::newRow("species B, negative change")
            << ChartProcedure::MainShowN2anddN2vsT << 37 << "Day 37: N2 = 52.319800003866, dN2 = -0.871895055073111";
        QTest::newRow("changes") << ChartProcedure::LargeShowdNvsT << 0 << "Day 0: dN1 = 1.936158, dN2 = 2.850549";
        QTest::newRow("all graphs") << ChartProcedure::MainShowAllGraphs << 0
                                    << "Day 0: N1 = 10, dN1 = 1.936158, N2 = 10, dN2 = 2.850549";
        QTest::newRow("phase plane") << ChartProcedure::MainShowN1vsN2 << 37
                                     << "Day 37: N1 = 133.36208942063, N2 = 52.319800003866";
        QTest::newRow("isoclines: no isocline values")
            << ChartProcedure::MainShowN2vsN1withIsoclines << 0 << "Day 0: N1 = 10, N2 = 10";
    }
    void tooltipTextInTheNumberFormat()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(int, day);
        QFETCH(QString, text);
        QCOMPARE(pointReadout(definitionOf(procedure), *m_run, day), text);
    }

    void numberFormatIgnoresTheLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = pointReadout(definitionOf(ChartProcedure::MainShowN1vsN2), *m_run, 1);
        QLocale::setDefault(before);
        QCOMPARE(text, QStringLiteral("Day 1: N1 = 11.936158, N2 = 12.850549"));
    }
};

QTEST_MAIN(TestPointReadout)
#include "tst_pointreadout.moc"
