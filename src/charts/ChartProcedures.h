#pragma once

namespace vorlenza {

class ChartComponent;
struct ModelState;

/// The chart procedures, by window.
enum class ChartProcedure {
    // main window, drawing on its own chart
    MainShowN1vsN2,
    MainShowN2vsN1inLine,
    MainShowN2vsN1withIsoclines,
    MainShowN1andN2vsT,
    MainShowN1anddN1vsT,
    MainShowN2anddN2vsT,
    MainShowdNvsT,
    MainShowAllGraphs,
    // main window, drawing on the large window's chart
    MainShowLargeN2vsN1withIsoclines,
    // large window
    LargeShowN2vsN1,
    LargeShowN2vsN1inLine,
    LargeShowN2vsN1withIsoclines,
    LargeShowN1andN2vsT,
    LargeShowN1anddN1vsT,
    LargeShowN2anddN2vsT,
    LargeShowdNvsT,
    LargeShowAllGraphs,
};

/// Fills and styles `chart` from `state` by the chart definition of `procedure`.
/// Returns true when the calling window must disable its Run button afterwards.
bool drawChart(ChartComponent& chart, ChartProcedure procedure, const ModelState& state);

} // namespace vorlenza
