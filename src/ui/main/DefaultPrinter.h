#pragma once

#include <QString>

class QWidget;
class Session;

/// Title of every message the graph windows show.
inline QString MessageTitle() { return QStringLiteral("Vorlenza"); }

/// Prints `window` on one page of the default printer, without a dialog, as a print job named
/// `jobName`. Without a default printer, when its queue refuses the job, or when printing fails,
/// the user is told so and why, and nothing else happens.
void PrintOnDefaultPrinter(Session& session, QWidget& window, const QString& jobName);
