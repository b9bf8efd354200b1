#pragma once

namespace vorlenza {

class Session;

/// Tells the session's window registry how to make each of the program's windows (each made
/// with the session) and how a shown window comes to the front.
void registerWindows(Session& session);

} // namespace vorlenza
