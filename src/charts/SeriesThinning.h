#pragma once

#include <QLineF>
#include <QPointF>
#include <QVector>

#include <cmath>

namespace vorlenza {

// What a series needs drawn to look the same as when every point is drawn, in time proportional
// to the pixels of the plot rather than to the days. Points are in the painter's logical pixels;
// `scale` is the device pixels per logical pixel (2 on a high-density screen, more on a printer
// page), so that "the same pixel" means the same pixel of the device. A NaN coordinate marks a gap.

/// Whether `p` marks a gap in the line.
inline bool isGap(const QPointF& p) { return std::isnan(p.x()) || std::isnan(p.y()); }

/// Whether the x values never decrease (gaps aside): a series in day order on a time axis.
bool inColumnOrder(const QVector<QPointF>& points);

/// For points in column order: per device pixel column and stretch between gaps, the first, the
/// lowest, the highest and the last point, in their original order. The line through them covers
/// the pixels of the line through all points.
QVector<QPointF> columnExtremes(const QVector<QPointF>& points, double scale);

/// The segments of the line through `points`, leaving out gaps, segments of zero length and, when
/// `skipRepeats` is set, every segment whose two ends fall on the device pixels of the two ends of
/// a segment already kept. The first and the last segment of each stretch are lengthened by
/// `capLength` at their outer end (the square cap of a polyline, for segments drawn with flat caps),
/// except the very first end without `capFirst` and the very last without `capLast` (where the
/// line goes on, drawn some other way).
QVector<QLineF> lineSegments(const QVector<QPointF>& points, double scale, bool skipRepeats, double capLength,
                             bool capFirst = true, bool capLast = true);

/// The markers to draw, in their original order: of the markers whose centres fall on one quarter
/// of a device pixel only the last two drawn, the ones left on top (a second copy still darkens
/// the antialiased edge visibly, further ones hardly).
QVector<QPointF> topmostMarkers(const QVector<QPointF>& points, double scale);

} // namespace vorlenza
