#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <functional>
#include <vector>

namespace vorlenza {

/// The pixels that the steep pieces of a densely drawn line cover, summed the way one antialiased
/// stroke sums them: where pieces overlap, their coverage adds up, to full at most. A day-by-day
/// line of a run that jumps every day puts thousands of such pieces side by side; drawn one by
/// one they cost the raster engine far more than this sum, and they would blend their edges
/// lighter than the one stroke does. Coordinates are device pixels.
class SteepCoverage {
public:
    /// Whether the piece from a to b is summed here rather than stroked: at most a quarter pixel
    /// across and at least two pen widths tall, so that its stroke is a column of the pen's width.
    static bool isSteep(const QPointF& a, const QPointF& b, double penWidth);

    /// `bounds`: the device pixels that may be painted (the clip); `penWidth` in device pixels.
    SteepCoverage(const QRect& bounds, double penWidth);

    void reserve(std::size_t pieces) { m_pieces.reserve(pieces); }

    /// Adds the stroke of the steep piece from a to b; the parts outside the bounds are dropped.
    void add(const QPointF& a, const QPointF& b);

    /// The covered pixels in `colour`, their coverage as alpha, and where the image goes; a null
    /// image when nothing within the bounds is covered.
    QImage image(const QColor& colour, QPoint* at) const;

    /// The summed coverage of one device pixel, 0 to 1 (for tests).
    double coverage(int x, int y) const;

private:
    struct Piece {
        double left, right; ///< the stroke's horizontal extent
        double top, bottom;
    };
    QRect m_bounds;
    double m_halfWidth;
    std::vector<Piece> m_pieces;
    double m_left = 1.0e300, m_right = -1.0e300, m_top = 1.0e300, m_bottom = -1.0e300; ///< of all pieces

    /// The pixels the pieces touch, within the bounds.
    QRect box() const;
    /// Sums the pieces over `box` and hands over each row of coverage, top to bottom.
    void sum(const QRect& box, const std::function<void(int, const float*)>& row) const;
};

} // namespace vorlenza
