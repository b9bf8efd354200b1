// The common chart set-up and the seventeen chart definitions, checked on a recording component:
// every setting in its order with its value, then the data cell by cell.

#include "ModelFixtures.h"
#include "ChartDefinition.h"
#include "ChartProcedures.h"
#include "RecordingChart.h"
#include "Simulation.h"

#include <QtTest>

#include <memory>
#include <set>

Q_DECLARE_METATYPE(ChartProcedure)

namespace
{

/// What a procedure must do, written out independently of the definitions in the code.
/// `series`: "xColumn style xSource ySource [legend text]" joined by "|"; styles: L line,
/// B line whose colour gets blue 255, ML line with markers shown, M markers, U not styled.
struct Expected {
    ChartProcedure procedure;
    const char* name;
    int columns;
    const char* title;
    bool legend;
    const char* series;
    const char* yTitle;
    const char* xTitle;
    bool disablesRun;
};

const char* const kPoints = "1 M N1 N2";
const char* const kLine = "1 L N1 N2";
const char* const kIsoclines = "1 L AX AY|3 L BX BY|5 M N1 N2";
const char* const kAll = "1 L t N1|3 L t dN1|5 U t N2|7 U t dN2";

const std::vector<Expected>& expectations()
{
    using P = ChartProcedure;
    static const std::vector<Expected> all = {
        {P::MainShowN1vsN2, "ShowN1vsN2", 2, "N2 vs. N1", false, kPoints, "N2", "N1", false},
        {P::MainShowN2vsN1inLine, "ShowN2vsN1inLine", 2, "N2 vs. N1", false, kLine, "N2", "N1", false},
        {P::MainShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines", 6, "N2 vs. N1 with isoclines", false,
         kIsoclines, "N2", "N1", false},
        {P::MainShowN1andN2vsT, "ShowN1andN2vsT", 4, "N1 and N2 vs. time", false, "1 L t N1|3 L t N2",
         "N1 and N2", "Time", true},
        {P::MainShowN1anddN1vsT, "ShowN1anddN1vsT", 4, "N1 and dN1/dt vs. time", false, "1 L t N1|3 L t dN1",
         "N1 and dN1", "Time", true},
        {P::MainShowN2anddN2vsT, "ShowN2anddN2vsT", 4, "N2 and dN2 vs. time", true,
         "1 ML t N2 N2|3 L t dN2 dN2", "N2 and dN2", "Time", true},
        {P::MainShowdNvsT, "ShowdNvsT", 4, "dN1 and dN2 vs. time", false, "1 B t dN1|3 L t dN2",
         "dN1 and dN2", "Time", true},
        {P::MainShowAllGraphs, "ShowAllGraphs", 8, "N and dN/dt vs. time", false, kAll, "N1, dN1, N2 and dN2",
         "Time", true},
        {P::MainShowLargeN2vsN1withIsoclines, "ShowLargeN2vsN1withIsoclines", 6, "N2 vs. N1", false,
         kIsoclines, "N2", "N1", false},
        {P::LargeShowN2vsN1, "ShowN2vsN1", 2, "N2 vs. N1", false, kPoints, "N2", "N1", false},
        {P::LargeShowN2vsN1inLine, "ShowN2vsN1inLine", 2, "N2 vs. N1", false, kLine, "N2", "N1", false},
        {P::LargeShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines", 6, "N2 vs. N1 with isoclines", false,
         kIsoclines, "N2", "N1", false},
        {P::LargeShowN1andN2vsT, "ShowN1andN2vsT", 4, "N1 and N2 vs. time", false, "1 L t N1|3 L t N2",
         "N1 and N2", "Time", false},
        {P::LargeShowN1anddN1vsT, "ShowN1anddN1vsT", 4, "N1 and dN1/dt vs. time", false, "1 L t N1|3 L t dN1",
         "N1 and dN1", "Time", false},
        {P::LargeShowN2anddN2vsT, "ShowN2anddN2vsT", 4, "N2 and dN2 vs. time", false, "1 L t N2|3 L t dN2",
         "N2 and dN2", "Time", false},
        {P::LargeShowdNvsT, "ShowdNvsT", 4, "dN1 and dN2 vs. time", false, "1 L t dN1|3 L t dN2",
         "dN1 and dN2", "Time", false},
        {P::LargeShowAllGraphs, "ShowAllGraphs", 8, "N and dN/dt vs. time", false, kAll,
         "N1, dN1, N2 and dN2", "Time", false},
    };
    return all;
}

const Expected& expectationFor(ChartProcedure p)
{
    for (const Expected& e : expectations())
        if (e.procedure == p)
            return e;
    qFatal("no expectation");
}

struct SeriesExpectation {
    int xColumn;
    QString style;
    QString x;
    QString y;
    QString legend;
};

std::vector<SeriesExpectation> seriesOf(const Expected& e)
{
    std::vector<SeriesExpectation> out;
    for (const QString& part : QString::fromUtf8(e.series).split(QLatin1Char('|'))) {
        const QStringList w = part.split(QLatin1Char(' '));
        out.push_back({w[0].toInt(), w[1], w[2], w[3], w.size() > 4 ? w[4] : QString()});
    }
    return out;
}

double valueOf(const ModelState& s, const QString& source, int t)
{
    const auto i = static_cast<std::size_t>(t);
    if (source == QLatin1String("t"))
        return t;
    if (source == QLatin1String("N1"))
        return s.N1[i];
    if (source == QLatin1String("N2"))
        return s.N2[i];
    if (source == QLatin1String("dN1"))
        return s.dN1[i];
    if (source == QLatin1String("dN2"))
        return s.dN2[i];
    if (source == QLatin1String("AX"))
        return s.isoclineAX[i];
    if (source == QLatin1String("AY"))
        return s.isoclineAY[i];
    if (source == QLatin1String("BX"))
        return s.isoclineBX[i];
    if (source == QLatin1String("BY"))
        return s.isoclineBY[i];
    qFatal("unknown source");
}

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
            s << "seriesMarkersAuto " + c + "false"
              << "seriesLineShown " + c + "false"
              << "regressionLine " + c + "false"
              << "pointMarkersVisible " + c + "true"
              << "markerSize " + c + "100"
              << "markerShape " + c + "FilledSquare"
              << "markerPenStyle " + c + "Solid"
              << "markerPenWidth " + c + "5"
              << "markerPenColour " + c + "Blue 0"
              << "markerPenColour " + c + "Red 0"
              << "markerPenColour " + c + "Green 0"
              << "markerFillColour " + c + "Red 255";
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
    s << "axisScale Y Linear"
      << "axisAutoRange Y true"
      << "axisTickMarks Y Outside"
      << "axisGridStyle Y Solid"
      << "axisGridAutoColour Y false"
      << "axisGridColour Y Red 0"
      << "axisGridColour Y Green 0"
      << "axisGridColour Y Blue 0"
      << "axisTitleFontSize Y 10"
      << "axisTitleVisible Y true"
      << "axisTitleText Y " + QString::fromUtf8(e.yTitle) << "axisTitleFontName Y Arial";
    s << "axisScale X Linear"
      << "axisTitleFontSize X 10"
      << "axisTickMarks X Outside"
      << "axisTitleFontName X Arial"
      << "axisTitleVisible X true"
      << "axisTitleText X " + QString::fromUtf8(e.xTitle);
    s << "data"
      << "commit";
    return s;
}


} // namespace

