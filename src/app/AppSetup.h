#pragma once

namespace vorlenza {

/// Gives the running QApplication the program's names, icon, fonts and ending rule. Only the
/// application name and the desktop file name are set: a display name would make Qt append
/// " — <name>" to every window caption.
void setUpApplication();

} // namespace vorlenza
