#pragma once

#include "ChartGrid.h"
#include "ContinuousTwins.h"
#include "SeriesLook.h"

#include <qcustomplot.h>

#include <vector>

namespace vorlenza {

/// What a chart draws beside its series: the twin lines (what the equations give for them), each a
/// thin dashed line in its series' colour on a layer of their own over the grid and under every
/// series, named in the chart's legend when it is shown and otherwise in a small legend of their
/// own in the plot's emptiest corner; and the note in a corner.
class TwinLayer {
public:
    explicit TwinLayer(QCustomPlot& plot) : m_plot(plot) {}

    /// False when nothing changes (no twins before or after).
    bool setLines(std::vector<TwinLine> twins);
    /// False when nothing changes (no note before or after).
    bool setNote(const QString& text);

    /// Takes the curves off the plot (before its series are made again).
    void removeCurves();
    /// Makes the curves after the series, with their colours from `looks`.
    void build(const std::vector<SeriesLook>& looks, bool legendShown);
    /// Puts the twins' own legend into the emptiest corner and keeps the note out of it.
    void placeLegend();
    /// Widens `e` to hold every twin's point.
    void extend(ChartGrid::Extent& e) const;

    int count() const { return static_cast<int>(m_curves.size()); }
    /// Twin k (0-based) as drawn, or nullptr.
    QCPCurve* curve(int k) const;
    ChartNote* note() const { return m_note; }

private:
    QCustomPlot& m_plot;
    std::vector<TwinLine> m_twins;
    std::vector<ContinuousCurve*> m_curves; ///< always after every series curve
    QCPLegend* m_legend = nullptr;
    ChartNote* m_note = nullptr;
};

} // namespace vorlenza
