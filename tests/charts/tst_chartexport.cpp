// Charts leaving the program: PNG, SVG and PDF files, the clipboard, file names and types, and every
// way a file can fail to be written.

#include "ChartExport.h"
#include "ChartFile.h"
#include "ChartProcedures.h"
#include "ChartView.h"
#include "FileTrouble.h"
#include "ModelFixtures.h"

#include <QBuffer>
#include <QClipboard>
#include <QImageReader>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(ChartProcedure)
Q_DECLARE_METATYPE(ChartFileType)
Q_DECLARE_METATYPE(Trouble)

namespace {

const QSize kLargeChart(775, 532);

struct Chart {
    ChartView view;
    Chart(ChartProcedure procedure, const ModelState& state)
    {
        view.resize(kLargeChart);
        view.show();
        drawChart(view, procedure, state);
        view.replot();
    }
};

/// The colour a curve is drawn in: its marker fill where it has markers, else its line.
QColor curveColour(const QCPCurve* c)
{
    return c->scatterStyle().shape() != QCPScatterStyle::ssNone ? c->scatterStyle().brush().color() : c->pen().color();
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 90;
}

/// Whether a pixel of `colour` lies within `radius` of `at`.
bool colourAround(const QImage& image, QPointF at, QColor colour, int radius)
{
    const QPoint c = at.toPoint();
    for (int y = c.y() - radius; y <= c.y() + radius; ++y)
        for (int x = c.x() - radius; x <= c.x() + radius; ++x)
            if (image.rect().contains(x, y) && near(image.pixelColor(x, y), colour))
                return true;
    return false;
}

QPointF pixelOf(const QCPCurve* c, const QCPCurveData& d)
{
    return QPointF(c->keyAxis()->coordToPixel(d.key), c->valueAxis()->coordToPixel(d.value));
}

/// Whether a point drawn after point `index` of series `k` (a later point of that series or any
/// point of a later series) lies within `distance` pixels of `at`.
bool coveredLater(const ChartView& view, int k, int index, QPointF at, double distance)
{
    for (int later = k; later <= view.seriesCount(); ++later) {
        const QCPCurve* c = view.seriesCurve(later);
        for (auto it = c->data()->constBegin() + (later == k ? index + 1 : 0); it != c->data()->constEnd(); ++it) {
            const QPointF p = pixelOf(c, *it);
            if (std::hypot(p.x() - at.x(), p.y() - at.y()) < distance)
                return true;
        }
    }
    return false;
}

/// Marks 8x8 pixel blocks of the plot area that hold ink of the series: a clearly coloured or
/// dark pixel. Grid lines are light grey and do not count.
QVector<bool> inkBlocks(const QImage& image, const QRect& area)
{
    QVector<bool> blocks;
    for (int by = area.top(); by + 8 <= area.bottom(); by += 8)
        for (int bx = area.left(); bx + 8 <= area.right(); bx += 8) {
            bool ink = false;
            for (int y = by; y < by + 8 && !ink; ++y)
                for (int x = bx; x < bx + 8 && !ink; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    ink = c.saturation() > 120 || c.value() < 90;
                }
            blocks << ink;
        }
    return blocks;
}

} // namespace

