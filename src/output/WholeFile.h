#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

namespace vorlenza {

/// Writes `bytes` to `path` whole or not at all, through QSaveFile: afterwards either the whole
/// new file is there, or whatever was at `path` before is left byte for byte and no temporary file
/// stays. On failure the error names the file and the reason ("The file “…” could not be saved:
/// …."), in the words every file of the program uses.
Outcome writeWholeFile(const QString& path, const QByteArray& bytes);

/// The failure message for `path` with `reason`, as writeWholeFile words it.
QString fileFailure(const QString& path, const QString& reason);

// The reasons a file cannot be written, each worded here once for every file the program writes
// (the `reason` of fileFailure).

/// What is wrong with `path` as a place for a new file (no name, a folder in the way, a missing or
/// read-only folder, …), in words a student understands; empty when nothing can be seen from outside.
QString pathProblem(const QString& path);

/// Why `size` bytes cannot be written under the process's file size limit (as quota-limited
/// accounts have); empty when they fit.
QString sizeLimitProblem(qint64 size);

/// A write that stopped part way for a reason the program cannot see, most often a full disk.
QString diskFullProblem();

/// The end of every reason given when whatever was at the file's name is left as it was.
QString earlierFileUnchanged();

/// Lets a write beyond the process's file size limit fail like one to a full disk instead of
/// ending the program (SIGXFSZ is ignored). The program calls this once at start-up.
void surviveFileSizeLimit();

} // namespace vorlenza
