#include "TwinLayer.h"

#include "FontSize.h"

#include <algorithm>
#include <cmath>

namespace vorlenza {

bool TwinLayer::setLines(std::vector<TwinLine> twins)
{
    if (twins.empty() && m_twins.empty())
        return false;
    m_twins = std::move(twins);
    return true;
}

bool TwinLayer::setNote(const QString& text)
{
    if (text.isEmpty()) {
        if (m_note == nullptr)
            return false;
        delete m_note;
        m_note = nullptr;
    } else if (m_note == nullptr) {
        m_note = new ChartNote(&m_plot, text);
    } else {
        m_note->setText(text);
    }
    return true;
}

void TwinLayer::removeCurves()
{
    for (ContinuousCurve* twin : m_curves)
        m_plot.removePlottable(twin);
    m_curves.clear();
}

void TwinLayer::build(const std::vector<SeriesLook>& looks, bool legendShown)
{
    if (m_legend)
        m_legend->clearItems();
    if (m_twins.empty()) {
        if (m_legend)
            m_legend->setVisible(false);
        return;
    }
    if (m_plot.layer(QStringLiteral("continuous")) == nullptr)
        m_plot.addLayer(QStringLiteral("continuous"), m_plot.layer(QStringLiteral("grid")), QCustomPlot::limAbove);
    if (m_legend == nullptr) {
        m_legend = new QCPLegend;
        m_plot.axisRect()->insetLayout()->addElement(m_legend, Qt::AlignTop | Qt::AlignRight);
        m_legend->setLayer(QStringLiteral("legend"));
        m_legend->setFont(fontsize::sized(QStringLiteral("Arial"), 8.0));
        m_legend->setBrush(QColor(255, 255, 255, 235));
        m_legend->setIconSize(28, 10);
    }
    m_legend->setVisible(!legendShown);
    for (const TwinLine& t : m_twins) {
        if (t.series < 0 || t.series >= static_cast<int>(looks.size()))
            continue;
        const SeriesLook& look = looks[static_cast<std::size_t>(t.series)];
        // The colour the series is seen in: its line, or the fill of its markers.
        const bool markersOnly = !look.lineShown && look.pointMarkers.value_or(look.markersShown);
        QPen pen(markersOnly ? look.fill : look.line, ContinuousCurve::kWidth, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern(ContinuousCurve::dashPattern());
        auto* curve = new ContinuousCurve(m_plot.xAxis, m_plot.yAxis);
        curve->setLayer(QStringLiteral("continuous"));
        curve->setPen(pen);
        curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
        QVector<QCPCurveData> points;
        points.reserve(static_cast<int>(t.xs.size()));
        for (std::size_t i = 0; i < t.xs.size() && i < t.ys.size(); ++i)
            points.append(QCPCurveData(static_cast<double>(i), t.xs[i], t.ys[i]));
        curve->data()->set(points, true);
        curve->setName(t.legendText);
        curve->addToLegend(legendShown ? m_plot.legend : m_legend);
        m_curves.push_back(curve);
    }
}

void TwinLayer::placeLegend()
{
    PlotCorner corner = PlotCorner::None;
    if (m_legend && m_legend->visible()) {
        // in the emptiest corner of the plot, as QCustomPlot sets an inset legend in (its margins)
        corner = emptiestCorner(m_plot, m_legend->minimumOuterSizeHint(), 0.0);
        const bool left = corner == PlotCorner::TopLeft || corner == PlotCorner::BottomLeft;
        const bool top = corner == PlotCorner::TopLeft || corner == PlotCorner::TopRight;
        QCPLayoutInset* inset = m_plot.axisRect()->insetLayout();
        const int index = static_cast<int>(inset->elements(false).indexOf(m_legend));
        if (index >= 0)
            inset->setInsetAlignment(index,
                                     (left ? Qt::AlignLeft : Qt::AlignRight) | (top ? Qt::AlignTop : Qt::AlignBottom));
    }
    if (m_note)
        m_note->setAvoidCorner(corner);
}

void TwinLayer::extend(ChartGrid::Extent& e) const
{
    for (const TwinLine& t : m_twins) {
        for (std::size_t i = 0; i < t.xs.size() && i < t.ys.size(); ++i) {
            if (!std::isfinite(t.xs[i]) || !std::isfinite(t.ys[i]))
                continue;
            e.xLo = std::min(e.xLo, t.xs[i]);
            e.xHi = std::max(e.xHi, t.xs[i]);
            e.yLo = std::min(e.yLo, t.ys[i]);
            e.yHi = std::max(e.yHi, t.ys[i]);
        }
    }
}

QCPCurve* TwinLayer::curve(int k) const
{
    return k >= 0 && k < count() ? m_curves[static_cast<std::size_t>(k)] : nullptr;
}

} // namespace vorlenza
