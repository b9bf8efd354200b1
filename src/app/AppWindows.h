#pragma once

#include <QStringList>

namespace vorlenza {

class Session;

/// Tells the session's window registry how to make each of the program's windows (each made
/// with the session) and how a shown window comes to the front; a file dropped on any of them is
/// opened as a scenario.
void registerWindows(Session& session);

/// Starts the program: the background and the title window, then the main window (hidden until
/// the title is dismissed) once the title has painted, then the file the command line names.
void startProgram(Session& session, const QStringList& arguments);

/// Opens the scenario file the command line names (`vorlenza FILE`: the first argument after the
/// program's name that is no option, a path or a file: URL), once the main window is loaded. It
/// takes the title window's place at once: whoever opened a file asked to see it. A file that
/// cannot be opened is told, and the start goes on as without one. Nothing when no file is named.
void openCommandLineFile(Session& session, const QStringList& arguments);

} // namespace vorlenza
