#pragma once

#include "ChartExport.h"
#include "Outcome.h"

class QCustomPlot;

namespace vorlenza {

/// Writes the chart to `path` as `type` (chartBytes) through writeWholeFile: either the whole new
/// file is there afterwards, or whatever was at `path` before is left byte for byte.
Outcome saveChart(QCustomPlot& plot, const QString& path, ChartFileType type);

} // namespace vorlenza