class TestChartSetup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyProcedureHasOneDefinition();
    void stepsInOrder_data();
    void stepsInOrder();
    void dataPassesInColumnOrder_data();
    void dataPassesInColumnOrder();
    void beforeAnyRunTheChartHasOneRow();
    void longestRunGivesEveryColumnAllDays();
    void onlyMainTimeCourseAndAllGraphsDisableRun();

private:
    std::unique_ptr<ModelState> m_run100;
    std::unique_ptr<ModelState> m_run1;
};

void TestChartSetup::initTestCase()
{
    m_run100 = CompletedRun("100");
    m_run1 = CompletedRun("1");
}

void TestChartSetup::everyProcedureHasOneDefinition()
{
    QCOMPARE(AllChartProcedures().size(), std::size_t(17));
    QCOMPARE(expectations().size(), std::size_t(17));
    std::set<ChartProcedure> seen(AllChartProcedures().begin(), AllChartProcedures().end());
    QCOMPARE(seen.size(), std::size_t(17));
    for (const Expected& e : expectations()) {
        QVERIFY(seen.count(e.procedure) == 1);
        QCOMPARE(ProcedureName(e.procedure), QString::fromUtf8(e.name));
    }
}

void TestChartSetup::stepsInOrder_data()
{
    QTest::addColumn<ChartProcedure>("procedure");
    QTest::addColumn<int>("days");
    for (const Expected& e : expectations()) {
        const char* window = static_cast<int>(e.procedure) <=
                                     static_cast<int>(ChartProcedure::MainShowLargeN2vsN1withIsoclines)
                                 ? "main"
                                 : "large";
        for (int days : {100, 1})
            QTest::addRow("%s %s, %d days", window, e.name, days) << e.procedure << days;
    }
}

