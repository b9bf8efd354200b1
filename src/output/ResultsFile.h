#pragma once

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

struct WriteOutcome {
    bool ok = false;
    QString error; ///< why it failed, in plain words, when !ok
};

/// Writes the results file whole or not at all: on any failure an existing file stays as it was.
WriteOutcome writeResultsFile(const QString& path, const ModelState& state);

/// Writes `contents` to `path` as writeResultsFile writes the results: whole or not at all, with
/// the same messages; for other forms of the results (the spreadsheet).
WriteOutcome writeResultsBytes(const QString& path, const QByteArray& contents);

} // namespace vorlenza
