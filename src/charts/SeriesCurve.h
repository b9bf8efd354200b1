#pragma once

#include <qcustomplot.h>

#include <vector>

namespace vorlenza {

/// The curve of one series: points joined in row order (X need not be sorted), drawn so that only
/// what can be seen is drawn (see SeriesThinning). A line in day order keeps the first, lowest,
/// highest and last point of each pixel column; any other line leaves out the segments that join
/// two pixels already joined. A marker on the pixel of a later marker is left out. The line is
/// handed to the painter as separate segments with flat caps (a long antialiased polyline costs
/// the raster engine far more than its segments do). Screen and printed page are thinned alike.
class SeriesCurve : public QCPCurve
{
public:
    using QCPCurve::QCPCurve;

    /// Off: every point is drawn, e.g. to check that the pictures agree.
    void setThinned(bool thinned) { m_thinned = thinned; }
    /// The points of rows 0..rows-1, row r at (xs[r], ys[r]); a NaN makes a gap.
    void setPoints(const std::vector<double>& xs, const std::vector<double>& ys, int rows);

protected:
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override;
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& points,
                         const QCPScatterStyle& style) const override;

private:
    bool m_thinned = true;
};

} // namespace vorlenza
