#pragma once

#include <QString>

class QWidget;
class Session;

/// Title of every message the graph windows show.
inline QString MessageTitle() { return QStringLiteral("Vorlenza"); }

/// Prints `window` on one page of the default printer, without a dialog. Without a default
/// printer, or when printing fails, the user is told so and nothing else happens.
void PrintOnDefaultPrinter(Session& session, QWidget& window);
