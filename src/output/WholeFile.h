#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

namespace vorlenza
{

/// Writes `bytes` to `path` whole or not at all, through QSaveFile: afterwards either the whole
/// new file is there, or whatever was at `path` before is left byte for byte and no temporary file
/// stays. On failure the error names the file and the reason ("The file “…” could not be saved:
/// …."), in the words every file of the program uses.
Outcome writeWholeFile(const QString& path, const QByteArray& bytes);

/// The failure message for `path` with `reason`, as writeWholeFile words it.
QString fileFailure(const QString& path, const QString& reason);

/// Lets a write beyond the process's file size limit fail like one to a full disk instead of
/// ending the program (SIGXFSZ is ignored). The program calls this once at start-up.
void surviveFileSizeLimit();

} // namespace vorlenza
