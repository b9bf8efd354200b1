#include "WindowActions.h"

#include "Session.h"
#include "WindowPrinter.h"

#include <QPrinter>

void PrintOnDefaultPrinter(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    const std::unique_ptr<QPrinter> printer = platform.defaultPrinter ? platform.defaultPrinter() : nullptr;
    if (!printer) {
        platform.reportProblem(&window, MessageTitle(),
                               QStringLiteral("No printer is set up. Set up a printer as the default printer "
                                              "of this computer, then try again."));
        return;
    }
    const PrintOutcome outcome = PrintWindow(window, *printer);
    if (!outcome.ok)
        platform.reportProblem(&window, MessageTitle(),
                               outcome.error.isEmpty() ? QStringLiteral("The window could not be printed.")
                                                       : outcome.error);
}
