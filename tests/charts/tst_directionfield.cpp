// The direction arrows of the phase plane: where they are, which way they point, how long they
// are, and that they sit under the series and leave no trace when turned off.

#include "ChartProcedures.h"
#include "ChartView.h"
#include "DirectionField.h"
#include "ModelFixtures.h"

#include <QtTest>

#include <cmath>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)
Q_DECLARE_METATYPE(PlotFrame)

namespace {

const QSize kLargeChart(775, 532);

/// The start-up fields: K1 = 200, K2 = 100, alpha = 1, beta = 0.4, r1 = 0.2, r2 = 0.3.
ModelParameters defaults() { return {200.0, 100.0, 1.0, 0.4, 0.2, 0.3}; }

/// N1 0..300 and N2 -8..292 in 15 cells of 20: grid points at N1 = 10, 30, ... and N2 = 2, 22, ...
const PlotFrame kFrame{0.0, 300.0, -8.0, 292.0, QRectF(60, 30, 600, 450)};

QPointF pixelOf(const PlotFrame& f, double n1, double n2)
{
    return {f.pixels.left() + (n1 - f.n1Lo) / (f.n1Hi - f.n1Lo) * f.pixels.width(),
            f.pixels.bottom() - (n2 - f.n2Lo) / (f.n2Hi - f.n2Lo) * f.pixels.height()};
}

const FieldArrow* arrowAt(const std::vector<FieldArrow>& arrows, QPointF at)
{
    for (const FieldArrow& a : arrows)
        if (std::abs(a.at.x() - at.x()) < 1e-6 && std::abs(a.at.y() - at.y()) < 1e-6)
            return &a;
    return nullptr;
}

double lengthOf(const FieldArrow& a) { return std::hypot(a.head.x() - a.tail.x(), a.head.y() - a.tail.y()); }

int sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

bool redMarker(QColor c) { return c.red() > 230 && c.green() < 40 && c.blue() < 40; }

bool arrowColoured(QColor c)
{
    const QColor a = DirectionField::colour();
    return std::abs(c.red() - a.red()) < 12 && std::abs(c.green() - a.green()) < 12 &&
           std::abs(c.blue() - a.blue()) < 12;
}

int count(const QImage& image, const QRect& area, bool (*match)(QColor), bool inside)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (area.contains(x, y) == inside && match(image.pixelColor(x, y)))
                ++n;
    return n;
}

} // namespace

