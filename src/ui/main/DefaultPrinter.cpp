#include "DefaultPrinter.h"

#include "Session.h"
#include "WindowPdfRequest.h"
#include "WindowPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace vorlenza {

namespace {
// The messages belong to the context "WindowActions": what both graph windows do with their page.
QString refusedMessage(const QPrinter& printer, const QString& why)
{
    return QCoreApplication::translate("WindowActions",
                                       "The printer “%1” did not take the page: %2. Let the printer accept "
                                       "jobs again, or set up another printer as the default printer of this "
                                       "computer, then try again.")
        .arg(printer.printerName(), why);
}
/// Says why printing failed and offers the same page as a PDF file instead.
void printFailed(Session& session, QWidget& window, const QString& text)
{
    Platform& platform = session.platform();
    if (!platform.offerSaveAsPdf) {
        platform.reportProblem(&window, messageTitle(), text);
        return;
    }
    if (platform.offerSaveAsPdf(&window, messageTitle(), text))
        saveWindowAsPdfAsked(session, window);
}
} // namespace

void printOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName)
{
    Platform& platform = session.platform();
    const std::unique_ptr<QPrinter> printer = platform.defaultPrinter ? platform.defaultPrinter() : nullptr;
    if (!printer) {
        printFailed(session, window,
                    QCoreApplication::translate("WindowActions",
                                                "No printer is set up. Set up a printer as the default "
                                                "printer of this computer, then try again."));
        return;
    }
    printer->setDocName(jobName);
    // A queue that rejects jobs would swallow the page without a word: say so instead.
    const QString refused = platform.printerRefusal ? platform.printerRefusal(*printer) : QString();
    if (!refused.isEmpty()) {
        printFailed(session, window, refusedMessage(*printer, refused));
        return;
    }
    const Outcome outcome = printWindow(window, *printer);
    if (!outcome.ok) {
        printFailed(session, window,
                    outcome.error.isEmpty()
                        ? QCoreApplication::translate("WindowActions", "The window could not be printed.")
                        : outcome.error);
        return;
    }
    if (const QString why = platform.jobRefusal ? platform.jobRefusal(*printer) : QString(); !why.isEmpty())
        printFailed(session, window, refusedMessage(*printer, why));
}

} // namespace vorlenza
