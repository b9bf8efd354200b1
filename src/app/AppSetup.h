#pragma once

namespace vorlenza {

/// Gives the running QApplication the program's names, icon, fonts and ending rule. Only the
/// application name and the desktop file name are set: a display name would make Qt append
/// " — <name>" to every window caption.
void setUpApplication();

/// What main() returns once the session and its windows are gone: `status`. While the print service
/// still owes an answer, the process ends here instead, with `status`, before QApplication and the
/// static objects are destroyed (see AppSetup.cpp).
int finishProgram(int status);

} // namespace vorlenza
