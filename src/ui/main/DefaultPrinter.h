#pragma once

#include "MessageTitle.h"

#include <QString>

class QWidget;

namespace vorlenza {

class Session;

/// Prints `window` on one page of the default printer, without a dialog, as a print job named
/// `jobName`, which is plain ASCII in every language: printer drivers garble other characters in
/// the names of the files and titles they make from it. Without a default printer, when the print
/// service does not answer, when its queue refuses the job, or when printing fails, the user is
/// told so and why, and nothing else happens; when the queue is paused, the user is told that the
/// page waits there.
void printOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName);

} // namespace vorlenza
