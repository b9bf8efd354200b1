#include "AppSetup.h"
#include "AppWindows.h"
#include "Language.h"
#include "Session.h"

#include <QApplication>
#include <QLocale>

using namespace vorlenza;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vorlenza::Translations translations;
    translations.use(QLocale::system().uiLanguages());
    setUpApplication();

    int status = 0;
    {
        Session session;
        registerWindows(session);
        // The main window is the start-up window: its load routine shows the background and
        // title windows and keeps itself hidden until the title window is dismissed.
        session.windows().load(WindowId::Main);
        status = QApplication::exec();
    }
    return status;
}
