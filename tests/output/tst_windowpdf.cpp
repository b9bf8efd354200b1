// "Save window as PDF": the very page the print button sends, in a file, and every way that file
// can fail to be written.

#include "ChartProcedures.h"
#include "ChartView.h"
#include "FileTrouble.h"
#include "ModelFixtures.h"
#include "WindowPdf.h"
#include "WindowPrinter.h"

#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vorlenza;

Q_DECLARE_METATYPE(Trouble)

namespace {

/// A window like the chart windows: a chart, a label and a print button.
struct ChartWindow {
    QWidget window;
    ChartView* chart = nullptr;
    explicit ChartWindow(const ModelState& run)
    {
        window.setWindowTitle(QStringLiteral("Graph"));
        window.setFixedSize(520, 360);
        chart = new ChartView(&window);
        chart->setGeometry(10, 10, 400, 330);
        drawChart(*chart, ChartProcedure::LargeShowN2vsN1withIsoclines, run);
        auto* label = new QLabel(QStringLiteral("Species A"), &window);
        label->setGeometry(420, 60, 90, 20);
        auto* print = new QPushButton(QStringLiteral("Print"), &window);
        print->setGeometry(420, 20, 90, 30);
        window.show();
        chart->replot();
    }
};

/// The first page of a PDF as pdftoppm draws it at `dpi`.
QImage render(const QString& pdf, int dpi)
{
    bool ok = false;
    const QString out = pdf + QStringLiteral("-page");
    RunTool("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", pdf, out}, &ok);
    return ok ? QImage(out + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32) : QImage();
}

QString pdfInfo(const QString& pdf)
{
    bool ok = false;
    return QString::fromUtf8(RunTool("pdfinfo", {pdf}, &ok));
}

bool havePoppler() { return HaveTool("pdftoppm") && HaveTool("pdftotext") && HaveTool("pdfinfo"); }

} // namespace

