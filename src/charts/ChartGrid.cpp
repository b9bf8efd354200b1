#include "ChartGrid.h"

#include <algorithm>
#include <cmath>

namespace
{
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

bool ChartGrid::setCell(int row, int column, double value, bool empty)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return false;
    m_cells[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)] = empty ? kEmpty : value;
    return true;
}

ChartGrid::Extent ChartGrid::extent(int series) const
{
    Extent e;
    for (int k = 0; k < series; ++k) {
        const std::vector<double>& x = xs(k);
        const std::vector<double>& y = ys(k);
        for (std::size_t r = 0; r < x.size(); ++r) {
            if (!std::isfinite(x[r]) || !std::isfinite(y[r]))
                continue;
            e.xLo = std::min(e.xLo, x[r]);
            e.xHi = std::max(e.xHi, x[r]);
            e.yLo = std::min(e.yLo, y[r]);
            e.yHi = std::max(e.yHi, y[r]);
        }
    }
    return e;
}
