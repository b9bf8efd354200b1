#pragma once

#include <QImage>
#include <QString>

#include <memory>

class QCustomPlot;
class QMimeData;

namespace vorlenza {

/// The file types a chart is saved as.
enum class ChartFileType { Png, Svg, Pdf };

/// The chart's title as shown above the plot (empty when it has none).
QString chartTitle(const QCustomPlot& plot);

/// The chart as an image at twice its size in device pixels, as drawn on screen.
QImage chartImage(QCustomPlot& plot);

/// The chart as SVG: lines and text at the chart's size in pixels (96 dpi).
QByteArray chartSvg(QCustomPlot& plot);

/// The file `type` makes of the chart, as bytes (saveChart writes them): PNG at twice the chart's
/// size in device pixels; SVG and PDF as lines and text at the chart's size (a PDF page of the
/// chart's size at 96 dpi).
QByteArray chartBytes(QCustomPlot& plot, ChartFileType type);

/// What "Copy chart" puts on the clipboard: the image (offered as PNG and the other image types
/// the clipboard takes) and the SVG drawing as "image/svg+xml".
std::unique_ptr<QMimeData> chartMimeData(QCustomPlot& plot);

/// Puts chartMimeData on the system clipboard.
void copyChartToClipboard(QCustomPlot& plot);

/// The filters of the save dialog, PNG first, separated by ";;".
QString chartSaveFilters();

/// The dialog filter that stands for `type`, one of those of chartSaveFilters.
QString chartSaveFilter(ChartFileType type);

/// The default file name of a chart: its title with the extension of `type`, e.g.
/// "N2 vs. N1.png"; characters that cannot be in a file name become "-"; no title gives "Chart".
QString defaultChartFileName(const QString& title, ChartFileType type);

struct ChosenChartFile {
    QString path;
    ChartFileType type = ChartFileType::Png;
};

/// The type of a file picked in the save dialog: a typed ".png", ".svg" or ".pdf" (any case) wins;
/// otherwise the chosen filter decides and its extension is added to the name.
ChosenChartFile resolveChartFile(const QString& typedPath, const QString& chosenFilter);

} // namespace vorlenza
