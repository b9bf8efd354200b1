#include "ChartExport.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace vorlenza {

namespace {

/// Draws the chart as lines and text on `device`, at the chart's size in pixels.
void paintVectors(QCustomPlot& plot, QPaintDevice& device)
{
    QCPPainter painter(&device);
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    plot.toPainter(&painter, plot.width(), plot.height());
    painter.end();
}

void writeSvg(QCustomPlot& plot, QIODevice& out)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(plot.size());
    svg.setViewBox(QRect(QPoint(0, 0), plot.size()));
    svg.setResolution(96);
    svg.setTitle(chartTitle(plot));
    paintVectors(plot, svg);
}

void writePdf(QCustomPlot& plot, QIODevice& out)
{
    QPdfWriter pdf(&out);
    pdf.setResolution(96);
    pdf.setTitle(chartTitle(plot));
    pdf.setCreator(QCoreApplication::applicationName());
    const QSizeF points = QSizeF(plot.size()) * (72.0 / 96.0);
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    paintVectors(plot, pdf);
}

/// PNG bytes of `image`. An opaque picture is written without an alpha channel, and with light
/// compression: a chart at twice its size is some 1.6 million pixels, and the default level costs
/// a third more time for a file a fifth smaller.
QByteArray encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(78);
    writer.write(image.hasAlphaChannel() ? image : image.convertToFormat(QImage::Format_RGB888));
    return bytes;
}

const char* extensionOf(ChartFileType type)
{
    switch (type) {
    case ChartFileType::Png: return "png";
    case ChartFileType::Svg: return "svg";
    case ChartFileType::Pdf: return "pdf";
    }
    return "png";
}

} // namespace

QString chartTitle(const QCustomPlot& plot)
{
    // The title is the first text element of the layout.
    QCPLayoutGrid* layout = plot.plotLayout();
    for (int i = 0; i < layout->elementCount(); ++i)
        if (auto* text = qobject_cast<QCPTextElement*>(layout->elementAt(i)))
            return text->text();
    return {};
}

QImage chartImage(QCustomPlot& plot) { return plot.toPixmap(0, 0, 2.0 * plot.devicePixelRatioF()).toImage(); }

QByteArray chartSvg(QCustomPlot& plot)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeSvg(plot, buffer);
    return buffer.data();
}

QByteArray chartBytes(QCustomPlot& plot, ChartFileType type)
{
    if (type == ChartFileType::Png)
        return encodePng(chartImage(plot));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    switch (type) {
    case ChartFileType::Png: break;
    case ChartFileType::Svg: writeSvg(plot, buffer); break;
    case ChartFileType::Pdf: writePdf(plot, buffer); break;
    }
    return buffer.data();
}

std::unique_ptr<QMimeData> chartMimeData(QCustomPlot& plot)
{
    auto data = std::make_unique<QMimeData>();
    const QImage image = chartImage(plot);
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), encodePng(image));
    data->setData(QStringLiteral("image/svg+xml"), chartSvg(plot));
    return data;
}

void copyChartToClipboard(QCustomPlot& plot)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(chartMimeData(plot).release());
}

QString chartSaveFilter(ChartFileType type)
{
    switch (type) {
    case ChartFileType::Png: return QCoreApplication::translate("ChartExport", "PNG image (*.png)");
    case ChartFileType::Svg: return QCoreApplication::translate("ChartExport", "SVG drawing (*.svg)");
    case ChartFileType::Pdf: return QCoreApplication::translate("ChartExport", "PDF document (*.pdf)");
    }
    return {};
}

QString chartSaveFilters()
{
    return chartSaveFilter(ChartFileType::Png) + QStringLiteral(";;") + chartSaveFilter(ChartFileType::Svg) +
           QStringLiteral(";;") + chartSaveFilter(ChartFileType::Pdf);
}

QString defaultChartFileName(const QString& title, ChartFileType type)
{
    QString name;
    for (const QChar c : title) {
        const bool unsafe = c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unsafe ? QChar(u'-') : c;
    }
    name = name.trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QCoreApplication::translate("ChartExport", "Chart");
    return name + u'.' + QLatin1String(extensionOf(type));
}

ChosenChartFile resolveChartFile(const QString& typedPath, const QString& chosenFilter)
{
    if (typedPath.isEmpty())
        return {};
    const QString suffix = QFileInfo(typedPath).suffix().toLower();
    for (ChartFileType type : {ChartFileType::Png, ChartFileType::Svg, ChartFileType::Pdf})
        if (suffix == QLatin1String(extensionOf(type)))
            return {typedPath, type};

    ChartFileType type = ChartFileType::Png;
    for (ChartFileType t : {ChartFileType::Png, ChartFileType::Svg, ChartFileType::Pdf})
        if (chosenFilter == chartSaveFilter(t) ||
            chosenFilter.contains(QStringLiteral("*.") + QLatin1String(extensionOf(t)), Qt::CaseInsensitive))
            type = t;
    QString path = typedPath;
    if (!path.endsWith(u'.'))
        path += u'.';
    return {path + QLatin1String(extensionOf(type)), type};
}

} // namespace vorlenza
