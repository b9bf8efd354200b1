#include "WindowActions.h"

#include "Session.h"
#include "WindowPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {
QString refusedMessage(const QPrinter& printer, const QString& why)
{
    return QCoreApplication::translate("WindowActions",
                                       "The printer “%1” did not take the page: %2. Let the printer accept "
                                       "jobs again, or set up another printer as the default printer of this "
                                       "computer, then try again.")
        .arg(printer.printerName(), why);
}
} // namespace

void PrintOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName)
{
    Platform& platform = session.platform();
    const std::unique_ptr<QPrinter> printer = platform.defaultPrinter ? platform.defaultPrinter() : nullptr;
    if (!printer) {
        platform.reportProblem(
            &window, MessageTitle(),
            QCoreApplication::translate(
                "WindowActions",
                "No printer is set up. Set up a printer as the default printer of this computer, then try "
                "again."));
        return;
    }
    printer->setDocName(jobName);
    // A queue that rejects jobs would swallow the page without a word: say so instead.
    const QString refused = platform.printerRefusal ? platform.printerRefusal(*printer) : QString();
    if (!refused.isEmpty()) {
        platform.reportProblem(&window, MessageTitle(), refusedMessage(*printer, refused));
        return;
    }
    const PrintOutcome outcome = PrintWindow(window, *printer);
    if (!outcome.ok) {
        platform.reportProblem(
            &window, MessageTitle(),
            outcome.error.isEmpty()
                ? QCoreApplication::translate("WindowActions", "The window could not be printed.")
                : outcome.error);
        return;
    }
    if (const QString why = platform.jobRefusal ? platform.jobRefusal(*printer) : QString(); !why.isEmpty())
        platform.reportProblem(&window, MessageTitle(), refusedMessage(*printer, why));
}