class TestChartExport : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelState> m_run;
    std::unique_ptr<ModelState> m_longRun;

    void addChartRows()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("xTitle");
        QTest::addColumn<QString>("yTitle");
        QTest::newRow("isoclines") << ChartProcedure::LargeShowN2vsN1withIsoclines << "N2 vs. N1 with isoclines"
                                   << "N1"
                                   << "N2";
        QTest::newRow("changes, blue line") << ChartProcedure::MainShowdNvsT << "dN1 and dN2 vs. time"
                                            << "Time"
                                            << "dN1 and dN2";
        QTest::newRow("species B with legend") << ChartProcedure::MainShowN2anddN2vsT << "N2 and dN2 vs. time"
                                               << "Time"
                                               << "N2 and dN2";
        QTest::newRow("all graphs") << ChartProcedure::LargeShowAllGraphs << "N and dN/dt vs. time"
                                    << "Time"
                                    << "N1, dN1, N2 and dN2";
    }

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        m_run = CompletedRun("100");
        m_longRun = CompletedRun("9999");
    }

    void pngIsTwiceTheChartWithTheSeriesWhereTheyAre_data() { addChartRows(); }
    void pngIsTwiceTheChartWithTheSeriesWhereTheyAre()
    {
        QFETCH(ChartProcedure, procedure);
        Chart chart(procedure, *m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.png");
        const Outcome outcome = saveChart(chart.view, path, ChartFileType::Png);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));

        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), kLargeChart * 2);

        // Each series shows in its own colour at days that no later series covers.
        for (int k = 1; k <= chart.view.seriesCount(); ++k) {
            const QCPCurve* curve = chart.view.seriesCurve(k);
            int checked = 0;
            for (int day : {3, 20, 50, 77, 100}) {
                const QPointF at = pixelOf(curve, curve->data()->at(day)[0]);
                if (coveredLater(chart.view, k, day, at, 6.0))
                    continue;
                ++checked;
                QVERIFY2(colourAround(image, at * 2.0, curveColour(curve), 3),
                         qPrintable(QStringLiteral("series %1, day %2").arg(k).arg(day)));
            }
            QVERIFY2(checked > 0, qPrintable(QStringLiteral("series %1 was never checked").arg(k)));
        }
        // Away from every series the plot is white: the picture is not just filled with colour.
        QCOMPARE(image.pixelColor(4, 4), QColor(Qt::white));
    }

    void svgIsVectorsAtTheChartsSizeWithItsTexts_data() { addChartRows(); }
    void svgIsVectorsAtTheChartsSizeWithItsTexts()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(QString, title);
        QFETCH(QString, xTitle);
        QFETCH(QString, yTitle);
        Chart chart(procedure, *m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.svg");
        const Outcome outcome = saveChart(chart.view, path, ChartFileType::Svg);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));

        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(kLargeChart)));

        const QString svg = QString::fromUtf8(ReadBytes(path));
        for (const QString& text : {title, xTitle, yTitle}) {
            const QRegularExpression element(
                QStringLiteral("<text[^>]*>\\s*%1\\s*</text>").arg(QRegularExpression::escape(text.toHtmlEscaped())));
            QVERIFY2(element.match(svg).hasMatch(), qPrintable(text));
        }
        QVERIFY(!svg.contains(QLatin1String("<image")));
        QVERIFY(svg.contains(QLatin1String("<path")) || svg.contains(QLatin1String("<polyline")));
    }

    void pdfIsOnePageWithItsTexts_data() { addChartRows(); }
    void pdfIsOnePageWithItsTexts()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(QString, title);
        QFETCH(QString, xTitle);
        QFETCH(QString, yTitle);
        if (!HaveTool("pdftotext") || !HaveTool("pdftoppm") || !HaveTool("pdfinfo"))
            QSKIP("poppler-utils is not installed");
        Chart chart(procedure, *m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("chart.pdf");
        const Outcome outcome = saveChart(chart.view, path, ChartFileType::Pdf);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QVERIFY(ReadBytes(path).startsWith("%PDF-"));

        bool ok = false;
        const QString info = QString::fromUtf8(RunTool("pdfinfo", {path}, &ok));
        QVERIFY(ok);
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(), qPrintable(info));
        // The page has the chart's size at 96 dpi: 775 x 532 px are 581.25 x 399 pt.
        QVERIFY2(QRegularExpression(QStringLiteral("Page size:\\s+581(\\.25)? x 399 pts")).match(info).hasMatch(),
                 qPrintable(info));

        const QString text = QString::fromUtf8(RunTool("pdftotext", {path, "-"}, &ok));
        QVERIFY(ok);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& wanted : {title, xTitle, yTitle})
            QVERIFY2(lines.contains(wanted) || text.contains(wanted), qPrintable(wanted + " in:\n" + text));

        RunTool("pdftoppm", {"-png", "-r", "96", "-singlefile", path, dir.filePath("page")}, &ok);
        QVERIFY(ok);
        const QImage page(dir.filePath("page.png"));
        QCOMPARE(page.size(), kLargeChart);
    }

    void svgAndPngShowTheSamePlot_data() { addChartRows(); }
    void svgAndPngShowTheSamePlot()
    {
        QFETCH(ChartProcedure, procedure);
        if (!HaveTool("rsvg-convert"))
            QSKIP("librsvg2-bin is not installed");
        Chart chart(procedure, *m_run);
        QTemporaryDir dir;
        QVERIFY(saveChart(chart.view, dir.filePath("chart.svg"), ChartFileType::Svg).ok);
        QVERIFY(saveChart(chart.view, dir.filePath("chart.png"), ChartFileType::Png).ok);
        bool ok = false;
        RunTool(
            "rsvg-convert",
            {"--zoom", "2", "--background-color", "white", "-o", dir.filePath("svg.png"), dir.filePath("chart.svg")},
            &ok);
        QVERIFY(ok);
        const QImage fromSvg = QImage(dir.filePath("svg.png")).convertToFormat(QImage::Format_RGB32);
        const QImage png = QImage(dir.filePath("chart.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(fromSvg.size(), png.size());

        const QRect plot(chart.view.axisRect()->rect().topLeft() * 2, chart.view.axisRect()->rect().size() * 2);
        const QVector<bool> a = inkBlocks(png, plot);
        const QVector<bool> b = inkBlocks(fromSvg, plot);
        // A block agrees when the other picture has ink there too or in a neighbouring block:
        // a line of one pixel and one of two may fall on either side of a block's edge.
        const int columns = (plot.width() - 1) / 8;
        const auto inkNear = [&](const QVector<bool>& blocks, int i) {
            const int r = i / columns, c = i % columns;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int rr = r + dr, cc = c + dc;
                    if (cc >= 0 && cc < columns && rr >= 0 && rr * columns + cc < blocks.size() &&
                        blocks[rr * columns + cc])
                        return true;
                }
            return false;
        };
        int same = 0, inked = 0;
        for (int i = 0; i < a.size(); ++i) {
            same += (a[i] ? inkNear(b, i) : true) && (b[i] ? inkNear(a, i) : true) ? 1 : 0;
            inked += a[i] ? 1 : 0;
        }
        QVERIFY2(inked > 50, qPrintable(QString::number(inked)));
        QVERIFY2(same >= a.size() * 98 / 100,
                 qPrintable(QStringLiteral("%1 of %2 blocks agree").arg(same).arg(a.size())));
    }

    void longRunsStaySmall_data()
    {
        QTest::addColumn<ChartProcedure>("procedure");
        QTest::addColumn<ChartFileType>("type");
        for (ChartFileType type : {ChartFileType::Svg, ChartFileType::Pdf}) {
            const char* name = type == ChartFileType::Svg ? "svg" : "pdf";
            QTest::addRow("isoclines, %s", name) << ChartProcedure::LargeShowN2vsN1withIsoclines << type;
            QTest::addRow("all graphs, %s", name) << ChartProcedure::LargeShowAllGraphs << type;
            QTest::addRow("points, %s", name) << ChartProcedure::MainShowN1vsN2 << type;
        }
    }
    void longRunsStaySmall()
    {
        QFETCH(ChartProcedure, procedure);
        QFETCH(ChartFileType, type);
        Chart chart(procedure, *m_longRun);
        QTemporaryDir dir;
        const QString path = dir.filePath("long");
        QVERIFY(saveChart(chart.view, path, type).ok);
        const qint64 size = QFileInfo(path).size();
        QVERIFY2(size > 1000 && size <= 2 * 1024 * 1024, qPrintable(QString::number(size)));
    }

    void copyPutsImageAndDrawingOnTheClipboard()
    {
        Chart chart(ChartProcedure::LargeShowN2vsN1withIsoclines, *m_run);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        copyChartToClipboard(chart.view);
        const QMimeData* data = clipboard->mimeData();
        QVERIFY(data != nullptr);
        QVERIFY(data->hasImage());
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), kLargeChart * 2);
        QImage png;
        QVERIFY(png.loadFromData(data->data("image/png"), "PNG"));
        QCOMPARE(png.size(), kLargeChart * 2);
        QSvgRenderer svg(data->data("image/svg+xml"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(kLargeChart)));
    }

    void exportingChangesNothingOnScreen()
    {
        Chart chart(ChartProcedure::MainShowN2anddN2vsT, *m_run);
        const QImage before = chart.view.grab().toImage();
        const QCPRange x = chart.view.xAxis->range(), y = chart.view.yAxis->range();
        QTemporaryDir dir;
        for (ChartFileType type : {ChartFileType::Png, ChartFileType::Svg, ChartFileType::Pdf})
            QVERIFY(saveChart(chart.view, dir.filePath("c"), type).ok);
        chartMimeData(chart.view);
        chart.view.replot();
        QCOMPARE(chart.view.xAxis->range(), x);
        QCOMPARE(chart.view.yAxis->range(), y);
        QCOMPARE(chart.view.size(), kLargeChart);
        QCOMPARE(chart.view.grab().toImage(), before);
    }

    void defaultNameComesFromTheTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<ChartFileType>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("phase plane") << "N2 vs. N1" << ChartFileType::Png << "N2 vs. N1.png";
        QTest::newRow("isoclines as svg")
            << "N2 vs. N1 with isoclines" << ChartFileType::Svg << "N2 vs. N1 with isoclines.svg";
        QTest::newRow("a slash is no folder")
            << "N1 and dN1/dt vs. time" << ChartFileType::Pdf << "N1 and dN1-dt vs. time.pdf";
        QTest::newRow("no title") << "" << ChartFileType::Png << "Chart.png";
        QTest::newRow("only blanks") << "   " << ChartFileType::Pdf << "Chart.pdf";
        QTest::newRow("no hidden file") << ".hidden" << ChartFileType::Png << "hidden.png";
        QTest::newRow("characters no desktop takes")
            << "a:b*c?\"d<e>f|g\\h" << ChartFileType::Svg << "a-b-c--d-e-f-g-h.svg";
    }
    void defaultNameComesFromTheTitle()
    {
        QFETCH(QString, title);
        QFETCH(ChartFileType, type);
        QFETCH(QString, name);
        QCOMPARE(defaultChartFileName(title, type), name);
    }

    void chartTitleIsTheOneShown()
    {
        Chart chart(ChartProcedure::MainShowN1vsN2, *m_run);
        QCOMPARE(chartTitle(chart.view), QStringLiteral("N2 vs. N1"));
        QCOMPARE(defaultChartFileName(chartTitle(chart.view), ChartFileType::Png), QStringLiteral("N2 vs. N1.png"));
    }

    void typeFollowsExtensionOrFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ChartFileType>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<ChartFileType>("type");
        const ChartFileType png = ChartFileType::Png, svg = ChartFileType::Svg, pdf = ChartFileType::Pdf;
        QTest::newRow("png as chosen") << "/t/a.png" << png << "/t/a.png" << png;
        QTest::newRow("typed svg beats png filter") << "/t/a.svg" << png << "/t/a.svg" << svg;
        QTest::newRow("typed PDF in capitals") << "/t/a.PDF" << svg << "/t/a.PDF" << pdf;
        QTest::newRow("no extension takes the filter's") << "/t/a" << svg << "/t/a.svg" << svg;
        QTest::newRow("other extension kept, filter's added") << "/t/a.txt" << pdf << "/t/a.txt.pdf" << pdf;
        QTest::newRow("dotted name") << "/t/N2 vs. N1" << png << "/t/N2 vs. N1.png" << png;
        QTest::newRow("trailing dot") << "/t/a." << pdf << "/t/a.pdf" << pdf;
    }
    void typeFollowsExtensionOrFilter()
    {
        QFETCH(QString, typed);
        QFETCH(ChartFileType, filter);
        QFETCH(QString, path);
        QFETCH(ChartFileType, type);
        const ChosenChartFile chosen = resolveChartFile(typed, chartSaveFilter(filter));
        QCOMPARE(chosen.path, path);
        QCOMPARE(chosen.type, type);
    }

    void cancelledDialogWritesNothing()
    {
        Chart chart(ChartProcedure::MainShowN1vsN2, *m_run);
        const ChosenChartFile chosen = resolveChartFile(QString(), chartSaveFilter(ChartFileType::Png));
        QVERIFY(chosen.path.isEmpty());
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        QVERIFY(!saveChart(chart.view, chosen.path, chosen.type).ok);
        QVERIFY(Listing(dir.path()).isEmpty());
    }

    void unwritableFileIsReportedAndTheOldOneKept_data()
    {
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<ChartFileType>("type");
        QTest::addColumn<QString>("reason"); // a word of the reason given, empty: any reason
        const struct {
            const char* name;
            Trouble trouble;
            const char* reason;
        } troubles[] = {
            {"name is a folder", Trouble::NameIsFolder, "folder"},
            {"no such folder", Trouble::NoSuchFolder, ""},
            {"folder is a file", Trouble::ParentIsFile, ""},
            {"read-only folder", Trouble::ReadOnlyFolder, "ermission"},
            {"disk full", Trouble::DiskFull, "large"},
        };
        for (const auto& t : troubles)
            for (ChartFileType type : {ChartFileType::Png, ChartFileType::Svg, ChartFileType::Pdf})
                QTest::addRow("%s, %s", t.name, defaultChartFileName("x", type).mid(2).toLatin1().constData())
                    << t.trouble << type << QString::fromLatin1(t.reason);
    }
    void unwritableFileIsReportedAndTheOldOneKept()
    {
        QFETCH(Trouble, trouble);
        QFETCH(ChartFileType, type);
        QFETCH(QString, reason);
        Chart chart(ChartProcedure::LargeShowN2vsN1withIsoclines, *m_run);
        QTemporaryDir dir;
        const TroubleSpot spot = PrepareTrouble(dir.path(), trouble, defaultChartFileName("N2 vs. N1", type));
        if (!spot.skip.isEmpty())
            QSKIP(qPrintable(spot.skip));
        const QStringList before = Listing(dir.path());

        Outcome outcome;
        {
            std::unique_ptr<FileSizeLimit> full;
            if (trouble == Trouble::DiskFull) {
                full = std::make_unique<FileSizeLimit>(2048);
                QVERIFY(full->active());
            }
            outcome = saveChart(chart.view, spot.path, type);
        }
        Unlock(spot);

        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(QDir::toNativeSeparators(spot.path)), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        // The reason follows the file name: there is more than the name and the frame around it.
        QVERIFY2(outcome.error.size() > spot.path.size() + 40, qPrintable(outcome.error));
        if (!spot.earlier.isEmpty())
            QCOMPARE(ReadBytes(spot.path), spot.earlier);
        QCOMPARE(Listing(dir.path()), before); // no temporary file left
    }

    void writingOverAnEarlierFileReplacesIt()
    {
        Chart chart(ChartProcedure::MainShowN1vsN2, *m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("N2 vs. N1.svg");
        QVERIFY(WriteBytes(path, "old"));
        QVERIFY(saveChart(chart.view, path, ChartFileType::Svg).ok);
        QVERIFY(ReadBytes(path).contains("<svg"));
        QCOMPARE(Listing(dir.path()), QStringList{"N2 vs. N1.svg"});
    }
};

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