void TestChartSetup::stepsInOrder()
{
    QFETCH(ChartProcedure, procedure);
    QFETCH(int, days);
    const ModelState& state = days == 1 ? *m_run1 : *m_run100;
    RecordingChart chart;
    DrawChart(chart, procedure, state);

    const QStringList expected = expectedSteps(expectationFor(procedure), days);
    for (int i = 0; i < std::min(expected.size(), chart.steps.size()); ++i)
        QCOMPARE(chart.steps[i], expected[i]);
    QCOMPARE(chart.steps.size(), expected.size());
}

void TestChartSetup::dataPassesInColumnOrder_data()
{
    stepsInOrder_data();
}

void TestChartSetup::dataPassesInColumnOrder()
{
    QFETCH(ChartProcedure, procedure);
    QFETCH(int, days);
    const ModelState& state = days == 1 ? *m_run1 : *m_run100;
    RecordingChart chart;
    DrawChart(chart, procedure, state);

    const std::vector<SeriesExpectation> series = seriesOf(expectationFor(procedure));
    QCOMPARE(chart.cells.size(), series.size() * 2 * std::size_t(days + 1));
    std::size_t i = 0;
    for (const SeriesExpectation& se : series) { // written in X-column order in the table
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

void TestChartSetup::beforeAnyRunTheChartHasOneRow()
{
    auto fresh = std::make_unique<ModelState>();
    RecordingChart chart;
    DrawChart(chart, ChartProcedure::LargeShowAllGraphs, *fresh);
    QVERIFY(chart.steps.contains(QStringLiteral("rowCount 1")));
    QCOMPARE(chart.cells.size(), std::size_t(8));
    for (const RecordingChart::Cell& c : chart.cells) {
        QCOMPARE(c.row, 1);
        QCOMPARE(c.value, 0.0);
    }
}

void TestChartSetup::longestRunGivesEveryColumnAllDays()
{
    auto state = CompletedRun("9999");
    RecordingChart chart;
    DrawChart(chart, ChartProcedure::LargeShowN2vsN1withIsoclines, *state);
    QVERIFY(chart.steps.contains(QStringLiteral("rowCount 10000")));
    std::vector<int> perColumn(7, 0);
    for (const RecordingChart::Cell& c : chart.cells)
        ++perColumn[static_cast<std::size_t>(c.column)];
    for (int column = 1; column <= 6; ++column)
        QCOMPARE(perColumn[static_cast<std::size_t>(column)], 10000);
    // the last isocline point is the far end of the segment: (K1, 0) for isocline A
    QCOMPARE(chart.cells[2 * 9999].value, state->K1);
    QCOMPARE(chart.cells[2 * 9999 + 1].value, 0.0);
}

void TestChartSetup::onlyMainTimeCourseAndAllGraphsDisableRun()
{
    RecordingChart chart;
    for (const Expected& e : expectations())
        QVERIFY2(DrawChart(chart, e.procedure, *m_run1) == e.disablesRun, e.name);
}

QTEST_GUILESS_MAIN(TestChartSetup)
#include "tst_chartsetup.moc"
