// Times the user's paths and prints one table of medians. Run it with `make bench` or
// ./build/bench/vorlenza-bench; it needs no display (it uses the offscreen platform by default).

#include "AppPaths.h"
#include "AppWindows.h"
#include "BenchCase.h"
#include "BenchRuns.h"
#include "ExportPaths.h"
#include "ResultsSpreadsheet.h"
#include "LabPaths.h"
#include "LessonPaths.h"
#include "frmLarggraf.h"
#include "ChartDefinition.h"
#include "ChartProcedures.h"
#include "ChartView.h"
#include "ContinuousSolution.h"
#include "ContinuousTwins.h"
#include "Look.h"
#include "Session.h"
#include "Simulation.h"
#include "StepCheck.h"
#include "twips.h"

#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace vorlenza;

namespace {

std::unique_ptr<ModelState> runOf(const FieldTexts& fields)
{
    auto state = std::make_unique<ModelState>();
    if (!RunSimulation(*state, fields).ok())
        std::abort();
    return state;
}

/// The chart drawn just before `p` when the user steps through the window's click cycle, so that
/// every timed call is a real switch from another chart.
ChartProcedure previousInCycle(ChartProcedure p)
{
    using P = ChartProcedure;
    static const std::array<P, 8> mainCycle = {
        P::MainShowN1andN2vsT, P::MainShowN1anddN1vsT,  P::MainShowN2anddN2vsT,         P::MainShowdNvsT,
        P::MainShowN1vsN2,     P::MainShowN2vsN1inLine, P::MainShowN2vsN1withIsoclines, P::MainShowAllGraphs};
    static const std::array<P, 8> largeCycle = {
        P::LargeShowN1andN2vsT, P::LargeShowN1anddN1vsT,  P::LargeShowN2anddN2vsT,         P::LargeShowdNvsT,
        P::LargeShowN2vsN1,     P::LargeShowN2vsN1inLine, P::LargeShowN2vsN1withIsoclines, P::LargeShowAllGraphs};
    if (p == P::MainShowLargeN2vsN1withIsoclines)
        return P::LargeShowAllGraphs;
    for (const auto* cycle : {&mainCycle, &largeCycle})
        for (std::size_t i = 0; i < cycle->size(); ++i)
            if ((*cycle)[i] == p)
                return (*cycle)[(i + cycle->size() - 1) % cycle->size()];
    return p;
}

bool drawsOnLargeChart(ChartProcedure p)
{
    return p == ChartProcedure::MainShowLargeN2vsN1withIsoclines ||
           static_cast<int>(p) >= static_cast<int>(ChartProcedure::LargeShowN2vsN1);
}

QString windowOf(ChartProcedure p)
{
    return static_cast<int>(p) <= static_cast<int>(ChartProcedure::MainShowLargeN2vsN1withIsoclines)
               ? QStringLiteral("main")
               : QStringLiteral("large");
}

/// Draws and waits until the chart is painted: the queued replot runs, then the widget is
/// painted into a pixmap.
int g_replots = 0;

void drawAndPaint(ChartView& view, ChartProcedure p, const ModelState& state)
{
    const int before = g_replots;
    drawChart(view, p, state);
    for (int i = 0; g_replots == before; ++i) {
        if (i == 1000)
            std::abort(); // the queued replot never came
        QCoreApplication::processEvents();
    }
    (void)view.grab();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    if (argc > 1) {
        const int status = RunProbe(argv[1], argc, argv);
        if (status >= 0)
            return status;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    look::installFontSubstitutions();

    // The short default run, then the four long runs every chart is timed on.
    struct Drawn {
        std::string label;
        int days;
        std::unique_ptr<ModelState> state;
    };
    std::vector<Drawn> runs;
    {
        FieldTexts shortRun;
        runs.push_back({"default", 100, runOf(shortRun)});
        for (const BenchRun& r : BenchRuns(9999))
            runs.push_back({r.label, 9999, runOf(r.fields)});
    }

    // The two chart controls at their window sizes: main 5100 x 4140, large 11628 x 7980 twips.
    ChartView mainChart;
    ChartView largeChart;
    mainChart.resize(twips::size(5100, 4140));
    largeChart.resize(twips::size(11628, 7980));
    for (ChartView* view : {&mainChart, &largeChart})
        QObject::connect(view, &QCustomPlot::afterReplot, [] { ++g_replots; });
    mainChart.show();
    largeChart.show();
    QCoreApplication::processEvents();

    std::vector<BenchCase> cases;
    for (int days : {100, 9999}) {
        auto scratch = std::make_shared<ModelState>();
        FieldTexts fields;
        fields.simut = std::to_string(days);
        cases.push_back({"RunSimulation T=" + std::to_string(days),
                         days == 100 ? 200 : 50,
                         0.5,
                         nullptr,
                         [scratch, fields] { (void)RunSimulation(*scratch, fields); },
                         {}});
    }
    for (const Drawn& run : runs) {
        const ModelState& state = *run.state;
        const std::string group = run.label + " T=" + std::to_string(run.days);
        for (ChartProcedure p : allChartProcedures()) {
            ChartView& view = drawsOnLargeChart(p) ? largeChart : mainChart;
            const ChartProcedure before = previousInCycle(p);
            const QString name =
                QStringLiteral("%1 %2 %3").arg(windowOf(p), procedureName(p), QString::fromStdString(group));
            cases.push_back({name.toStdString(), 30, run.days == 100 ? 5.0 : 16.0,
                             [&view, before, &state] { drawAndPaint(view, before, state); },
                             [&view, p, &state] { drawAndPaint(view, p, state); }, group});
        }
    }

    // The continuous solution of each long run: solved (once per run), and drawn beside the run
    // as the large window's chart with the most twins is redrawn.
    for (std::size_t i = 1; i < runs.size(); ++i) {
        const ModelState& state = *runs[i].state;
        const std::string label = runs[i].label;
        cases.push_back({"continuous solution T=9999, " + label,
                         30,
                         5.0,
                         nullptr,
                         [&state] {
                             const ContinuousSolution s = solveContinuous(state);
                             (void)checkOneDaySteps(state, s);
                         },
                         {}});
        auto solution = std::make_shared<ContinuousSolution>(solveContinuous(state));
        const ChartProcedure p = ChartProcedure::LargeShowAllGraphs;
        // as the window does it: the chart procedure, then the twins and the note
        const auto drawOn = [&largeChart, &state, solution](ChartProcedure procedure) {
            const int before = g_replots;
            drawChart(largeChart, procedure, state);
            largeChart.setTwinLines(continuousTwins(definitionOf(procedure), *solution, state.simTime));
            largeChart.setCornerNote(QStringLiteral("One-day steps are too coarse for r1 = 2.2: the daily run "
                                                    "settles at N1 = 75.3, the equations at N1 = 99."));
            for (int k = 0; g_replots == before; ++k) {
                if (k == 1000)
                    std::abort();
                QCoreApplication::processEvents();
            }
            (void)largeChart.grab();
        };
        cases.push_back({"continuous solution on, chart redraw T=9999, " + label,
                         30,
                         16.0,
                         [drawOn, p] { drawOn(previousInCycle(p)); },
                         [drawOn, p] { drawOn(p); },
                         {}});
    }

    // The same paths through the real windows.
    QTemporaryDir scratch;
    Session session;
    registerWindows(session);
    session.windows().setExitFunction([] {});
    for (BenchCase& c : AppPathCases(session, scratch.path()))
        cases.push_back(std::move(c));
    for (BenchCase& c : LabCases(session))
        cases.push_back(std::move(c));

    // Charts leaving the program, from a large graph window of its own, with the default fields
    // at T = 9999 (the first long run).
    const ModelState& exportRun = *runs[1].state;
    frmLarggraf exportWindow(session);
    exportWindow.show();
    for (BenchCase& c : ExportCases(*exportWindow.chart(), exportWindow, exportRun, scratch.path()))
        cases.push_back(std::move(c));

    // The results as a spreadsheet, from the same run.
    const QString sheetPath = scratch.filePath(QStringLiteral("results.xlsx"));
    cases.push_back({"save results as spreadsheet T=9999",
                     20,
                     150.0,
                     nullptr,
                     [&exportRun, sheetPath] {
                         const Outcome saved = writeResultsSpreadsheet(sheetPath, exportRun);
                         if (!saved.ok) {
                             std::fprintf(stderr, "%s\n", qPrintable(saved.error));
                             std::abort();
                         }
                     },
                     {}});

    // Lessons, with the chart of the export window on every task of the worksheet.
    for (BenchCase& c : LessonCases(session, scratch.path(), exportWindow.chart()->grab().toImage()))
        cases.push_back(std::move(c));

    const int missed = RunBenchCases(cases);
    ReportExportSizes(*exportWindow.chart(), exportRun, scratch.path());
    ReportProbes(argv[0]);
    return missed == 0 ? 0 : 1;
}
