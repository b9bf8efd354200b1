#include "ChartGrid.h"

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {
constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();
} // namespace

void ChartGrid::setColumnCount(int count)
{
    m_columns = std::max(0, count);
    m_cells.resize(static_cast<std::size_t>(m_columns), std::vector<double>(static_cast<std::size_t>(m_rows), kEmpty));
}

void ChartGrid::setRowCount(int count)
{
    m_rows = std::max(0, count);
    for (std::vector<double>& column : m_cells)
        column.resize(static_cast<std::size_t>(m_rows), kEmpty);
}

ChartGrid::Extent ChartGrid::extent(int series) const
{
    Extent e;
    double xLo = e.xLo, xHi = e.xHi, yLo = e.yLo, yHi = e.yHi;
    for (int k = 0; k < series; ++k) {
        const std::vector<double>& x = xs(k);
        const std::vector<double>& y = ys(k);
        for (std::size_t r = 0; r < x.size(); ++r) {
            if (!std::isfinite(x[r]) || !std::isfinite(y[r]))
                continue;
            xLo = std::min(xLo, x[r]);
            xHi = std::max(xHi, x[r]);
            yLo = std::min(yLo, y[r]);
            yHi = std::max(yHi, y[r]);
        }
    }
    e.xLo = xLo;
    e.xHi = xHi;
    e.yLo = yLo;
    e.yHi = yHi;
    return e;
}

} // namespace vorlenza
