#include "WindowPrinter.h"

#include "VectorCharts.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace vorlenza {

namespace {

/// The window's client area as drawing commands (text as text, charts as lines), at the window's
/// own size in device-independent pixels.
QPicture recordWindow(QWidget& window)
{
    QPicture picture;
    // A picture is not a printer, so QWidget::render paints every control straight into it
    // instead of going through a bitmap of the window.
    QPainter recorder(&picture);
    {
        VectorCharts charts(window);
        window.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    recorder.end();
    return picture;
}

QString printerName(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(printer.outputFileName());
    return printer.printerName();
}

/// Why the printer would not start, as far as we can tell from outside. A file to print into fails
/// as every file the program writes.
QString startFailure(const QPrinter& printer)
{
    const QString intro = QCoreApplication::translate("WindowPrinter", "The printer could not be started: ");
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return intro + QCoreApplication::translate("WindowPrinter", "no output file was chosen.");
        const QString problem = pathProblem(file);
        if (!problem.isEmpty())
            return fileFailure(file, problem);
        return intro + QCoreApplication::translate("WindowPrinter", "the file “%1” could not be written.")
                           .arg(QDir::toNativeSeparators(file));
    }
    if (printer.printerName().isEmpty())
        return intro + QCoreApplication::translate("WindowPrinter", "no printer is set up on this computer.");
    return intro +
           QCoreApplication::translate("WindowPrinter", "the printer “%1” is not available or reported an error.")
               .arg(printer.printerName());
}

} // namespace

void paintWindowFitted(QWidget& window, QPainter& painter, const QRectF& area)
{
    const QSizeF source = window.size();
    if (source.isEmpty() || area.isEmpty())
        return;
    const QPicture picture = recordWindow(window);

    painter.save();
    const qreal scale = std::min(area.width() / source.width(), area.height() / source.height());
    painter.translate(area.x() + (area.width() - source.width() * scale) / 2.0,
                      area.y() + (area.height() - source.height() * scale) / 2.0);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), source), Qt::IntersectClip);
    // A picture plays back at its physical size: it scales itself by the device's resolution
    // over the one it was recorded at. Undo that, the fit above already covers it.
    const QPaintDevice* device = painter.device();
    painter.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

Outcome printWindow(QWidget& window, QPrinter& printer)
{
    if (!printer.isValid())
        return {false, startFailure(printer)};
    if (window.width() <= 0 || window.height() <= 0)
        return {false,
                QCoreApplication::translate("WindowPrinter", "The window could not be printed: it has no area.")};

    QPainter painter;
    if (!painter.begin(&printer))
        return {false, startFailure(printer)};

    // The painter's origin is the top left of the printable area.
    paintWindowFitted(window, painter, QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()));

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {false, QCoreApplication::translate("WindowPrinter",
                                                   "The page could not be printed: the printer “%1” reported an error.")
                           .arg(printerName(printer))};
    return {true, {}};
}

} // namespace vorlenza
