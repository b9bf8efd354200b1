#pragma once

#include <QString>

namespace vorlenza {

/// Title of every message the program shows.
inline QString messageTitle() { return QStringLiteral("Vorlenza"); }

} // namespace vorlenza
