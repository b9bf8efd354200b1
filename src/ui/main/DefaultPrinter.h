#pragma once

#include "MessageTitle.h"

#include <QString>

class QWidget;

namespace vorlenza {

class Session;

/// Prints `window` on one page of the default printer, without a dialog, as a print job named
/// `jobName`. Without a default printer, when its queue refuses the job, or when printing fails,
/// the user is told so and why, and nothing else happens.
void printOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName);

} // namespace vorlenza
