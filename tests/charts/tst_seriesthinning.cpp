// Thinned series against every point drawn: the pictures agree within a pixel, on screen scale and
// on a high-density one, for a run that settles, a chaotic, an oscillating and a near-extinction
// one; and the thinning rules themselves at their edges (gaps, column order, repeated pixels, the
// marker left on top, the summed coverage of steep pieces).
//
// Drawing every point of a chaotic run takes QPainter up to forty seconds a picture, and that picture
// depends on nothing but the program and libraries that draw it and the chart around the curves. It
// is kept in the build folder under a name made of all of these (the bytes of every binary this
// process runs, the row and the chart drawn without its curves), and drawn again whenever one of
// them changes.

#include "ChartProcedures.h"
#include "ChartView.h"
#include "ModelFixtures.h"
#include "SeriesThinning.h"
#include "SteepCoverage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)

namespace {

const QSize kLargeChart(775, 532); // 11628 x 7980 twips
const double kGap = std::numeric_limits<double>::quiet_NaN();

/// The runs teachers show: one that settles, a chaotic one, an oscillating one and one near
/// extinction, each made once for all the rows that draw it.
const ModelState& runNamed(const QString& name)
{
    static std::map<QString, std::unique_ptr<ModelState>> made;
    std::unique_ptr<ModelState>& run = made[name];
    if (run)
        return *run;
    FieldTexts fields;
    fields.simut = "9999";
    if (name == QLatin1String("near extinction")) {
        fields = presetFieldTexts(3, fields.simut);
        fields.a0 = "0.001";
    } else if (name == QLatin1String("chaotic")) {
        fields.rrateA = "3.8";
    } else if (name == QLatin1String("oscillating")) {
        fields.rrateA = "2.6";
        fields.rrateB = "2.9";
    }
    run = CompletedRun(fields);
    return *run;
}

struct Picture {
    QImage image;
    int plotPixels = 0; ///< of the axis rect, at the rendering's scale
};

/// The chart drawn by `procedure` after `before`, rendered at `scale`; `curves` off hides every series.
Picture render(ChartProcedure before, ChartProcedure procedure, const ModelState& state, double scale, bool every,
               bool curves = true)
{
    ChartView view;
    view.resize(kLargeChart);
    view.setDrawEveryPoint(every);
    drawChart(view, before, state);
    drawChart(view, procedure, state);
    // No replot: the picture is the only drawing needed. Every point of a chaotic run is one
    // stroke of thousands of pieces across the plot, which QPainter takes seconds to draw.
    for (int k = 1; k <= view.seriesCount(); ++k)
        view.seriesCurve(k)->setVisible(curves);
    QImage image = view.toPixmap(0, 0, scale).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect plot = view.axisRect()->rect(); // laid out by the drawing
    return {std::move(image), static_cast<int>(plot.width() * plot.height() * scale * scale)};
}

/// A digest of every executable file mapped into this process: the test itself (with the chart code
/// linked in), Qt, QCustomPlot, the C libraries. Empty when they cannot be read, and when one of them
/// was replaced on disk while this process runs: the file then is not the code that draws.
QByteArray readBinariesDigest()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || !fields[1].contains('x') || !fields[5].startsWith('/'))
            continue;
        if (line.endsWith(" (deleted)")) {
            qInfo("%s was replaced on disk while this test runs: the pictures of every point are drawn "
                  "again and none is kept.",
                  fields[5].constData());
            return {};
        }
        paths.append(QString::fromLocal8Bit(fields[5]));
    }
    paths.removeDuplicates();
    paths.sort();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& path : paths) {
        QFile binary(path);
        if (!binary.open(QIODevice::ReadOnly) || !hash.addData(&binary))
            return {};
        hash.addData(path.toUtf8());
    }
    return hash.result().toHex().left(16);
}

const QByteArray& binariesDigest()
{
    static const QByteArray digest = readBinariesDigest();
    return digest;
}

/// The picture of every point drawn for `row`, from the build folder when the same binaries drew it
/// over the same bare chart before; otherwise `draw` makes it, and it is kept when the binaries are
/// known.
QImage keptReference(const QString& row, const QImage& bare, const std::function<QImage()>& draw)
{
    const QByteArray& binaries = binariesDigest();
    if (binaries.isEmpty())
        return draw();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(row.toUtf8());
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(bare.constBits()), bare.sizeInBytes()));
    const QString path = QStringLiteral(THINNING_REFERENCE_DIR "/%1-%2.png")
                             .arg(QString::fromLatin1(binaries), QString::fromLatin1(hash.result().toHex().left(24)));
    QImage kept(path);
    if (!kept.isNull() && kept.size() == bare.size())
        return kept.convertToFormat(QImage::Format_RGB32);
    const QImage drawn = draw();
    QDir().mkpath(QStringLiteral(THINNING_REFERENCE_DIR));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && drawn.save(&file, "PNG"))
        file.commit();
    return drawn;
}

