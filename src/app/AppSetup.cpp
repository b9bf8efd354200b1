#include "AppSetup.h"

#include "Look.h"
#include "WholeFile.h"

#include <QApplication>
#include <QIcon>

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

} // namespace vorlenza