class TestDirectionField : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans")); }

    void arrowsFollowTheModelStepInEachRegion_data()
    {
        QTest::addColumn<double>("n1");
        QTest::addColumn<double>("n2");
        QTest::addColumn<int>("right"); // +1: N1 grows, the arrow points right
        QTest::addColumn<int>("up");    // +1: N2 grows, the arrow points up (pixel y falls)
        // Isocline A: N1 + N2 = 200; isocline B: N2 = 100 - 0.4 N1; they cross at (166.7, 33.3).
        QTest::newRow("below both: both grow") << 50.0 << 2.0 << 1 << 1;
        QTest::newRow("above both: both fall") << 250.0 << 282.0 << -1 << -1;
        QTest::newRow("between, left: A grows, B falls") << 30.0 << 142.0 << 1 << -1;
        QTest::newRow("between, right: A falls, B grows") << 230.0 << 2.0 << -1 << 1;
    }
    void arrowsFollowTheModelStepInEachRegion()
    {
        QFETCH(double, n1);
        QFETCH(double, n2);
        QFETCH(int, right);
        QFETCH(int, up);
        const std::vector<FieldArrow> arrows = directionArrows(defaults(), kFrame);
        const FieldArrow* a = arrowAt(arrows, pixelOf(kFrame, n1, n2));
        QVERIFY(a != nullptr);
        QCOMPARE(sign(a->head.x() - a->tail.x()), right);
        QCOMPARE(sign(a->tail.y() - a->head.y()), up);
        // Along the step itself, on the pixel scale of each axis.
        const DayStep step = stepOneDay(defaults(), n1, n2);
        const double pxPerN1 = kFrame.pixels.width() / 300.0, pxPerN2 = kFrame.pixels.height() / 300.0;
        const double expected = std::atan2(step.dN2 * pxPerN2, step.dN1 * pxPerN1);
        const double drawn = std::atan2(a->tail.y() - a->head.y(), a->head.x() - a->tail.x());
        QVERIFY2(std::abs(expected - drawn) < 1e-9, qPrintable(QStringLiteral("%1 vs %2").arg(expected).arg(drawn)));
        // Centred on its grid point.
        QVERIFY(std::abs((a->tail.x() + a->head.x()) / 2 - a->at.x()) < 1e-9);
        QVERIFY(std::abs((a->tail.y() + a->head.y()) / 2 - a->at.y()) < 1e-9);
    }

    void gridCoversTheRangeAndTheLongestArrowFitsACell_data()
    {
        QTest::addColumn<PlotFrame>("frame");
        QTest::addColumn<int>("perSide");
        QTest::newRow("wide pixels, 15") << kFrame << 15;
        QTest::newRow("tall pixels, 15") << PlotFrame{0, 250, 0, 120, QRectF(0, 0, 200, 700)} << 15;
        QTest::newRow("far from the equilibrium") << PlotFrame{1000, 5000, 1000, 3000, QRectF(10, 10, 500, 400)} << 15;
        QTest::newRow("one point") << kFrame << 1;
    }
    void gridCoversTheRangeAndTheLongestArrowFitsACell()
    {
        QFETCH(PlotFrame, frame);
        QFETCH(int, perSide);
        const std::vector<FieldArrow> arrows = directionArrows(defaults(), frame, perSide);
        QCOMPARE(int(arrows.size()), perSide * perSide);
        const double cell = std::min(frame.pixels.width(), frame.pixels.height()) / perSide;
        double longest = 0;
        for (const FieldArrow& a : arrows) {
            longest = std::max(longest, lengthOf(a));
            QVERIFY(frame.pixels.contains(a.at));
        }
        QVERIFY2(std::abs(longest - 0.9 * cell) < 1e-9, qPrintable(QString::number(longest)));
        // The corner cells' centres are half a cell in from the frame.
        const double halfW = frame.pixels.width() / perSide / 2, halfH = frame.pixels.height() / perSide / 2;
        QVERIFY(arrowAt(arrows, QPointF(frame.pixels.left() + halfW, frame.pixels.bottom() - halfH)) != nullptr);
        QVERIFY(arrowAt(arrows, QPointF(frame.pixels.right() - halfW, frame.pixels.top() + halfH)) != nullptr);
    }

    void pointsWithoutChangeOrOutsideTheNumbersGetNoArrow()
    {
        // With N1 -10..20 and N2 -10..20 in 3 cells, the middle grid point is (5, 5) and the corner
        // one (-5, -5); shifting by 5 puts a grid point right on the empty plane (0, 0).
        const PlotFrame frame{-15.0, 15.0, -15.0, 15.0, QRectF(0, 0, 300, 300)};
        QCOMPARE(int(directionArrows(defaults(), frame, 3).size()), 8);
        // The step overflows for every point: no arrows at all, and no division by zero.
        const ModelParameters wild{1.0, 1.0, 1.0, 1.0, 1e308, 1e308};
        QVERIFY(directionArrows(wild, PlotFrame{1e10, 2e10, 1e10, 2e10, QRectF(0, 0, 300, 300)}).empty());
        // Nothing to draw on.
        QVERIFY(directionArrows(defaults(), PlotFrame{0, 100, 0, 100, QRectF()}).empty());
        QVERIFY(directionArrows(defaults(), PlotFrame{5, 5, 0, 100, QRectF(0, 0, 300, 300)}).empty());
        QVERIFY(directionArrows(defaults(), kFrame, 0).empty());
    }

    void onTheChartUnderTheSeriesAndGoneWhenOff_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<int>("preset");
        QTest::newRow("isoclines, start-up fields") << ChartProcedure::LargeShowN2vsN1withIsoclines << 0;
        QTest::newRow("isoclines, A wins") << ChartProcedure::LargeShowN2vsN1withIsoclines << 2;
        QTest::newRow("points") << ChartProcedure::MainShowN1vsN2 << 3;
    }
    void onTheChartUnderTheSeriesAndGoneWhenOff()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(int, preset);
        const auto run = CompletedRun(preset ? presetFieldTexts(preset) : FieldTexts{});
        ChartView view;
        view.resize(kLargeChart);
        view.show();
        drawChart(view, procedure, *run);
        view.replot();
        const QImage plain = view.grab().toImage();
        const QRect plotArea = view.axisRect()->rect();

        ShowDirectionField(view, true, parametersOf(*run));
        view.replot();
        const QImage arrows = view.grab().toImage();
        QVERIFY(arrows != plain);
        QVERIFY(count(arrows, plotArea, arrowColoured, true) > 200);
        QCOMPARE(count(arrows, plotArea, arrowColoured, false), 0); // clipped to the plot
        QCOMPARE(count(arrows, plotArea, redMarker, true), count(plain, plotArea, redMarker, true)); // under them

        // Each drawn arrow points the way the step goes from the point under it on this chart.
        const DirectionField* field = findDirectionField(view);
        QVERIFY(field != nullptr);
        QVERIFY(field->drawnArrows().size() > 200);
        for (const FieldArrow& a : field->drawnArrows()) {
            const DayStep step =
                stepOneDay(parametersOf(*run), view.xAxis->pixelToCoord(a.at.x()), view.yAxis->pixelToCoord(a.at.y()));
            if (std::abs(step.dN1) > 1e-6)
                QCOMPARE(sign(a.head.x() - a.tail.x()), sign(step.dN1));
            if (std::abs(step.dN2) > 1e-6)
                QCOMPARE(sign(a.tail.y() - a.head.y()), sign(step.dN2));
        }

        // The frame is the axes' own: its corners are the ends of both ranges.
        const PlotFrame frame = frameOf(view);
        QCOMPARE(frame.n1Lo, view.xAxis->range().lower);
        QCOMPARE(frame.n2Hi, view.yAxis->range().upper);
        QCOMPARE(view.xAxis->pixelToCoord(frame.pixels.left()), frame.n1Lo);
        QCOMPARE(view.yAxis->pixelToCoord(frame.pixels.top()), frame.n2Hi);
        QCOMPARE(view.yAxis->pixelToCoord(frame.pixels.bottom()), frame.n2Lo);

        // A new range is followed at the next replot.
        const std::vector<FieldArrow> before = field->drawnArrows();
        view.xAxis->setRange(0, 50);
        view.replot();
        QVERIFY(field->drawnArrows().size() == before.size());
        QVERIFY(field->drawnArrows()[0].head != before[0].head);
        drawChart(view, procedure, *run); // drawing the chart again keeps them
        view.replot();
        QVERIFY(findDirectionField(view) != nullptr);
        QCOMPARE(view.grab().toImage(), arrows);

        ShowDirectionField(view, false, parametersOf(*run));
        view.replot();
        QVERIFY(findDirectionField(view) == nullptr);
        QCOMPARE(view.grab().toImage(), plain);
    }

    // Where the trajectory runs (near the equilibrium) the change per day is small; the arrows there
    // must still show which way it goes.
    void everyArrowIsLongEnoughAndHasAHead_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start-up fields, large window")
            << ChartProcedure::LargeShowN2vsN1withIsoclines << 0 << kLargeChart;
        QTest::newRow("A wins, large window") << ChartProcedure::LargeShowN2vsN1withIsoclines << 2 << kLargeChart;
        QTest::newRow("start-up fields, main window")
            << ChartProcedure::MainShowN2vsN1withIsoclines << 0 << QSize(340, 276);
        QTest::newRow("A wins, main window") << ChartProcedure::MainShowN2vsN1withIsoclines << 2 << QSize(340, 276);
    }
    void everyArrowIsLongEnoughAndHasAHead()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(int, preset);
        QFETCH(QSize, size);
        const auto run = CompletedRun(preset ? presetFieldTexts(preset) : FieldTexts{});
        ChartView view;
        view.resize(size);
        drawChart(view, procedure, *run);
        ShowDirectionField(view, true, parametersOf(*run));
        view.replot();
        const PlotFrame frame = frameOf(view);
        const double cell = std::min(frame.pixels.width(), frame.pixels.height()) / kFieldPointsPerSide;
        const std::vector<FieldArrow>& arrows = findDirectionField(view)->drawnArrows();
        QCOMPARE(int(arrows.size()), kFieldPointsPerSide * kFieldPointsPerSide);
        double shortest = 1e9, longest = 0;
        for (const FieldArrow& a : arrows) {
            const double length = lengthOf(a);
            shortest = std::min(shortest, length);
            longest = std::max(longest, length);
            const QPointF base = (a.barbs[0] + a.barbs[1]) / 2;
            const double head = std::hypot(a.head.x() - base.x(), a.head.y() - base.y());
            const double width = std::hypot(a.barbs[0].x() - a.barbs[1].x(), a.barbs[0].y() - a.barbs[1].y());
            QVERIFY2(head >= kMinimumHeadLength - 1e-9 && head <= length * 2 / 3 && width >= head / 2 - 1e-9,
                     qPrintable(QStringLiteral("head %1 on an arrow of %2").arg(head).arg(length)));
        }
        QVERIFY2(shortest >= cell / 2 - 1e-9, qPrintable(QStringLiteral("%1 of a cell of %2").arg(shortest).arg(cell)));
        QVERIFY2(std::abs(longest - 0.9 * cell) < 1e-9, qPrintable(QString::number(longest)));
        QVERIFY2(longest - shortest > cell / 10, "the lengths no longer tell the speed");
    }

    void parametersOfTheLastRunAreUsed()
    {
        const auto first = CompletedRun(presetFieldTexts(2));
        const auto second = CompletedRun(presetFieldTexts(3));
        ChartView view;
        view.resize(kLargeChart);
        view.show();
        drawChart(view, ChartProcedure::LargeShowN2vsN1withIsoclines, *first);
        ShowDirectionField(view, true, parametersOf(*first));
        ShowDirectionField(view, true, parametersOf(*second)); // on again: one field, new numbers
        view.replot();
        QCOMPARE(view.findChildren<DirectionField*>().size(), 1);
        QCOMPARE(findDirectionField(view)->parameters().K2, second->K2);
        const std::vector<FieldArrow> expected = directionArrows(parametersOf(*second), frameOf(view));
        QCOMPARE(findDirectionField(view)->drawnArrows().size(), expected.size());
        QCOMPARE(findDirectionField(view)->drawnArrows().back().head, expected.back().head);
    }
};

QTEST_MAIN(TestDirectionField)
#include "tst_directionfield.moc"
