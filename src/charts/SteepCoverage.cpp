#include "SteepCoverage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlenza {

namespace {

constexpr double kMostAcross = 0.25; // device pixels from one end of a piece to the other, across

} // namespace

bool SteepCoverage::isSteep(const QPointF& a, const QPointF& b, double penWidth)
{
    return std::abs(b.x() - a.x()) <= kMostAcross && std::abs(b.y() - a.y()) >= 2.0 * penWidth;
}

SteepCoverage::SteepCoverage(const QRect& bounds, double penWidth) : m_bounds(bounds), m_halfWidth(penWidth / 2.0) {}

void SteepCoverage::add(const QPointF& a, const QPointF& b)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    if (!(std::abs(dy) > 0.0) || !std::isfinite(dx) || !std::isfinite(dy))
        return;
    // Across, the stroke of a steep piece is as wide as the pen divided by the cosine of its tilt;
    // its ends are all but flat.
    const double across = m_halfWidth * std::sqrt(dx * dx + dy * dy) / std::abs(dy);
    const double middle = (a.x() + b.x()) / 2.0;
    const Piece piece{middle - across, middle + across, std::min(a.y(), b.y()), std::max(a.y(), b.y())};
    if (piece.right <= m_bounds.left() || piece.left >= m_bounds.right() + 1 || piece.bottom <= m_bounds.top() ||
        piece.top >= m_bounds.bottom() + 1)
        return;
    m_pieces.push_back(piece);
    m_left = std::min(m_left, piece.left);
    m_right = std::max(m_right, piece.right);
    m_top = std::min(m_top, piece.top);
    m_bottom = std::max(m_bottom, piece.bottom);
}

QRect SteepCoverage::box() const
{
    if (m_pieces.empty())
        return {};
    const auto first = [](double v) { return static_cast<int>(std::floor(std::clamp(v, -1.0e6, 1.0e6))); };
    const auto last = [](double v) { return static_cast<int>(std::ceil(std::clamp(v, -1.0e6, 1.0e6))) - 1; };
    return QRect(QPoint(first(m_left), first(m_top)), QPoint(last(m_right), last(m_bottom))) & m_bounds;
}

void SteepCoverage::sum(const QRect& box, const std::function<void(int, const float*)>& row) const
{
    const int left = box.left(), top = box.top();
    const int w = box.width(), h = box.height();
    const double topEdge = top, bottomEdge = top + h;
    // Each piece adds its width in a column to the rows it fills (kept as the change from the row
    // above) and the filled part of a width to the rows it only partly fills. The buffers stay
    // with the thread, so that drawing again does not ask the system for fresh memory.
    struct Cell {
        float fullFrom, partly;
    };
    thread_local std::vector<Cell> cells;
    thread_local std::vector<float> running, values;
    cells.assign(static_cast<std::size_t>(w) * (h + 1), Cell{0.0f, 0.0f});
    const auto at = [w](int r, int c) -> Cell& { return cells[static_cast<std::size_t>(r) * w + c]; };
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
            if (r0 == r1) {
                at(r0, c).partly += static_cast<float>(share * (y1 - y0));
                continue;
            }
            const auto s = static_cast<float>(share);
            at(r0, c).partly += static_cast<float>(share * (top + r0 + 1 - y0));
            at(r0 + 1, c).fullFrom += s;
            at(r1, c).fullFrom -= s;
            at(r1, c).partly += static_cast<float>(share * (y1 - (top + r1))); // row h is never read
        }
    }
    running.assign(static_cast<std::size_t>(w), 0.0f);
    values.resize(static_cast<std::size_t>(w));
    for (int r = 0; r < h; ++r) {
        const Cell* line = cells.data() + static_cast<std::size_t>(r) * w;
        for (int c = 0; c < w; ++c) {
            running[static_cast<std::size_t>(c)] += line[c].fullFrom;
            values[static_cast<std::size_t>(c)] = running[static_cast<std::size_t>(c)] + line[c].partly;
        }
        row(r, values.data());
    }
}

double SteepCoverage::coverage(int x, int y) const
{
    const QRect b = box();
    if (!b.contains(x, y))
        return 0.0;
    double v = 0.0;
    sum(b, [&](int r, const float* values) {
        if (r == y - b.top())
            v = values[x - b.left()];
    });
    return std::clamp(v, 0.0, 1.0);
}

QImage SteepCoverage::image(const QColor& colour, QPoint* at) const
{
    const QRect b = box();
    if (at)
        *at = b.topLeft();
    if (b.isEmpty())
        return {};
    std::array<QRgb, 256> shade{};
    const QRgb rgb = colour.rgb();
    for (int level = 0; level < 256; ++level)
        shade[static_cast<std::size_t>(level)] =
            qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), (colour.alpha() * level + 127) / 255));
    QImage out(b.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    const int w = b.width();
    sum(b, [&](int r, const float* values) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(r));
        for (int c = 0; c < w; ++c) {
            const float v = values[c];
            line[c] = v <= 0.0f ? 0u : shade[static_cast<std::size_t>(std::min(v, 1.0f) * 255.0f + 0.5f)];
        }
    });
    return out;
}

} // namespace vorlenza