/// Pictures drawn by other binaries are never read again. Without a digest nothing is judged: the
/// pictures there may be those of the binaries that replaced the ones running.
void forgetOtherReferences()
{
    const QByteArray& binaries = binariesDigest();
    if (binaries.isEmpty())
        return;
    QDir dir(QStringLiteral(THINNING_REFERENCE_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
        if (!name.startsWith(QString::fromLatin1(binaries)))
            dir.remove(name);
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class TestSeriesThinning : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        forgetOtherReferences();
    }

    void thinnedPictureStaysWithinAPixelOfEveryPoint_data()
    {
        QTest::addColumn<ChartProcedure>("before");
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<QString>("run");
        QTest::addColumn<double>("scale");
        using P = ChartProcedure;
        struct Kind {
            const char* name;
            P before, procedure;
        };
        const Kind kinds[] = {
            {"time-series lines", P::LargeShowN2vsN1, P::LargeShowdNvsT},
            {"four time-series lines", P::LargeShowN2vsN1withIsoclines, P::LargeShowAllGraphs},
            {"time-series line with markers", P::MainShowN1vsN2, P::MainShowN2anddN2vsT},
            {"phase-plane line", P::LargeShowN2vsN1, P::LargeShowN2vsN1inLine},
            {"phase-plane markers", P::LargeShowN2vsN1, P::LargeShowN2vsN1},
            {"isoclines and markers", P::LargeShowN2vsN1, P::LargeShowN2vsN1withIsoclines},
        };
        for (const Kind& k : kinds)
            for (const char* run : {"defaults", "chaotic", "oscillating", "near extinction"})
                for (double scale : {1.0, 2.0})
                    QTest::addRow("%s, %s, %gx", k.name, run, scale)
                        << k.before << k.procedure << QString::fromLatin1(run) << scale;
    }

    void thinnedPictureStaysWithinAPixelOfEveryPoint()
    {
        QFETCH(ChartProcedure, before);
        QFETCH(ChartProcedure, procedure);
        QFETCH(QString, run);
        QFETCH(double, scale);
        const ModelState& state = runNamed(run);
        const Picture thinnedPicture = render(before, procedure, state, scale, false);
        const QImage& thinned = thinnedPicture.image;
        // The chart without its curves: every point or thinned makes no difference there.
        const QImage bare = render(before, procedure, state, scale, false, false).image;
        const QImage every = keptReference(QString::fromUtf8(QTest::currentDataTag()), bare,
                                           [&] { return render(before, procedure, state, scale, true).image; });
        QCOMPARE(thinned.size(), every.size());

        // The band: every pixel the curves change, grown by one pixel each way.
        const int w = every.width(), h = every.height();
        const auto row = [](const QImage& image, int y) {
            return reinterpret_cast<const QRgb*>(image.constScanLine(y));
        };
        QVector<bool> band(w * h, false);
        int curvePixels = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (row(every, y)[x] != row(bare, y)[x]) {
                    ++curvePixels;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h)
                                band[(y + dy) * w + x + dx] = true;
                }

        int differing = 0, outside = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int d = channelDifference(row(thinned, y)[x], row(every, y)[x]);
                differing += d > 64;
                outside += d > 0 && !band[y * w + x];
            }
        QVERIFY2(curvePixels > 500, "the curves draw nothing"); // the comparison means something
        QVERIFY2(differing <= thinnedPicture.plotPixels / 1000,
                 qPrintable(QStringLiteral("%1 of %2 plot pixels differ, %3 outside the band")
                                .arg(differing)
                                .arg(thinnedPicture.plotPixels)
                                .arg(outside)));
        QCOMPARE(outside, 0);
    }

    // A high-density screen: the device itself doubles every pixel (the chart's buffer on such a
    // screen), instead of the painter scaling by two. The summed pieces and the marker images
    // must land on the same pixels as when the painter scales.
    void highDensityDeviceGetsTheSamePixels_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::newRow("time-series lines") << ChartProcedure::LargeShowdNvsT;
        QTest::newRow("phase-plane markers") << ChartProcedure::LargeShowN2vsN1;
        QTest::newRow("four time-series lines") << ChartProcedure::LargeShowAllGraphs;
    }

    void highDensityDeviceGetsTheSamePixels()
    {
        QFETCH(ChartProcedure, procedure);
        const ModelState& state = runNamed(QStringLiteral("chaotic"));
        ChartView view;
        view.resize(kLargeChart);
        drawChart(view, ChartProcedure::LargeShowN2vsN1withIsoclines, state);
        drawChart(view, procedure, state);
        view.replot();
        QImage dense(kLargeChart * 2, QImage::Format_RGB32);
        dense.setDevicePixelRatio(2.0);
        dense.fill(Qt::white);
        {
            QCPPainter painter(&dense);
            painter.setMode(QCPPainter::pmNonCosmetic); // hairlines two pixels wide, as the scaled drawing has them
            view.toPainter(&painter, kLargeChart.width(), kLargeChart.height());
        }
        dense.setDevicePixelRatio(1.0);
        const QImage scaled = view.toPixmap(0, 0, 2.0).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(dense.size(), scaled.size());
        int differing = 0;
        for (int y = 0; y < dense.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(dense.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
            for (int x = 0; x < dense.width(); ++x)
                differing += channelDifference(a[x], b[x]) > 64;
        }
        const QRect plot = view.axisRect()->rect();
        QVERIFY2(differing <= plot.width() * plot.height() * 4 / 1000, qPrintable(QString::number(differing)));
    }

    void columnExtremesKeepWhatAColumnShows_data()
    {
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QVector<QPointF>>("kept");
        const QVector<QPointF> zigzag = {{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.6, 4}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("one column, high before low") << QVector<QPointF>{{0.1, 5}, {0.3, 9}, {0.5, 1}, {0.9, 6}} << 1.0
                                                     << QVector<QPointF>{{0.1, 5}, {0.3, 9}, {0.5, 1}, {0.9, 6}};
        QTest::newRow("zigzag: inner points dropped")
            << zigzag << 1.0 << QVector<QPointF>{{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("twice the pixels keep more")
            << zigzag << 2.0 << QVector<QPointF>{{0.1, 5}, {0.3, 1}, {0.5, 9}, {0.6, 4}, {0.9, 6}, {1.2, 3}};
        QTest::newRow("a gap splits a column")
            << QVector<QPointF>{{0.1, 5}, {0.2, 1}, {0.3, 2}, {kGap, kGap}, {0.4, 7}, {0.5, 8}, {0.6, 0}} << 1.0
            << QVector<QPointF>{{0.1, 5}, {0.2, 1}, {0.3, 2}, {kGap, kGap}, {0.4, 7}, {0.5, 8}, {0.6, 0}};
        QTest::newRow("extremes are the ends")
            << QVector<QPointF>{{0.1, 1}, {0.4, 2}, {0.5, 3}, {0.8, 4}} << 1.0 << QVector<QPointF>{{0.1, 1}, {0.8, 4}};
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
        // where the line goes on, drawn another way, its very first and last ends get no cap;
        // the ends at the gap keep theirs
        const QVector<QLineF> open = lineSegments(two, 1.0, false, 0.5, false, false);
        QCOMPARE(open.size(), 3);
        QCOMPARE(open[0], QLineF(0, 0, 2.5, 0));
        QCOMPARE(open[1], QLineF(5, 4.5, 5, 6));
        QCOMPARE(open[2], QLineF(5, 6, 6, 6));
    }

    void markersOnOneSpotKeepTheTopFew()
    {
        // six markers within a quarter pixel: the last two drawn stay, in their order
        const QVector<QPointF> pile = {{1.01, 1.01}, {1.02, 1.0},  {4.0, 4.0},  {1.03, 1.0},
                                       {kGap, kGap}, {1.04, 1.02}, {1.05, 1.0}, {1.06, 1.01}};
        QCOMPARE(topmostMarkers(pile, 1.0), (QVector<QPointF>{{4.0, 4.0}, {1.05, 1.0}, {1.06, 1.01}}));
        // a marker a quarter pixel away is on a spot of its own
        QCOMPARE(topmostMarkers({{1.01, 1.01}, {1.01, 1.01}, {1.01, 1.01}, {1.3, 1.01}}, 1.0).size(), 3);
        // at sixteen times the pixels no two share a spot
        QCOMPARE(topmostMarkers(pile, 16.0).size(), 7);
    }

    void steepPiecesAreTallAndNarrow()
    {
        const double pen = 1.5;
        QVERIFY(SteepCoverage::isSteep({10.0, 2.0}, {10.25, 5.0}, pen)); // a quarter across, two pens tall
        QVERIFY(SteepCoverage::isSteep({10.0, 5.0}, {9.9, -20.0}, pen)); // either way up
        QVERIFY(!SteepCoverage::isSteep({10.0, 2.0}, {10.26, 5.0}, pen));
        QVERIFY(!SteepCoverage::isSteep({10.0, 2.0}, {10.0, 4.99}, pen));
    }

    void steepCoverageSumsPiecesUpToFull()
    {
        // one piece, a pixel wide, in the middle of column 10: whole rows full, end rows in part
        SteepCoverage one(QRect(0, 0, 40, 40), 1.0);
        one.add({10.5, 2.25}, {10.5, 5.5});
        QCOMPARE(one.coverage(10, 1), 0.0);
        QCOMPARE(one.coverage(10, 2), 0.75);
        QCOMPARE(one.coverage(10, 3), 1.0);
        QCOMPARE(one.coverage(10, 4), 1.0);
        QCOMPARE(one.coverage(10, 5), 0.5);
        QCOMPARE(one.coverage(10, 6), 0.0);
        QCOMPARE(one.coverage(9, 3), 0.0);
        QCOMPARE(one.coverage(11, 3), 0.0);

        // a pen and a half wide: a quarter spills into each neighbour; a tilt widens it across
        SteepCoverage wide(QRect(0, 0, 40, 40), 1.5);
        wide.add({10.5, 0.0}, {10.5, 8.0});
        QCOMPARE(wide.coverage(9, 4), 0.25);
        QCOMPARE(wide.coverage(10, 4), 1.0);
        QCOMPARE(wide.coverage(11, 4), 0.25);
        SteepCoverage tilted(QRect(0, 0, 40, 40), 1.5);
        tilted.add({10.4, 0.0}, {10.6, 4.0});
        QVERIFY(tilted.coverage(9, 2) > 0.25 + 1e-4);

        // pieces on one spot add up, and stop at full; pieces side by side fill the pixel between
        SteepCoverage pile(QRect(0, 0, 40, 40), 1.0);
        for (int k = 0; k < 3; ++k)
            pile.add({10.0, 3.8}, {10.0, 12.0});
        QCOMPARE(pile.coverage(10, 5), 1.0);
        QCOMPARE(pile.coverage(9, 5), 1.0);
        QVERIFY(std::abs(pile.coverage(10, 3) - 0.3) < 1e-6); // three times half the column, a fifth of the row
        SteepCoverage twoTips(QRect(0, 0, 40, 40), 1.0);
        twoTips.add({10.25, 3.5}, {10.25, 9.0});
        twoTips.add({10.75, 3.5}, {10.75, 9.0});
        QVERIFY(std::abs(twoTips.coverage(10, 3) - 0.75) < 1e-6); // 2 x three quarters of the column x half the row
    }

    void steepCoverageStaysWithinItsBounds()
    {
        SteepCoverage clipped(QRect(5, 0, 10, 3), 1.0);
        clipped.add({10.5, -50.0}, {10.5, 50.0});
        clipped.add({2.5, 0.0}, {2.5, 50.0}); // left of the bounds
        QPoint at;
        const QImage image = clipped.image(QColor(192, 0, 0), &at);
        QCOMPARE(at, QPoint(10, 0));
        QCOMPARE(image.size(), QSize(1, 3));
        QCOMPARE(clipped.coverage(10, 2), 1.0);
        QCOMPARE(clipped.coverage(10, 3), 0.0);
        QCOMPARE(clipped.coverage(2, 1), 0.0);

        SteepCoverage outside(QRect(0, 0, 10, 10), 1.0);
        outside.add({50.5, 0.0}, {50.5, 9.0});
        outside.add({3.5, 20.0}, {3.5, 30.0});
        QVERIFY(outside.image(Qt::black, &at).isNull());
    }

    void steepCoverageImageShadesTheColour()
    {
        SteepCoverage half(QRect(0, 0, 10, 10), 1.0);
        half.add({3.0, 0.0}, {3.0, 9.0}); // on a column edge: half of columns 2 and 3
        QPoint at;
        const QImage image = half.image(QColor(192, 0, 0), &at);
        QCOMPARE(at, QPoint(2, 0));
        QCOMPARE(image.pixel(0, 4), qPremultiply(qRgba(192, 0, 0, 128)));
        QCOMPARE(image.pixel(1, 4), qPremultiply(qRgba(192, 0, 0, 128)));
        const QImage faint = half.image(QColor(0, 0, 0, 100), &at);
        QCOMPARE(qAlpha(faint.pixel(1, 4)), 50);
    }
};

QTEST_MAIN(TestSeriesThinning)
#include "tst_seriesthinning.moc"
