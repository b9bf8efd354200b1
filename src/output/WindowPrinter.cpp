#include "WindowPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <qcustomplot.h>

#include <algorithm>
#include <vector>

namespace {

/// While installed on the charts of a window, replaces each chart's screen bitmap by the chart
/// itself drawn as lines and text. It paints through the painter that QWidget::render shares with
/// the chart's paint event, so the chart lands at its place, clipped like the chart, and every
/// control stacked above it is still painted over it afterwards.
class VectorCharts : public QObject {
public:
    explicit VectorCharts(QWidget& window)
    {
        const auto plots = window.findChildren<QCustomPlot*>();
        for (QCustomPlot* plot : plots) {
            if (plot->isVisibleTo(&window)) {
                plot->installEventFilter(this);
                m_plots.push_back(plot);
            }
        }
    }
    ~VectorCharts() override
    {
        for (QCustomPlot* plot : m_plots)
            plot->removeEventFilter(this);
    }
    VectorCharts(const VectorCharts&) = delete;
    VectorCharts& operator=(const VectorCharts&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* plot = qobject_cast<QCustomPlot*>(watched);
        if (plot == nullptr)
            return false;
        QCPPainter painter(plot); // joins the shared painter of the render in progress
        if (!painter.isActive())
            return false;
        painter.setMode(QCPPainter::pmVectorized);
        plot->toPainter(&painter, plot->width(), plot->height());
        return true;
    }

private:
    std::vector<QCustomPlot*> m_plots;
};

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
        window.render(&recorder, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
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

/// Why the printer would not start, as far as we can tell from outside.
QString startFailure(const QPrinter& printer)
{
    const QString intro = QStringLiteral("The printer could not be started: ");
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return intro + QStringLiteral("no output file was chosen.");
        const QFileInfo folder(QFileInfo(file).absolutePath());
        if (!folder.isDir())
            return intro + QStringLiteral("the folder “%1” for the file “%2” does not exist.")
                               .arg(QDir::toNativeSeparators(folder.absoluteFilePath()),
                                    QDir::toNativeSeparators(file));
        return intro + QStringLiteral("the file “%1” could not be written.").arg(QDir::toNativeSeparators(file));
    }
    if (printer.printerName().isEmpty())
        return intro + QStringLiteral("no printer is set up on this computer.");
    return intro + QStringLiteral("the printer “%1” is not available or reported an error.")
                       .arg(printer.printerName());
}

} // namespace

PrintOutcome PrintWindow(QWidget& window, QPrinter& printer)
{
    if (!printer.isValid())
        return {false, startFailure(printer)};

    // Record before starting the page: a failure to start then costs nothing on the window.
    const QPicture picture = recordWindow(window);

    QPainter painter;
    if (!painter.begin(&printer))
        return {false, startFailure(printer)};

    // Scale the window to fit the printable area and centre it there.
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF source = window.size();
    if (source.isEmpty() || page.isEmpty()) {
        painter.end();
        return {false, QStringLiteral("The window could not be printed: it or the printable page has no area.")};
    }
    const qreal scale = std::min(page.width() / source.width(), page.height() / source.height());
    painter.translate((page.width() - source.width() * scale) / 2.0,
                      (page.height() - source.height() * scale) / 2.0);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), source));
    // A picture plays back at its physical size: it scales itself by the printer's resolution
    // over the one it was recorded at. Undo that, the fit above already covers it.
    painter.scale(qreal(picture.logicalDpiX()) / printer.logicalDpiX(),
                  qreal(picture.logicalDpiY()) / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {false, QStringLiteral("The page could not be printed: the printer “%1” reported an error.")
                           .arg(printerName(printer))};
    return {true, {}};
}
