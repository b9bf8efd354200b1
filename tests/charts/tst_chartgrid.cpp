// The chart's data grid: 1-based cells, empty cells as NaN, counts that grow and shrink, and the
// extent of the finite points of the series.

#include "ChartGrid.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace vorlenza;

class TestChartGrid : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty()
    {
        const ChartGrid g;
        QCOMPARE(g.columnCount(), 0);
        QCOMPARE(g.rowCount(), 0);
        QCOMPARE(g.seriesCount(), 0);
    }

    void newCellsAreEmptyWhicheverCountComesFirst()
    {
        ChartGrid columnsFirst;
        columnsFirst.setColumnCount(4);
        columnsFirst.setRowCount(3);
        ChartGrid rowsFirst;
        rowsFirst.setRowCount(3);
        rowsFirst.setColumnCount(4);
        for (const ChartGrid* g : {&columnsFirst, &rowsFirst}) {
            QCOMPARE(g->seriesCount(), 2);
            for (int k = 0; k < 2; ++k) {
                QCOMPARE(g->xs(k).size(), std::size_t(3));
                QCOMPARE(g->ys(k).size(), std::size_t(3));
                for (std::size_t r = 0; r < 3; ++r)
                    QVERIFY(std::isnan(g->xs(k)[r]) && std::isnan(g->ys(k)[r]));
            }
        }
    }

    void cellsAreCountedFromOne()
    {
        ChartGrid g;
        g.setColumnCount(4);
        g.setRowCount(2);
        QVERIFY(g.setCell(1, 1, 10.0, false));
        QVERIFY(g.setCell(2, 2, 20.0, false));
        QVERIFY(g.setCell(1, 3, 30.0, false));
        QVERIFY(g.setCell(2, 4, 40.0, false));
        QCOMPARE(g.xs(0)[0], 10.0);
        QCOMPARE(g.ys(0)[1], 20.0);
        QCOMPARE(g.xs(1)[0], 30.0);
        QCOMPARE(g.ys(1)[1], 40.0);
        QVERIFY(std::isnan(g.xs(0)[1]));
    }

    void outsideTheGridNothingChanges_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row 0") << 0 << 1;
        QTest::newRow("row past the last") << 3 << 1;
        QTest::newRow("column 0") << 1 << 0;
        QTest::newRow("column past the last") << 1 << 3;
        QTest::newRow("negative") << -1 << -1;
    }

    void outsideTheGridNothingChanges()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        ChartGrid g;
        g.setColumnCount(2);
        g.setRowCount(2);
        QVERIFY(!g.setCell(row, column, 5.0, false));
        for (std::size_t r = 0; r < 2; ++r)
            QVERIFY(std::isnan(g.xs(0)[r]) && std::isnan(g.ys(0)[r]));
    }

    void anEmptyCellForgetsItsValue()
    {
        ChartGrid g;
        g.setColumnCount(2);
        g.setRowCount(1);
        QVERIFY(g.setCell(1, 2, 7.0, false));
        QVERIFY(g.setCell(1, 2, 8.0, true));
        QVERIFY(std::isnan(g.ys(0)[0]));
    }

    void shrinkingDropsAndGrowingStartsEmpty()
    {
        ChartGrid g;
        g.setColumnCount(3); // one whole series and a lone X column
        g.setRowCount(2);
        QCOMPARE(g.seriesCount(), 1);
        QVERIFY(g.setCell(2, 1, 1.0, false));
        QVERIFY(g.setCell(2, 2, 2.0, false));
        g.setRowCount(1);
        g.setRowCount(2);
        QVERIFY(std::isnan(g.xs(0)[1]) && std::isnan(g.ys(0)[1]));
        g.setColumnCount(-4);
        QCOMPARE(g.columnCount(), 0);
        QVERIFY(!g.setCell(1, 1, 1.0, false));
        g.setRowCount(-1);
        QCOMPARE(g.rowCount(), 0);
    }

    void extentCoversTheFinitePointsOfTheSeriesAsked()
    {
        ChartGrid g;
        g.setColumnCount(4);
        g.setRowCount(4);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const double xs[] = {1.0, -2.0, 100.0, 5.0};
        const double ys[] = {10.0, 3.0, nan, inf};
        for (int r = 0; r < 4; ++r) {
            QVERIFY(g.setCell(r + 1, 1, xs[r], false));
            QVERIFY(g.setCell(r + 1, 2, ys[r], false));
            QVERIFY(g.setCell(r + 1, 3, 1000.0, false)); // series 2: far away
            QVERIFY(g.setCell(r + 1, 4, -1000.0, false));
        }
        const ChartGrid::Extent one = g.extent(1);
        QCOMPARE(one.xLo, -2.0);
        QCOMPARE(one.xHi, 1.0); // 100 and 5 have no finite Y
        QCOMPARE(one.yLo, 3.0);
        QCOMPARE(one.yHi, 10.0);
        const ChartGrid::Extent both = g.extent(2);
        QCOMPARE(both.xHi, 1000.0);
        QCOMPARE(both.yLo, -1000.0);
        const ChartGrid::Extent none = g.extent(0);
        QVERIFY(none.xLo > none.xHi && none.yLo > none.yHi);
    }
};

QTEST_GUILESS_MAIN(TestChartGrid)
#include "tst_chartgrid.moc"