class TestWindowPdf : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelState> m_run;

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        m_run = CompletedRun("100");
    }

    void theSamePageAsPrinting_data()
    {
        QTest::addColumn<QPageLayout>("layout"); // invalid: the printer as it starts
        QTest::addColumn<int>("resolution");
        QTest::newRow("printer as it starts") << QPageLayout() << 0;
        QTest::newRow("A5 landscape, wide margins") << QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                                                   QMarginsF(30, 20, 10, 40), QPageLayout::Millimeter)
                                                    << 600;
        QTest::newRow("Letter, no margins")
            << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)) << 300;
    }
    void theSamePageAsPrinting()
    {
        QFETCH(QPageLayout, layout);
        QFETCH(int, resolution);
        if (!havePoppler())
            QSKIP("poppler-utils is not installed");
        ChartWindow w(*m_run);
        QTemporaryDir dir;

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        if (layout.isValid()) {
            printer.setResolution(resolution);
            QVERIFY(printer.setPageLayout(layout));
        }
        QVERIFY(printWindow(w.window, printer).ok);

        const PrintPage page = layout.isValid() ? pageOf(printer) : regionalPrintPage();
        const Outcome saved = saveWindowAsPdf(w.window, dir.filePath("saved.pdf"), page);
        QVERIFY2(saved.ok, qPrintable(saved.error));

        const QString info = pdfInfo(dir.filePath("saved.pdf"));
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(), qPrintable(info));
        const QRegularExpression size(QStringLiteral("Page size:[^\\n]*"));
        QCOMPARE(size.match(info).captured(0), size.match(pdfInfo(dir.filePath("printed.pdf"))).captured(0));

        const QImage printed = render(dir.filePath("printed.pdf"), 50);
        const QImage pdf = render(dir.filePath("saved.pdf"), 50);
        QVERIFY(!printed.isNull());
        QCOMPARE(pdf.size(), printed.size());
        QVERIFY(pdf == printed);
        // And the window is on it: the page is not blank.
        int ink = 0;
        for (int y = 0; y < pdf.height(); ++y)
            for (int x = 0; x < pdf.width(); ++x)
                ink += pdf.pixelColor(x, y).value() < 128 ? 1 : 0;
        QVERIFY2(ink > 200, qPrintable(QString::number(ink)));
    }

    // Without a printer to give the page, the paper of the user's region: Letter in the Americas'
    // Letter countries and the Philippines, A4 everywhere else; the file is written on it.
    void regionalPaper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("letter");
        for (const char* a4 : {"C", "de_DE", "en_GB", "fr_FR", "es_ES", "pt_BR", "zh_CN", "en_AU", "es_AR"})
            QTest::newRow(a4) << QString::fromLatin1(a4) << false;
        for (const char* letter : {"en_US", "es_US", "en_CA", "fr_CA", "es_MX", "es_CO", "es_CL", "en_PH"})
            QTest::newRow(letter) << QString::fromLatin1(letter) << true;
    }
    void regionalPaper()
    {
        QFETCH(QString, locale);
        QFETCH(bool, letter);
        const QPageSize paper(letter ? QPageSize::Letter : QPageSize::A4);
        const PrintPage page = regionalPrintPage(QLocale(locale));
        QCOMPARE(page.layout.pageSize().id(), paper.id());
        QCOMPARE(page.layout.orientation(), QPageLayout::Portrait);

        ChartWindow w(*m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("window.pdf");
        QVERIFY(saveWindowAsPdf(w.window, path, page).ok);
        QVERIFY(PdfPageIs(ReadBytes(path), paper.size(QPageSize::Point)));
    }

    void pageHoldsTheWindowsTexts()
    {
        if (!havePoppler())
            QSKIP("poppler-utils is not installed");
        ChartWindow w(*m_run);
        QTemporaryDir dir;
        const QString path = dir.filePath("window.pdf");
        QVERIFY(saveWindowAsPdf(w.window, path).ok);
        bool ok = false;
        const QString text = QString::fromUtf8(RunTool("pdftotext", {path, "-"}, &ok));
        QVERIFY(ok);
        for (const char* wanted : {"N2 vs. N1 with isoclines", "N1", "N2", "Species A", "Print"})
            QVERIFY2(text.contains(QLatin1String(wanted)), qPrintable(QString::fromLatin1(wanted) + " in:\n" + text));
        QVERIFY(pdfInfo(path).contains(QLatin1String("Graph"))); // the window's caption is the title
    }

    void savingChangesNothingOnTheWindow()
    {
        ChartWindow w(*m_run);
        const QImage before = w.window.grab().toImage();
        const QCPRange x = w.chart->xAxis->range();
        QTemporaryDir dir;
        QVERIFY(saveWindowAsPdf(w.window, dir.filePath("w.pdf")).ok);
        w.chart->replot();
        QCOMPARE(w.chart->xAxis->range(), x);
        QCOMPARE(w.window.grab().toImage(), before);
    }

    void windowWithoutAreaOrNameIsRefused()
    {
        QTemporaryDir dir;
        QWidget empty;
        empty.resize(0, 0);
        const Outcome none = saveWindowAsPdf(empty, dir.filePath("e.pdf"));
        QVERIFY(!none.ok);
        QVERIFY(!none.error.isEmpty());
        ChartWindow w(*m_run);
        QVERIFY(!saveWindowAsPdf(w.window, QString()).ok);
        QVERIFY(Listing(dir.path()).isEmpty());
    }

    void unwritableFileIsReportedAndTheOldOneKept_data()
    {
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::newRow("name is a folder") << Trouble::NameIsFolder << "folder";
        QTest::newRow("no such folder") << Trouble::NoSuchFolder << "";
        QTest::newRow("folder is a file") << Trouble::ParentIsFile << "";
        QTest::newRow("read-only folder") << Trouble::ReadOnlyFolder << "ermission";
        QTest::newRow("disk full") << Trouble::DiskFull << "large";
    }
    void unwritableFileIsReportedAndTheOldOneKept()
    {
        QFETCH(Trouble, trouble);
        QFETCH(QString, reason);
        ChartWindow w(*m_run);
        QTemporaryDir dir;
        const TroubleSpot spot = PrepareTrouble(dir.path(), trouble, QStringLiteral("window.pdf"));
        if (!spot.skip.isEmpty())
            QSKIP(qPrintable(spot.skip));
        const QStringList before = Listing(dir.path());
        Outcome outcome;
        {
            std::unique_ptr<FileSizeLimit> full;
            if (trouble == Trouble::DiskFull) {
                full = std::make_unique<FileSizeLimit>(4096);
                QVERIFY(full->active());
            }
            outcome = saveWindowAsPdf(w.window, spot.path);
        }
        Unlock(spot);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(QDir::toNativeSeparators(spot.path)), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QVERIFY2(outcome.error.size() > spot.path.size() + 40, qPrintable(outcome.error));
        if (!spot.earlier.isEmpty())
            QCOMPARE(ReadBytes(spot.path), spot.earlier);
        QCOMPARE(Listing(dir.path()), before);
    }
};

QTEST_MAIN(TestWindowPdf)
#include "tst_windowpdf.moc"
