// Thinned series against every point drawn: the pictures agree within a pixel, on screen scale and
// on a high-density one, for a run that settles and for a chaotic one; and the thinning rules
// themselves at their edges (gaps, column order, repeated pixels, the marker left on top).

#include "ChartProcedures.h"
#include "ChartView.h"
#include "ModelFixtures.h"
#include "SeriesThinning.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)

namespace
{

const QSize kLargeChart(775, 532); // 11628 x 7980 twips
const double kGap = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<ModelState> runOf(const char* r1)
{
    FieldTexts fields;
    fields.simut = "9999";
    fields.rrateA = r1;
    return CompletedRun(fields);
}

struct Picture {
    QImage image;
    int plotPixels = 0; ///< of the axis rect, at the rendering's scale
};

/// The chart drawn by `procedure` after `before`, rendered at `scale`; `curves` off hides every series.
Picture render(ChartProcedure before, ChartProcedure procedure, const ModelState& state, double scale,
              bool every, bool curves = true)
{
    ChartView view;
    view.resize(kLargeChart);
    view.setDrawEveryPoint(every);
    drawChart(view, before, state);
    drawChart(view, procedure, state);
    view.replot();
    for (int k = 1; k <= view.seriesCount(); ++k)
        view.seriesCurve(k)->setVisible(curves);
    const QRect plot = view.axisRect()->rect();
    return {view.toPixmap(0, 0, scale).toImage().convertToFormat(QImage::Format_RGB32),
            static_cast<int>(plot.width() * plot.height() * scale * scale)};
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class TestSeriesThinning : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans")); }

    void thinnedPictureStaysWithinAPixelOfEveryPoint_data()
    {
        QTest::addColumn<ChartProcedure>("before");
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<QString>("r1");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("countShortfall"); // see below
        QTest::addColumn<bool>("bandShortfall");
        using P = ChartProcedure;
        struct Kind {
            const char* name;
            P before, procedure;
            bool timeSeries;
        };
        const Kind kinds[] = {
            {"time-series lines", P::LargeShowN2vsN1, P::LargeShowdNvsT, true},
            {"four time-series lines", P::LargeShowN2vsN1withIsoclines, P::LargeShowAllGraphs, true},
            {"time-series line with markers", P::MainShowN1vsN2, P::MainShowN2anddN2vsT, true},
            {"phase-plane line", P::LargeShowN2vsN1, P::LargeShowN2vsN1inLine, false},
            {"phase-plane markers", P::LargeShowN2vsN1, P::LargeShowN2vsN1, false},
            {"isoclines and markers", P::LargeShowN2vsN1, P::LargeShowN2vsN1withIsoclines, false},
        };
        for (const Kind& k : kinds)
            for (const char* r1 : {"0.2", "3.8"})
                for (double scale : {1.0, 2.0}) {
                    const bool zigzag = k.timeSeries && r1[0] == '3';
                    // the main window's smaller chart shades its zigzag within bounds at 2x
                    const bool large = k.procedure != P::MainShowN2anddN2vsT;
                    QTest::addRow("%s, r1 %s, %gx", k.name, r1, scale)
                        << k.before << k.procedure << r1 << scale << (zigzag && (large || scale == 1.0))
                        << (zigzag && scale > 1.0);
                }
    }

    void thinnedPictureStaysWithinAPixelOfEveryPoint()
    {
        QFETCH(ChartProcedure, before);
        QFETCH(ChartProcedure, procedure);
        QFETCH(QString, r1);
        QFETCH(double, scale);
        QFETCH(bool, countShortfall);
        QFETCH(bool, bandShortfall);
        const auto run = runOf(r1.toLatin1().constData());
        const QImage thinned = render(before, procedure, *run, scale, false).image;
        const Picture everyPicture = render(before, procedure, *run, scale, true);
        const QImage& every = everyPicture.image;
        const QImage bare = render(before, procedure, *run, scale, true, false).image;
        QCOMPARE(thinned.size(), every.size());

        // The band: every pixel the curves change, grown by one pixel each way.
        const int w = every.width(), h = every.height();
        QVector<bool> band(w * h, false);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (every.pixel(x, y) != bare.pixel(x, y))
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h)
                                band[(y + dy) * w + x + dx] = true;

        int differing = 0, outside = 0, curvePixels = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                curvePixels += every.pixel(x, y) != bare.pixel(x, y);
                const int d = channelDifference(thinned.pixel(x, y), every.pixel(x, y));
                differing += d > 64;
                outside += d > 0 && !band[y * w + x];
            }
        QVERIFY2(curvePixels > 500, "the curves draw nothing"); // the comparison means something
        // Known shortfall: along the edges of the chaotic run's dense zigzag every point's stroke
        // tip adds to the antialiased shading; the extremes of each column alone shade it lighter
        // (about 0.5 % of the plot's pixels), and at 2x some of those edge pixels lie beyond the
        // one-pixel band.
        if (countShortfall)
            QEXPECT_FAIL("", "dense zigzag edges shade lighter when thinned", Continue);
        QVERIFY2(differing <= everyPicture.plotPixels / 1000,
                 qPrintable(QStringLiteral("%1 of %2 plot pixels differ, %3 outside the band")
                                .arg(differing)
                                .arg(everyPicture.plotPixels)
                                .arg(outside)));
        if (bandShortfall)
            QEXPECT_FAIL("", "dense zigzag edges at 2x reach beyond the band", Continue);
        QCOMPARE(outside, 0);
    }

    void columnExtremesKeepWhatAColumnShows_data()
    {
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QVector<QPointF>>("kept");
        const QVector<QPointF> zigzag = {{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.6, 4}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("one column, high before low")
            << QVector<QPointF>{{0.1, 5}, {0.3, 9}, {0.5, 1}, {0.9, 6}} << 1.0
            << QVector<QPointF>{{0.1, 5}, {0.3, 9}, {0.5, 1}, {0.9, 6}};
        QTest::newRow("zigzag: inner points dropped") << zigzag << 1.0
                                                      << QVector<QPointF>{{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("twice the pixels keep more") << zigzag << 2.0
                                                    << QVector<QPointF>{{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.6, 4}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("a gap splits a column")
            << QVector<QPointF>{{0.1, 5}, {0.2, 1}, {0.3, 2}, {kGap, kGap}, {0.4, 7}, {0.5, 8}, {0.6, 0}} << 1.0
            << QVector<QPointF>{{0.1, 5}, {0.2, 1}, {0.3, 2}, {kGap, kGap}, {0.4, 7}, {0.5, 8}, {0.6, 0}};
        QTest::newRow("extremes are the ends") << QVector<QPointF>{{0.1, 1}, {0.4, 2}, {0.5, 3}, {0.8, 4}} << 1.0
                                               << QVector<QPointF>{{0.1, 1}, {0.8, 4}};
        QTest::newRow("one point") << QVector<QPointF>{{3.5, 2}} << 1.0 << QVector<QPointF>{{3.5, 2}};
    }

    void columnExtremesKeepWhatAColumnShows()
    {
        QFETCH(QVector<QPointF>, points);
        QFETCH(double, scale);
        QFETCH(QVector<QPointF>, kept);
        QVERIFY(inColumnOrder(points));
        const QVector<QPointF> out = columnExtremes(points, scale);
        QCOMPARE(out.size(), kept.size());
        for (qsizetype i = 0; i < out.size(); ++i)
            QVERIFY2(out[i] == kept[i] || (std::isnan(out[i].x()) && std::isnan(kept[i].x())),
                     qPrintable(QStringLiteral("point %1").arg(i)));
    }

    void aPhasePlaneLoopIsNotInColumnOrder()
    {
        QVERIFY(!inColumnOrder({{0, 0}, {2, 1}, {1, 2}}));
        QVERIFY(inColumnOrder({{0, 0}, {2, 1}, {kGap, kGap}, {2, 5}, {3, 2}}));
    }

    void segmentsLeaveOutRepeatsAndKeepTheEnds()
    {
        // out and back along the same pixels, then a zero-length step, then a new segment
        const QVector<QPointF> trip = {{0.2, 0.2}, {10.2, 0.2}, {0.6, 0.3}, {0.6, 0.3}, {0.6, 8.0}};
        const QVector<QLineF> thinned = lineSegments(trip, 1.0, true, 0.0);
        QCOMPARE(thinned.size(), 2);
        QCOMPARE(thinned[0], QLineF(0.2, 0.2, 10.2, 0.2));
        QCOMPARE(thinned[1], QLineF(0.6, 0.3, 0.6, 8.0));
        // at twice the pixels the way back lands on other pixels and stays
        QCOMPARE(lineSegments(trip, 2.0, true, 0.0).size(), 3);
        // drawn without skipping: every segment of non-zero length
        QCOMPARE(lineSegments(trip, 1.0, false, 0.0).size(), 3);

        // straight runs join into one segment; caps lengthen only the ends of each stretch
        const QVector<QPointF> two = {{0, 0}, {1, 0}, {2, 0}, {kGap, kGap}, {5, 5}, {5, 6}, {6, 6}};
        const QVector<QLineF> capped = lineSegments(two, 1.0, false, 0.5);
        QCOMPARE(capped.size(), 3);
        QCOMPARE(capped[0], QLineF(-0.5, 0, 2.5, 0));
        QCOMPARE(capped[1], QLineF(5, 4.5, 5, 6));
        QCOMPARE(capped[2], QLineF(5, 6, 6.5, 6));
    }

    void markersOnOnePixelLeaveTheTopOne()
    {
        const QVector<QPointF> markers = {{1.01, 1.01}, {4.0, 4.0}, {1.1, 1.1}, {kGap, kGap}, {4.1, 4.1}};
        QCOMPARE(topmostMarkers(markers, 1.0), (QVector<QPointF>{{1.1, 1.1}, {4.1, 4.1}}));
        // at four times the pixels no two share a spot
        QCOMPARE(topmostMarkers(markers, 4.0).size(), 4);
    }
};

QTEST_MAIN(TestSeriesThinning)
#include "tst_seriesthinning.moc"
