#include "WindowPrinter.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <qcustomplot.h>

#include <memory>

using namespace vorlenza;

namespace {

constexpr int Days = 10001;

/// A window like the chart windows: a chart of N2 against N1 with two isoclines and one square
/// marker per day, buttons beside it and a coloured label lying over the chart.
struct ChartWindow {
    QWidget window;
    QCustomPlot* chart = nullptr;
    QLabel* overChart = nullptr;
    QPushButton* print = nullptr;

    explicit ChartWindow(int markers = Days)
    {
        window.setFixedSize(400, 300);
        chart = new QCustomPlot(&window);
        chart->setGeometry(10, 10, 300, 260);
        chart->setBackground(QBrush(QColor(255, 255, 0))); // yellow: easy to find on the page
        QVector<double> x(markers), y(markers), down(markers);
        for (int i = 0; i < markers; ++i) {
            const double t = double(i) / std::max(1, markers - 1);
            x[i] = 100 * t;
            y[i] = 100 * t * t;
            down[i] = 100 * (1 - t);
        }
        auto* isocline = new QCPCurve(chart->xAxis, chart->yAxis);
        isocline->setData(x, down);
        isocline->setPen(QPen(QColor(0, 0, 255), 4));
        auto* trajectory = new QCPCurve(chart->xAxis, chart->yAxis);
        trajectory->setData(x, y);
        trajectory->setLineStyle(QCPCurve::lsNone);
        trajectory->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, QPen(Qt::black, 1), QBrush(Qt::red), 4));
        chart->xAxis->setRange(0, 100);
        chart->yAxis->setRange(0, 100);
        chart->xAxis->setLabel("N1");
        chart->yAxis->setLabel("N2");
        chart->replot();

        overChart = new QLabel("over the chart", &window);
        overChart->setGeometry(200, 20, 90, 20);
        overChart->setAutoFillBackground(true);
        QPalette red = overChart->palette();
        red.setColor(QPalette::Window, QColor(255, 0, 0));
        overChart->setPalette(red);

        print = new QPushButton("Print", &window);
        print->setGeometry(320, 20, 70, 30);
        auto* field = new QLineEdit("0.2", &window);
        field->setGeometry(320, 60, 70, 24);
    }
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// Every match of `pattern` in `text`.
QList<QRegularExpressionMatch> matches(const QByteArray& text, const QString& pattern)
{
    QList<QRegularExpressionMatch> found;
    auto it = QRegularExpression(pattern).globalMatch(QString::fromLatin1(text));
    while (it.hasNext())
        found << it.next();
    return found;
}

/// The decompressed content of every Flate stream in a PDF (the page's drawing commands among them).
QByteArray pdfDrawing(const QByteArray& pdf)
{
    QByteArray all;
    for (const QRegularExpressionMatch& m : matches(pdf, QStringLiteral("<<([^>]*)>>\\s*stream\\r?\\n"))) {
        if (!m.captured(1).contains(QLatin1String("/FlateDecode")) || m.captured(1).contains(QLatin1String("/Image")))
            continue;
        QByteArray zlib = pdf.mid(m.capturedEnd(), pdf.indexOf("endstream", m.capturedEnd()) - m.capturedEnd());
        zlib.prepend(QByteArray("\x00\x10\x00\x00", 4)); // qUncompress wants a size hint first
        all += qUncompress(zlib);
    }
    return all;
}

