#include "ExportPaths.h"

#include "ChartDefinition.h"
#include "ChartExport.h"
#include "ChartFile.h"
#include "ChartProcedures.h"
#include "ChartView.h"
#include "DirectionField.h"
#include "PointReadout.h"
#include "Simulation.h"
#include "WindowPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

using namespace vorlenza;

namespace {

constexpr ChartProcedure kChart = ChartProcedure::LargeShowN2vsN1withIsoclines;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

/// The chart as the user sees it: drawn, replotted and painted, arrows off.
void shown(ChartView& chart, const ModelState& state)
{
    ShowDirectionField(chart, false, parametersOf(state));
    drawChart(chart, kChart, state);
    chart.replot();
    (void)chart.grab();
}

} // namespace

std::vector<BenchCase> ExportCases(ChartView& chart, QWidget& window, const ModelState& state,
                                   const QString& scratchFolder)
{
    const QDir dir(scratchFolder);
    const auto prepare = [&chart, &state] { shown(chart, state); };
    std::vector<BenchCase> cases;
    const struct {
        const char* name;
        ChartFileType type;
        double target;
    } files[] = {{"export PNG", ChartFileType::Png, 50.0},
                 {"export SVG", ChartFileType::Svg, 100.0},
                 {"export PDF", ChartFileType::Pdf, 100.0}};
    for (const auto& f : files) {
        const QString path = dir.filePath(defaultChartFileName(QStringLiteral("chart"), f.type));
        const ChartFileType type = f.type;
        cases.push_back(
            {f.name, 20, f.target, prepare, [&chart, path, type] { check(saveChart(chart, path, type).ok); }, {}});
    }
    const QString windowPdf = dir.filePath(QStringLiteral("window.pdf"));
    const PrintPage page = regionalPrintPage();
    cases.push_back({"save window as PDF",
                     20,
                     150.0,
                     prepare,
                     [&window, windowPdf, page] { check(saveWindowAsPdf(window, windowPdf, page).ok); },
                     {}});
    cases.push_back({"tooltip lookup",
                     200,
                     1.0,
                     prepare,
                     [&chart] {
                         // The pointer in the middle of the plot, where the trajectory settles.
                         const QPointF pointer = QRectF(chart.axisRect()->rect()).center();
                         check(nearestDayAt(chart, definitionOf(kChart), pointer) >= 0);
                     },
                     {}});
    cases.push_back({"arrows on, chart redraw",
                     30,
                     16.0,
                     [&chart, &state] {
                         shown(chart, state);
                         ShowDirectionField(chart, true, parametersOf(state));
                     },
                     [&chart, &state] {
                         drawChart(chart, kChart, state);
                         chart.replot();
                         (void)chart.grab();
                     },
                     {}});
    return cases;
}

void ReportExportSizes(ChartView& chart, const ModelState& state, const QString& scratchFolder)
{
    shown(chart, state);
    const QDir dir(scratchFolder);
    for (ChartFileType type : {ChartFileType::Svg, ChartFileType::Pdf}) {
        const QString path = dir.filePath(defaultChartFileName(QStringLiteral("size"), type));
        check(saveChart(chart, path, type).ok);
        std::printf("%s file of the isocline chart, T=%d: %.0f kB (limit 2048 kB)\n",
                    type == ChartFileType::Svg ? "SVG" : "PDF", int(state.simTime),
                    double(QFileInfo(path).size()) / 1024.0);
    }
}
