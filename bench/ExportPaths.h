#pragma once

#include "BenchCase.h"

#include <QString>

#include <vector>

namespace vorlenza {
class ChartView;
}
class QWidget;
namespace vorlenza {
struct ModelState;
}

using namespace vorlenza;

/// Charts leaving the program, on `chart` (a large-window chart) with the isocline phase plane
/// of `state`: PNG, SVG and PDF export, saving `window` as PDF, the tooltip lookup and a redraw
/// with the direction arrows on. Files go to `scratchFolder`.
std::vector<BenchCase> ExportCases(ChartView& chart, QWidget& window, const ModelState& state,
                                   const QString& scratchFolder);

/// Prints the sizes of the SVG and PDF files of that chart, after the table.
void ReportExportSizes(ChartView& chart, const ModelState& state, const QString& scratchFolder);
