#include "AppSetup.h"

#include "Look.h"
#include "PrintService.h"
#include "WholeFile.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace vorlenza {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vorlenza"));
    // The desktop entry (and with it the task bar and the AppStream data) names the program.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vorlenza"));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setWindowIcon(look::windowIcon());
    // The program ends only through its two exits, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);
    look::installFontSubstitutions();
    // A file size limit (as quota-limited accounts have) makes a save fail with a message
    // instead of ending the program.
    surviveFileSizeLimit();
}

int finishProgram(int status)
{
    // A print service that never answered keeps the thread that asked it inside the print system
    // (a CUPS request waits a minute or more). Destroying QApplication deletes Qt's print support
    // under that thread, and the static destructors tear down what it may still use; a pool's
    // destructor would wait for it. So the process ends here, at once: the windows are closed
    // already and every file is written whole when its save returns, so nothing is lost.
    if (printServiceOwesAnswer()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace vorlenza
