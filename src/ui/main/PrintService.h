#pragma once

#include <QString>

#include <memory>
#include <optional>

class QPrinter;

namespace vorlenza {

struct Platform;

/// What the print service says about the default printer.
struct PrinterAnswer {
    std::unique_ptr<QPrinter> printer; ///< nullptr: no printer is set up
    QString refusal;                   ///< why its queue takes no job now; empty when it does
    bool paused = false;               ///< its queue holds jobs until the printer is resumed
};

/// Asks the print service about the default printer off the window's thread, and about its queue
/// for a job named `jobName` when that is not empty. The windows keep painting meanwhile and close
/// when asked; clicks and keys are ignored until the answer. Nothing when the service has not answered within the
/// platform's wait, or still has not answered an earlier question: a hung print service cannot freeze the program.
std::optional<PrinterAnswer> askPrintService(Platform& platform, const QString& jobName = QString());

/// Whether the print service has still not answered the last question: its thread is then inside
/// the print system, and the program must end without waiting for it.
bool printServiceOwesAnswer();

} // namespace vorlenza
