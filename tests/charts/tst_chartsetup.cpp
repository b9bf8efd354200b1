// The common chart set-up and every chart definition, checked on a recording component:
// every setting in its order with its value, then the data cell by cell.

#include "ChartDefinition.h"
#include "ChartExpectations.h"
#include "ChartProcedures.h"
#include "ModelFixtures.h"
#include "RecordingChart.h"

#include <QtTest>

#include <memory>
#include <set>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)

namespace {

double valueOf(const ModelState& s, const QString& source, int t)
{
    if (source == QLatin1String("t"))
        return t;
    const std::pair<const char*, const ModelState::Series*> sources[] = {
        {"N1", &s.N1},         {"N2", &s.N2},         {"dN1", &s.dN1},       {"dN2", &s.dN2},
        {"AX", &s.isoclineAX}, {"AY", &s.isoclineAY}, {"BX", &s.isoclineBX}, {"BY", &s.isoclineBY}};
    for (const auto& [name, series] : sources)
        if (source == QLatin1String(name))
            return (*series)[static_cast<std::size_t>(t)];
    qFatal("unknown source");
}

QStringList split(const char* steps) { return QString::fromUtf8(steps).split(QLatin1Char('|')); }

/// The settings every procedure makes, in their order, with the definition's values filled in.
QStringList expectedSteps(const Expected& e, int n)
{
    const auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    QStringList s;
    s << QStringLiteral("columnCount %1").arg(e.columns) << QStringLiteral("rowCount %1").arg(n + 1)
      << "seriesType XY2D"
      << "chartType XY2D"
      << "legendShown " + b(e.legend) << "titleFontSize 10"
      << "titleFontName Arial"
      << "titleText " + QString::fromUtf8(e.title) << "legendPlace Right"
      << "axesScaledTogether false";
    for (const SeriesExpectation& se : seriesOf(e)) {
        const QString c = QString::number(se.xColumn) + QLatin1Char(' ');
        if (se.style == QLatin1String("U"))
            continue;
        if (se.style == QLatin1String("M")) {
            s << QStringLiteral("seriesMarkersAuto %1 false|seriesLineShown %1 false|regressionLine %1 false|"
                                "pointMarkersVisible %1 true|markerSize %1 100|markerShape %1 FilledSquare|"
                                "markerPenStyle %1 Solid|markerPenWidth %1 5|markerPenColour %1 Blue 0|"
                                "markerPenColour %1 Red 0|markerPenColour %1 Green 0|"
                                "markerFillColour %1 Red 255")
                     .arg(se.xColumn)
                     .split(QLatin1Char('|'));
        } else {
            const bool marked = se.style == QLatin1String("ML");
            s << "seriesMarkersShown " + c + b(marked) << "seriesLineShown " + c + "true";
            if (se.style == QLatin1String("B"))
                s << "lineColour " + c + "Blue 255";
            s << "regressionLine " + c + "false"
              << "pointMarkersVisible " + c + b(marked) << "markerSize " + c + "100"
              << "markerFillColour " + c + "Red 255";
        }
        if (!se.legend.isEmpty())
            s << "legendText " + c + se.legend;
    }
    s << split("axisScale Y Linear|axisAutoRange Y true|axisTickMarks Y Outside|axisGridStyle Y Solid|"
               "axisGridAutoColour Y false|axisGridColour Y Red 0|axisGridColour Y Green 0|"
               "axisGridColour Y Blue 0|axisTitleFontSize Y 10|axisTitleVisible Y true")
      << "axisTitleText Y " + QString::fromUtf8(e.yTitle) << "axisTitleFontName Y Arial"
      << split("axisScale X Linear|axisTitleFontSize X 10|axisTickMarks X Outside|axisTitleFontName X Arial|"
               "axisTitleVisible X true")
      << "axisTitleText X " + QString::fromUtf8(e.xTitle) << "data"
      << "commit";
    return s;
}

} // namespace

class TestChartSetup : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelState> m_run100;
    std::unique_ptr<ModelState> m_run1;
    std::unique_ptr<ModelState> m_run9999;
    std::unique_ptr<ModelState> m_none = std::make_unique<ModelState>();

