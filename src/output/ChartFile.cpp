#include "ChartFile.h"

#include "WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vorlenza {

Outcome saveChart(QCustomPlot& plot, const QString& path, ChartFileType type)
{
    // Nothing to draw for a name that cannot be written; a draw takes a while.
    if (path.isEmpty() || QFileInfo(path).isDir())
        return writeWholeFile(path, {});
    // Make the whole file first: a writer that meets a failing device may stop without saying so.
    const QByteArray bytes = chartBytes(plot, type);
    if (bytes.isEmpty())
        return {false, fileFailure(path, QCoreApplication::translate("WholeFile", "the chart could not be drawn"))};
    return writeWholeFile(path, bytes);
}

} // namespace vorlenza
