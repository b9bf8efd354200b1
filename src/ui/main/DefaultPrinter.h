#pragma once

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace vorlenza {

class Session;
struct Platform;

/// Title of every message the graph windows show.
inline QString messageTitle() { return QStringLiteral("Vorlenza"); }

/// What the print service says about the default printer.
struct PrinterAnswer {
    std::unique_ptr<QPrinter> printer; ///< nullptr: no printer is set up
    QString refusal;                   ///< why its queue takes no job now; empty when it does
    bool paused = false;               ///< its queue holds jobs until the printer is resumed
};

/// Asks the print service about the default printer off the window's thread, and about its queue
/// for a job named `jobName` when that is not empty. The windows keep painting meanwhile (the
/// user's input waits). Nothing when the service has not answered within the platform's wait, or
/// still has not answered an earlier question: a hung print service cannot freeze the program.
std::optional<PrinterAnswer> askPrintService(Platform& platform, const QString& jobName = QString());

/// Prints `window` on one page of the default printer, without a dialog, as a print job named
/// `jobName`, which is plain ASCII in every language: printer drivers garble other characters in
/// the names of the files and titles they make from it. Without a default printer, when the print service does not answer, when its queue
/// refuses the job, or when printing fails, the user is told so and why, and nothing else happens;
/// when the queue is paused, the user is told that the page waits there.
void printOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName);

} // namespace vorlenza
