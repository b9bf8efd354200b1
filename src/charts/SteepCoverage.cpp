#include "SteepCoverage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlenza {

namespace
{

constexpr double kMostAcross = 0.25; // device pixels from one end of a piece to the other, across

} // namespace

struct SteepCoverage::Grid {
    QRect box;
    std::vector<float> values; ///< row by row, box.width() per row
};

bool SteepCoverage::isSteep(const QPointF& a, const QPointF& b, double penWidth)
{
    return std::abs(b.x() - a.x()) <= kMostAcross && std::abs(b.y() - a.y()) >= 2.0 * penWidth;
}

SteepCoverage::SteepCoverage(const QRect& bounds, double penWidth) : m_bounds(bounds), m_halfWidth(penWidth / 2.0)
{
}

void SteepCoverage::add(const QPointF& a, const QPointF& b)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    if (!(std::abs(dy) > 0.0) || !std::isfinite(dx) || !std::isfinite(dy))
        return;
    // Across, the stroke of a steep piece is as wide as the pen divided by the cosine of its tilt;
    // its ends are all but flat.
    const double across = m_halfWidth * std::hypot(dx, dy) / std::abs(dy);
    const double middle = (a.x() + b.x()) / 2.0;
    const Piece piece{middle - across, middle + across, std::min(a.y(), b.y()), std::max(a.y(), b.y())};
    const auto first = [](double v) { return static_cast<int>(std::floor(std::clamp(v, -1.0e6, 1.0e6))); };
    const auto last = [](double v) { return static_cast<int>(std::ceil(std::clamp(v, -1.0e6, 1.0e6))) - 1; };
    const QRect touched =
        QRect(QPoint(first(piece.left), first(piece.top)), QPoint(last(piece.right), last(piece.bottom))) & m_bounds;
    if (touched.isEmpty())
        return;
    m_pieces.push_back(piece);
    m_covered |= touched;
}

SteepCoverage::Grid SteepCoverage::sum() const
{
    Grid grid;
    grid.box = m_covered;
    if (m_covered.isEmpty())
        return grid;
    const int left = m_covered.left(), top = m_covered.top();
    const int w = m_covered.width(), h = m_covered.height();
    const double topEdge = top, bottomEdge = top + h;
    // Each piece adds its width in a column to the rows it fills (kept as the change from the row
    // above) and the filled part of a width to the rows it only partly fills.
    std::vector<float> fullFrom(static_cast<std::size_t>(w) * (h + 1), 0.0f);
    std::vector<float>& partly = grid.values;
    partly.assign(static_cast<std::size_t>(w) * h, 0.0f);
    const auto at = [w](int row, int column) { return static_cast<std::size_t>(row) * w + column; };
    for (const Piece& p : m_pieces) {
        const double y0 = std::clamp(p.top, topEdge, bottomEdge), y1 = std::clamp(p.bottom, topEdge, bottomEdge);
        if (!(y1 > y0))
            continue;
        const int r0 = static_cast<int>(std::floor(y0)) - top, r1 = static_cast<int>(std::floor(y1)) - top;
        const int c0 = std::max(static_cast<int>(std::floor(p.left)), left) - left;
        const int c1 = std::min(static_cast<int>(std::floor(p.right)), left + w - 1) - left;
        for (int c = c0; c <= c1; ++c) {
            const double share = std::min(p.right, double(left + c + 1)) - std::max(p.left, double(left + c));
            if (!(share > 0.0))
                continue;
            const auto s = static_cast<float>(share);
            if (r0 == r1) {
                partly[at(r0, c)] += static_cast<float>(share * (y1 - y0));
                continue;
            }
            partly[at(r0, c)] += static_cast<float>(share * (top + r0 + 1 - y0));
            fullFrom[at(r0 + 1, c)] += s;
            fullFrom[at(r1, c)] -= s;
            if (r1 < h)
                partly[at(r1, c)] += static_cast<float>(share * (y1 - (top + r1)));
        }
    }
    std::vector<float> running(static_cast<std::size_t>(w), 0.0f);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            running[static_cast<std::size_t>(c)] += fullFrom[at(r, c)];
            partly[at(r, c)] += running[static_cast<std::size_t>(c)];
        }
    return grid;
}

double SteepCoverage::coverage(int x, int y) const
{
    const Grid grid = sum();
    if (!grid.box.contains(x, y))
        return 0.0;
    const float v = grid.values[static_cast<std::size_t>(y - grid.box.top()) * grid.box.width() + (x - grid.box.left())];
    return std::clamp(static_cast<double>(v), 0.0, 1.0);
}

QImage SteepCoverage::image(const QColor& colour, QPoint* at) const
{
    const Grid grid = sum();
    if (at)
        *at = grid.box.topLeft();
    if (grid.box.isEmpty())
        return {};
    std::array<QRgb, 256> shade{};
    const QRgb rgb = colour.rgb();
    for (int level = 0; level < 256; ++level)
        shade[static_cast<std::size_t>(level)] =
            qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), (colour.alpha() * level + 127) / 255));
    QImage out(grid.box.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    const int w = grid.box.width();
    for (int r = 0; r < grid.box.height(); ++r) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(r));
        const float* values = grid.values.data() + static_cast<std::size_t>(r) * w;
        for (int c = 0; c < w; ++c) {
            const float v = std::clamp(values[c], 0.0f, 1.0f);
            line[c] = shade[static_cast<std::size_t>(v * 255.0f + 0.5f)];
        }
    }
    return out;
}

} // namespace vorlenza
