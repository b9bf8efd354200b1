#include "WindowPdfRequest.h"

#include "ChartExport.h"
#include "MessageTitle.h"
#include "PrintService.h"
#include "Session.h"
#include "WindowPdf.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QWidget>

namespace vorlenza {

void saveWindowAsPdfAsked(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = chartSaveFilter(ChartFileType::Pdf);
    const QString suggested = defaultChartFileName(window.windowTitle(), ChartFileType::Pdf);
    const QString typed = platform.chooseExportFile(&window, suggested, filter, &filter);
    if (typed.isEmpty())
        return;
    const QString path = windowPdfPath(typed);
    if (path.isEmpty()) {
        platform.reportProblem(
            &window, messageTitle(),
            QCoreApplication::translate("WindowActions",
                                        "The window is saved as a PDF document only, and “%1” is the name of "
                                        "another type of file. Nothing was saved. Please choose a name that "
                                        "ends in “.pdf”.")
                .arg(QFileInfo(typed).fileName()));
        return;
    }
    // The page is the default printer's, asked off the window's thread within the same time limit as
    // printing; with no printer, or a print service that does not answer, the region's paper.
    const std::optional<PrinterAnswer> answer = askPrintService(platform);
    const QPrinter* printer = answer ? answer->printer.get() : nullptr;
    const Outcome outcome = saveWindowAsPdf(window, path, printer ? pageOf(*printer) : regionalPrintPage());
    if (!outcome.ok)
        platform.reportProblem(&window, messageTitle(), outcome.error);
}

} // namespace vorlenza
