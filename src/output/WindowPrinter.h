#pragma once

#include <QString>

class QPrinter;
class QWidget;

struct PrintOutcome {
    bool ok = false;
    QString error; ///< why it failed, in plain words, when !ok
};

/// Prints the window's client area with every visible control on one page of `printer`, scaled
/// to fit and centred, without any dialog. The chart is drawn as vectors.
PrintOutcome PrintWindow(QWidget& window, QPrinter& printer);
