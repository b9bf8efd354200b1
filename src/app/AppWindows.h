#pragma once

class Session;

/// Tells the session's window registry how to make each of the program's ten windows.
void RegisterWindows(Session& session);
