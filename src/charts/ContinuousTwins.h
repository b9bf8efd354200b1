#pragma once

#include "ChartDefinition.h"
#include "ContinuousSolution.h"

#include <qcustomplot.h>

#include <QString>

#include <vector>

namespace vorlenza {

/// What the equations give for one series of a chart, drawn beside it: for a population its
/// continuous value on each day, for a daily change the continuous change over that day, for the
/// phase-plane trajectory the continuous path.
struct TwinLine {
    int series = 0; ///< the chart's series (0-based) it belongs to
    std::vector<double> xs;
    std::vector<double> ys;
    QString legendText; ///< e.g. "N1 (continuous)"
};

/// The twins of every series of `definition` that shows days of the run (isoclines have none),
/// over days 0..`days`, from `solution` (which holds days 0..days+1). Days the solution does not
/// hold are left out.
std::vector<TwinLine> continuousTwins(const ChartDefinition& definition, const ContinuousSolution& solution, int days);

/// The curve of a twin: a thin dashed line, drawn as one path thinned to what a device pixel
/// shows (points closer than a pixel to the last one kept are left out, the end is always kept).
class ContinuousCurve : public QCPCurve {
public:
    using QCPCurve::QCPCurve;

    /// The line's width in pixels and its dash pattern (in widths).
    static constexpr double kWidth = 1.0;
    static QVector<qreal> dashPattern() { return {5.0, 3.0}; }

protected:
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override;
};

/// The points of `lines` a thin smooth line needs at `scale` device pixels per logical pixel,
/// split into stretches at gaps.
std::vector<QPolygonF> thinnedPaths(const QVector<QPointF>& lines, double scale);

/// The corners of a plot, as emptiestCorner counts them.
enum class PlotCorner { TopLeft, BottomLeft, BottomRight, TopRight, None };

/// Where a box of `box` pixels sits in `corner` of the axis rectangle `plot`, `margin` pixels in.
QRectF cornerBox(const QRectF& plot, QSizeF box, double margin, PlotCorner corner);

/// The corner of `plot`'s axis rectangle where a box of `box` pixels covers the fewest pieces of
/// the plot's curves, in the order of PlotCorner on a tie; `avoid` is not taken.
PlotCorner emptiestCorner(QCustomPlot& plot, QSizeF box, double margin, PlotCorner avoid = PlotCorner::None);

/// A short text in a box in the emptiest corner of the plot (see emptiestCorner), leaving out the
/// corner that a legend takes. Drawn with the legends, over everything else.
class ChartNote : public QCPLayerable {
    Q_OBJECT
public:
    ChartNote(QCustomPlot* plot, const QString& text);
    void setText(const QString& text) { m_text = text; }
    const QString& text() const { return m_text; }
    /// Where the box was drawn at the last replot.
    QRectF drawnBox() const { return m_box; }
    /// Keeps `corner` free (PlotCorner::None: none).
    void setAvoidCorner(PlotCorner corner) { m_avoid = corner; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    QString m_text;
    QRectF m_box;
    PlotCorner m_avoid = PlotCorner::None;
};

} // namespace vorlenza
