#include "DefaultPrinter.h"

#include "PrintService.h"
#include "Session.h"
#include "WindowPdfRequest.h"
#include "WindowPrinter.h"

#include <QCoreApplication>
#include <QDir>
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
/// The printer as the user knows it: its queue, or the file a PDF printer writes.
QString shownName(const QPrinter& printer)
{
    if (printer.printerName().isEmpty() && printer.outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(printer.outputFileName());
    return printer.printerName();
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
    std::optional<PrinterAnswer> answer = askPrintService(platform, jobName);
    if (!answer) {
        printFailed(session, window,
                    QCoreApplication::translate("WindowActions",
                                                "The print service of this computer does not answer, so the "
                                                "page was not printed. Try again in a while, or save the page "
                                                "as a PDF file."));
        return;
    }
    const std::unique_ptr<QPrinter> printer = std::move(answer->printer);
    if (!printer) {
        printFailed(session, window,
                    QCoreApplication::translate("WindowActions",
                                                "No printer is set up. Set up a printer as the default "
                                                "printer of this computer, then try again."));
        return;
    }
    // A queue that rejects jobs would swallow the page without a word: say so instead.
    if (!answer->refusal.isEmpty()) {
        printFailed(session, window, refusedMessage(*printer, answer->refusal));
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
    if (const QString why = platform.jobRefusal ? platform.jobRefusal(*printer) : QString(); !why.isEmpty()) {
        printFailed(session, window, refusedMessage(*printer, why));
        return;
    }
    // A paused queue keeps the page without a word until someone resumes the printer: say so.
    if (answer->paused)
        printFailed(session, window,
                    QCoreApplication::translate("WindowActions",
                                                "The page waits in the queue of the printer “%1”, which is "
                                                "paused. It will be printed when the printer is resumed.")
                        .arg(shownName(*printer)));
}

} // namespace vorlenza
