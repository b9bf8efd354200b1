#pragma once

#include <qcustomplot.h>

#include <vector>

namespace vorlenza {

/// The curve of one series: points joined in row order (X need not be sorted), drawn so that only
/// what can be seen is drawn (see SeriesThinning). On pixels, the steep pieces of a line in day
/// order are painted as their summed coverage (see SteepCoverage); the rest of such a line keeps
/// the first, lowest, highest and last point of each pixel column; any other line leaves out the
/// segments that join two pixels already joined. The line is handed to the painter as separate
/// segments with flat caps (a long antialiased polyline costs the raster engine far more than its
/// segments do). Of markers on one spot only the two on top are drawn, on pixels as copies of a
/// small image of the marker. Screen and printed page are thinned alike.
class SeriesCurve : public QCPCurve {
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
    /// Markers on pixels: each copied from an image of it drawn once per 32nd of a pixel. False
    /// where that cannot be done (a vector page, a turned painter, a picture marker).
    bool stampMarkers(QCPPainter* painter, const QVector<QPointF>& points, const QCPScatterStyle& style) const;

    bool m_thinned = true;
};

} // namespace vorlenza
