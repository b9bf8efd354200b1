#include "WindowPdf.h"

#include "ChartExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

namespace vorlenza {

namespace {

QString failure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("WindowPdf", "The file “%1” could not be saved: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

PrintPage pageOf(const QPrinter& printer)
{
    return {printer.pageLayout(), printer.resolution()};
}

PrintPage defaultPrintPage()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return pageOf(printer);
}

PrintOutcome saveWindowAsPdf(QWidget& window, const QString& path, const PrintPage& page)
{
    if (path.isEmpty())
        return {false, QCoreApplication::translate("WindowPdf", "No file name was given.")};
    if (window.width() <= 0 || window.height() <= 0)
        return {false, QCoreApplication::translate("WindowPdf", "The window could not be saved: it has no area.")};
    if (QFileInfo(path).isDir())
        return {false, failure(path, QCoreApplication::translate("WindowPdf", "it is a folder"))};

    // The whole page first, then one write through QSaveFile (see saveBytes).
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(page.resolution);
        pdf.setPageLayout(page.layout);
        pdf.setTitle(window.windowTitle());
        pdf.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&pdf))
            return {false, failure(path, QCoreApplication::translate("WindowPdf", "the page could not be started"))};
        // The same area printWindow fills: the printable part of the page, from its top left.
        paintWindowFitted(window, painter, QRectF(QPointF(0, 0), page.layout.paintRectPixels(page.resolution).size()));
        painter.end();
    }
    const ExportOutcome saved = saveBytes(path, buffer.data());
    if (!saved.ok)
        return {false, saved.error};
    return {true, {}};
}

} // namespace vorlenza
