#pragma once

#include <limits>
#include <vector>

namespace vorlenza {

/// The data grid of a chart: columns of rows of values, 1-based as the chart operations count
/// them. Columns 2k-1 and 2k hold the X and Y values of series k. An empty cell is NaN; cells that
/// a column or row count adds start empty, and a shrinking count drops what lies beyond it.
class ChartGrid {
public:
    void setColumnCount(int count);
    void setRowCount(int count);
    /// Sets one cell (an empty one when `empty`); false, and nothing changes, outside the grid.
    bool setCell(int row, int column, double value, bool empty)
    {
        if (row < 1 || row > m_rows || column < 1 || column > m_columns)
            return false;
        m_cells[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)] =
            empty ? std::numeric_limits<double>::quiet_NaN() : value;
        return true;
    }

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    /// The number of whole X/Y column pairs.
    int seriesCount() const { return m_columns / 2; }
    /// The X and the Y values of series k (0-based), one per row.
    const std::vector<double>& xs(int k) const { return m_cells[static_cast<std::size_t>(2 * k)]; }
    const std::vector<double>& ys(int k) const { return m_cells[static_cast<std::size_t>(2 * k + 1)]; }

    /// The smallest and largest X and Y of the points of the first `series` series whose X and Y
    /// are both finite; with none, lo is +infinity and hi is -infinity.
    struct Extent {
        double xLo = std::numeric_limits<double>::infinity();
        double xHi = -std::numeric_limits<double>::infinity();
        double yLo = std::numeric_limits<double>::infinity();
        double yHi = -std::numeric_limits<double>::infinity();
    };
    Extent extent(int series) const;

private:
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::vector<double>> m_cells; ///< by column, then row
};

} // namespace vorlenza
