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
std::vector<TwinLine> continuousTwins(const ChartDefinition& definition, const ContinuousSolution& solution,
                                      int days);

/// The curve of a twin: a thin dashed line, drawn as one path thinned to what a device pixel
/// shows (points closer than a pixel to the last one kept are left out, the end is always kept).
class ContinuousCurve : public QCPCurve
{
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

/// A short text in a box in one corner of the plot, the corner where the fewest pieces of the
/// plot's curves lie (top left first on a tie); the top right corner is left to an inset legend
/// when there is one. Drawn with the legends, over everything else.
class ChartNote : public QCPLayerable
{
    Q_OBJECT
public:
    ChartNote(QCustomPlot* plot, const QString& text);
    void setText(const QString& text) { m_text = text; }
    const QString& text() const { return m_text; }
    /// Where the box was drawn at the last replot.
    QRectF drawnBox() const { return m_box; }
    /// Keeps the top right corner free.
    void setAvoidTopRight(bool avoid) { m_avoidTopRight = avoid; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    QString m_text;
    QRectF m_box;
    bool m_avoidTopRight = false;
};

} // namespace vorlenza
