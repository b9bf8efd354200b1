#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

namespace vorlenza {

struct ModelState;

/// The results file of a run, byte for byte: two quoted parameter lines, the quoted header and
/// one line of nine numbers per day 0..simTime, every line ended by CR LF. Locale-free.
QByteArray resultsFileContents(const ModelState& state);

/// The name the results go to: the chosen name without its last four characters, followed by
/// "-N1N2dN.txt". Empty when the chosen file name (after the last folder separator) has fewer
/// than four characters, since the result would leave the chosen folder or have no name.
QString derivedResultsName(const QString& chosen);

/// What the user is told when `chosen` is too short for derivedResultsName.
QString resultsNameTooShort(const QString& chosen);

/// Writes the results file whole or not at all (writeWholeFile): on any failure an existing file
/// stays as it was.
Outcome writeResultsFile(const QString& path, const ModelState& state);

} // namespace vorlenza