private slots:
    void initTestCase()
    {
        m_run100 = CompletedRun("100");
        m_run1 = CompletedRun("1");
        m_run9999 = CompletedRun("9999");
    }

    void everyProcedureHasOneDefinition()
    {
        QCOMPARE(allChartProcedures().size(), std::size_t(17));
        QCOMPARE(expectations().size(), std::size_t(17));
        std::set<ChartProcedure> seen(allChartProcedures().begin(), allChartProcedures().end());
        QCOMPARE(seen.size(), std::size_t(17));
        for (const Expected& e : expectations()) {
            QVERIFY(seen.count(e.procedure) == 1);
            QCOMPARE(procedureName(e.procedure), QString::fromUtf8(e.name));
        }
    }

    void stepsAndDataInOrder_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<int>("days");
        for (const Expected& e : expectations())
            for (int days : {100, 1})
                QTest::addRow("%s, %d days", rowName(e).constData(), days) << e.procedure << days;
        // Before any run the one row of day 0 holds zeros; the longest run fills every column.
        QTest::addRow("large ShowAllGraphs, before any run") << ChartProcedure::LargeShowAllGraphs << 0;
        QTest::addRow("large ShowN2vsN1withIsoclines, 9999 days")
            << ChartProcedure::LargeShowN2vsN1withIsoclines << 9999;
    }

    void stepsAndDataInOrder()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(int, days);
        const ModelState& state = days == 0 ? *m_none : days == 1 ? *m_run1 : days == 100 ? *m_run100 : *m_run9999;
        RecordingChart chart;
        drawChart(chart, procedure, state);

        const QStringList expected = expectedSteps(expectationFor(procedure), days);
        for (int i = 0; i < std::min(expected.size(), chart.steps.size()); ++i)
            QCOMPARE(chart.steps[i], expected[i]);
        QCOMPARE(chart.steps.size(), expected.size());

        // The data: series by series in X-column order, day by day, X then Y.
        const std::vector<SeriesExpectation> series = seriesOf(expectationFor(procedure));
        QCOMPARE(chart.cells.size(), series.size() * 2 * std::size_t(days + 1));
        std::size_t i = 0;
        for (const SeriesExpectation& se : series) {
            for (int t = 0; t <= days; ++t) {
                for (int part = 0; part < 2; ++part, ++i) {
                    const RecordingChart::Cell& cell = chart.cells[i];
                    QCOMPARE(cell.row, t + 1);
                    QCOMPARE(cell.column, se.xColumn + part);
                    QCOMPARE(cell.value, valueOf(state, part == 0 ? se.x : se.y, t));
                    QCOMPARE(cell.nullFlag, 0);
                }
            }
        }
    }

    void clickCyclesStepThroughTheEightGraphs_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addRow("main window") << false;
        QTest::addRow("large window") << true;
    }
    void clickCyclesStepThroughTheEightGraphs()
    {
        QFETCH(bool, large);
        const ChartClickCycle& cycle = large ? largeChartClickCycle() : mainChartClickCycle();
        // From a fresh counter (0) the first click draws the graph of 1; after 7 the counter starts again.
        const char* const names[] = {
            "ShowN1anddN1vsT",  "ShowN2anddN2vsT",         "ShowdNvsT",     large ? "ShowN2vsN1" : "ShowN1vsN2",
            "ShowN2vsN1inLine", "ShowN2vsN1withIsoclines", "ShowAllGraphs", "ShowN1andN2vsT",
            "ShowN1anddN1vsT"};
        const std::int16_t counters[] = {1, 2, 3, 4, 5, 6, 7, 0, 1};
        std::int16_t counter = 0;
        for (int i = 0; i < 9; ++i) {
            const ChartProcedure drawn = nextInClickCycle(cycle, counter);
            QCOMPARE(counter, counters[i]);
            QCOMPARE(procedureName(drawn), QString::fromUtf8(names[i]));
            // Each window's cycle draws with that window's own procedures.
            QCOMPARE(drawn >= ChartProcedure::LargeShowN2vsN1, large);
        }
        // A counter outside 0..7 goes on to 0 above, and names the last graph below.
        counter = 40;
        QCOMPARE(nextInClickCycle(cycle, counter), cycle[0]);
        QCOMPARE(counter, std::int16_t(0));
        counter = -5;
        QCOMPARE(nextInClickCycle(cycle, counter), cycle.back());
        QCOMPARE(counter, std::int16_t(-4));
    }

    void onlyMainTimeCourseAndAllGraphsDisableRun()
    {
        RecordingChart chart;
        for (const Expected& e : expectations())
            QVERIFY2(drawChart(chart, e.procedure, *m_run1) == e.disablesRun, e.name);
    }
};

QTEST_GUILESS_MAIN(TestChartSetup)
#include "tst_chartsetup.moc"