/// Largest width × height of the bitmaps in a PDF; 0 without any.
qint64 largestImageArea(const QByteArray& pdf)
{
    qint64 largest = 0;
    for (const auto& m : matches(pdf, QStringLiteral("/Subtype\\s*/Image\\s*/Width\\s+(\\d+)\\s*/Height\\s+(\\d+)")))
        largest = std::max(largest, m.captured(1).toLongLong() * m.captured(2).toLongLong());
    return largest;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

bool near(QRgb a, QColor b, int tolerance = 40)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace

class TestWindowPrinter : public QObject {
    Q_OBJECT
private slots:
    void printsOnePage_data()
    {
        QTest::addColumn<int>("markers");
        QTest::addColumn<bool>("chartShown");
        QTest::addColumn<bool>("windowShown");

        QTest::newRow("chart of 10001 days") << Days << true << true;
        QTest::newRow("chart of one day") << 1 << true << true;
        QTest::newRow("chart hidden, before any run") << Days << false << true;
        QTest::newRow("window not on screen") << 100 << true << false;
    }

    void printsOnePage()
    {
        QFETCH(int, markers);
        QFETCH(bool, chartShown);
        QFETCH(bool, windowShown);

        ChartWindow w(markers);
        w.chart->setVisible(chartShown);
        if (windowShown) {
            w.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        }
        w.print->setFocus();
        const QImage before = w.window.grab().toImage();
        const QRect geometry = w.window.geometry();
        const QCPRange xRange = w.chart->xAxis->range();
        const QRect viewport = w.chart->viewport();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("page.pdf");
        auto printer = pdfPrinter(file);

        const Outcome outcome = printWindow(w.window, *printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QVERIFY(outcome.error.isEmpty());

        const QByteArray pdf = readAll(file);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(matches(pdf, QStringLiteral("/Type\\s*/Page\\b")).size(), 1);
        QVERIFY2(pdf.size() < 2 * 1024 * 1024, qPrintable(QString::number(pdf.size())));

        // No bitmap of the window or of the chart: only small pieces of control styling may be images.
        QVERIFY2(largestImageArea(pdf) < 300 * 260 / 8, qPrintable(QString::number(largestImageArea(pdf))));

        // The chart is drawn as vectors: one closed path per day marker, and none when it is hidden.
        const QByteArray drawing = pdfDrawing(pdf);
        QVERIFY(!drawing.isEmpty());
        const qsizetype paths = matches(drawing, QStringLiteral("(?m)^[-\\d.]+ [-\\d.]+ m$")).size();
        if (chartShown)
            QVERIFY2(paths >= markers, qPrintable(QStringLiteral("%1 paths for %2 markers").arg(paths).arg(markers)));
        else
            QVERIFY2(paths < 200, qPrintable(QStringLiteral("%1 paths without a chart").arg(paths)));

        // The window is left as it was, and the chart still paints itself on screen as before.
        QCOMPARE(w.window.isVisible(), windowShown);
        QCOMPARE(w.window.geometry(), geometry);
        QCOMPARE(w.chart->isVisible(), chartShown && windowShown);
        QCOMPARE(w.overChart->isVisible(), windowShown);
        if (windowShown)
            QCOMPARE(w.window.focusWidget(), w.print);
        QCOMPARE(w.chart->xAxis->range(), xRange);
        QCOMPARE(w.chart->viewport(), viewport);
        w.chart->replot();
        QCOMPARE(w.window.grab().toImage(), before);
    }

    void fitsAndCentresOnThePage_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("origin"); // where the window's top left lands
        QTest::addColumn<int>("dpi");       // of the device painted on; printers have several hundred

        QTest::newRow("tall page: fit the width, centre vertically") << QSize(800, 800) << 2.0 << QPoint(0, 100) << 96;
        QTest::newRow("wide page: fit the height, centre across") << QSize(1000, 300) << 1.0 << QPoint(300, 0) << 96;
        QTest::newRow("small page: shrink") << QSize(200, 400) << 0.5 << QPoint(0, 125) << 96;
        QTest::newRow("fine device: same fit") << QSize(800, 800) << 2.0 << QPoint(0, 100) << 600;
    }

    void fitsAndCentresOnThePage()
    {
        QFETCH(QSize, page);
        QFETCH(double, scale);
        QFETCH(QPoint, origin);
        QFETCH(int, dpi);

        ChartWindow w(50);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage screen = w.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen.size(), QSize(400, 300));

        QImage paper(page, QImage::Format_RGB32);
        paper.fill(Qt::white);
        paper.setDotsPerMeterX(qRound(dpi / 0.0254));
        paper.setDotsPerMeterY(qRound(dpi / 0.0254));
        QCOMPARE(paper.logicalDpiX(), dpi);
        {
            QPainter painter(&paper);
            paintWindowFitted(w.window, painter, QRectF(QPointF(0, 0), QSizeF(page)));
        }
        auto onPaper = [&](int x, int y) {
            return paper.pixel(origin.x() + int((x + 0.5) * scale), origin.y() + int((y + 0.5) * scale));
        };
        const QColor windowColour = w.window.palette().color(QPalette::Window);

        // The margins left by the fit stay blank, and the window fills the rest.
        if (origin.y() > 0) {
            QVERIFY(near(paper.pixel(page.width() / 2, origin.y() / 2), Qt::white, 0));
            QVERIFY(near(paper.pixel(page.width() / 2, page.height() - origin.y() / 2), Qt::white, 0));
        }
        if (origin.x() > 0) {
            QVERIFY(near(paper.pixel(origin.x() / 2, page.height() / 2), Qt::white, 0));
            QVERIFY(near(paper.pixel(page.width() - origin.x() / 2, page.height() / 2), Qt::white, 0));
        }
        QVERIFY(near(onPaper(1, 1), windowColour, 8));
        QVERIFY(near(onPaper(398, 298), windowColour, 8));

        // The chart sits at its place, and the label lying over it is painted over it.
        QVERIFY(near(onPaper(13, 13), QColor(255, 255, 0)));
        QVERIFY(near(onPaper(205, 25), QColor(255, 0, 0)));
        QVERIFY(near(screen.pixel(205, 25), QColor(255, 0, 0)));

        // Overall, the page shows what the screen shows.
        const QImage back = paper.copy(QRect(origin, QSize(int(400 * scale), int(300 * scale))))
                                .scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                const QRgb a = back.pixel(x, y), b = screen.pixel(x, y);
                difference +=
                    std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        const double mean = double(difference) / (400 * 300 * 3);
        QVERIFY2(mean < 12, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
    }

    void printerThatCannotStart_data()
    {
        QTest::addColumn<QString>("file"); // relative to a test folder
        QTest::addColumn<QString>("reason");

        // A file to print into fails as every file the program writes: the file, then the reason.
        QTest::newRow("folder does not exist") << "gone/page.pdf"
                                               << "the folder “%1/gone” does not exist";
        QTest::newRow("folder is a file") << "plain.txt/page.pdf"
                                          << "“%1/plain.txt” is a file, not a folder";
        QTest::newRow("name is a folder") << "sub"
                                          << "“%1/sub” is a folder, not a file";
    }

    void printerThatCannotStart()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        {
            QFile plain(dir.filePath("plain.txt"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        ChartWindow w(10);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto printer = pdfPrinter(dir.filePath(file));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin")));
        const Outcome outcome = printWindow(w.window, *printer);
        QVERIFY(!outcome.ok);
        const QString expected =
            QStringLiteral("The file “%1” could not be saved: %2.")
                .arg(QDir::toNativeSeparators(dir.filePath(file)), reason.arg(QDir::toNativeSeparators(dir.path())));
        QCOMPARE(outcome.error, expected);
        QVERIFY(w.window.isVisible());
        QVERIFY(w.chart->isVisible());
    }
};

QTEST_MAIN(TestWindowPrinter)
#include "tst_windowprinter.moc"
