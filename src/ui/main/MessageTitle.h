#pragma once

#include <QString>

namespace vorlenza
{

/// Title of every message the graph windows show.
inline QString messageTitle()
{
    return QStringLiteral("Vorlenza");
}

} // namespace vorlenza
