#include "SeriesThinning.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace vorlenza {

namespace {

/// The device pixel a point falls on, packed into one number (coordinates far outside the plot
/// are clamped; QCustomPlot keeps them within a few plot widths anyway).
std::uint64_t pixelOf(const QPointF& p, double scale)
{
    const auto coordinate = [scale](double v) {
        const double d = std::floor(std::clamp(v * scale, -2.0e9, 2.0e9));
        return static_cast<std::uint32_t>(static_cast<std::int32_t>(d));
    };
    return (static_cast<std::uint64_t>(coordinate(p.x())) << 32) | coordinate(p.y());
}

struct PixelPair {
    std::uint64_t a, b;
    bool operator==(const PixelPair& o) const { return a == o.a && b == o.b; }
};

struct PixelPairHash {
    std::size_t operator()(const PixelPair& p) const
    {
        return std::hash<std::uint64_t>()(p.a * 0x9E3779B97F4A7C15ULL ^ p.b);
    }
};

QLineF lengthened(QLineF line, bool atStart, bool atEnd, double by)
{
    const double length = line.length();
    if (length <= 0.0 || by <= 0.0)
        return line;
    const QPointF step = (line.p2() - line.p1()) * (by / length);
    if (atStart)
        line.setP1(line.p1() - step);
    if (atEnd)
        line.setP2(line.p2() + step);
    return line;
}

} // namespace

bool inColumnOrder(const QVector<QPointF>& points)
{
    double last = -std::numeric_limits<double>::infinity();
    for (const QPointF& p : points) {
        if (isGap(p))
            continue;
        if (p.x() < last)
            return false;
        last = p.x();
    }
    return true;
}

QVector<QPointF> columnExtremes(const QVector<QPointF>& points, double scale)
{
    QVector<QPointF> out;
    out.reserve(std::min<qsizetype>(points.size(), 4096));
    qsizetype first = -1, last = -1, low = -1, high = -1;
    double column = 0.0;
    const auto flush = [&] {
        if (first < 0)
            return;
        // first, then lowest and highest in the order they came, then last; each point once
        qsizetype picks[4] = {first, std::min(low, high), std::max(low, high), last};
        qsizetype previous = -1;
        for (qsizetype i : picks)
            if (i != previous) {
                out.append(points[i]);
                previous = i;
            }
        first = -1;
    };
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF& p = points[i];
        if (isGap(p)) {
            flush();
            out.append(p);
            continue;
        }
        const double c = std::floor(p.x() * scale);
        if (first >= 0 && c != column)
            flush();
        if (first < 0) {
            first = low = high = i;
            column = c;
        }
        last = i;
        if (p.y() < points[low].y())
            low = i;
        if (p.y() > points[high].y())
            high = i;
    }
    flush();
    return out;
}

QVector<QLineF> lineSegments(const QVector<QPointF>& points, double scale, bool skipRepeats, double capLength,
                             bool capFirst, bool capLast)
{
    bool capStart = capFirst; // whether the current stretch begins with a cap
    QVector<QLineF> out;
    std::unordered_set<PixelPair, PixelPairHash> drawn;
    qsizetype stretchStart = 0; // index into `out` of the first segment of the current stretch
    bool haveLast = false;
    QPointF first, last;
    constexpr qsizetype kMaxJoined = 64;      // inner points checked per joined segment
    const double straightness = 0.02 / scale; // device pixels off the straight line
    QVector<QPointF> joined;                  // the inner points of the last segment
    bool joinable = false;
    const auto endStretch = [&](bool capEnd) {
        // only where the kept segment really is the stretch's end
        if (stretchStart < out.size()) {
            if (capStart && out[stretchStart].p1() == first)
                out[stretchStart] = lengthened(out[stretchStart], true, false, capLength);
            if (capEnd && out.last().p2() == last)
                out.last() = lengthened(out.last(), false, true, capLength);
        }
        capStart = true;
        stretchStart = out.size();
        haveLast = false;
        joinable = false;
        joined.clear();
    };
    for (const QPointF& p : points) {
        if (isGap(p)) {
            endStretch(true);
            continue;
        }
        if (!haveLast)
            first = p;
        if (haveLast && p != last) {
            bool keep = true;
            if (skipRepeats) {
                const std::uint64_t a = pixelOf(last, scale), b = pixelOf(p, scale);
                keep = drawn.insert(PixelPair{std::min(a, b), std::max(a, b)}).second;
            }
            if (keep) {
                // Points on one straight line make one segment: separate segments would blend
                // their antialiased ends twice where they meet.
                bool merged = false;
                if (joinable && out.size() > stretchStart && out.last().p2() == last && joined.size() < kMaxJoined) {
                    const QLineF chord(out.last().p1(), p);
                    const double length = chord.length();
                    const QPointF along = (chord.p2() - chord.p1()) / (length > 0.0 ? length : 1.0);
                    merged = length > 0.0;
                    joined.append(last);
                    for (const QPointF& q : joined) {
                        const QPointF d = q - chord.p1();
                        const double t = d.x() * along.x() + d.y() * along.y();
                        const double off = std::abs(d.x() * along.y() - d.y() * along.x());
                        if (off > straightness || t < 0.0 || t > length) {
                            merged = false;
                            break;
                        }
                    }
                    if (merged)
                        out.last().setP2(p);
                }
                if (!merged) {
                    out.append(QLineF(last, p));
                    joined.clear();
                }
                joinable = true;
            } else {
                joinable = false;
            }
        }
        last = p;
        haveLast = true;
    }
    endStretch(capLast);
    return out;
}

QVector<QPointF> topmostMarkers(const QVector<QPointF>& points, double scale)
{
    // Markers a quarter pixel apart still shade the antialiased edges of a marker differently;
    // a second marker on one spot still darkens the edges (more copies hardly do).
    constexpr double kMarkerGrid = 4.0;
    constexpr int kCopies = 2;
    std::unordered_map<std::uint64_t, int> drawnOn;
    drawnOn.reserve(static_cast<std::size_t>(std::min<qsizetype>(points.size(), 1 << 16)));
    QVector<bool> keep(points.size(), false);
    qsizetype kept = 0;
    for (qsizetype i = points.size() - 1; i >= 0; --i) {
        if (isGap(points[i]))
            continue;
        if (++drawnOn[pixelOf(points[i], scale * kMarkerGrid)] <= kCopies) {
            keep[i] = true;
            ++kept;
        }
    }
    QVector<QPointF> out;
    out.reserve(kept);
    for (qsizetype i = 0; i < points.size(); ++i)
        if (keep[i])
            out.append(points[i]);
    return out;
}

} // namespace vorlenza
