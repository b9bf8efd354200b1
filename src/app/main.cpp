#include "AppSetup.h"
#include "AppWindows.h"
#include "Language.h"
#include "Session.h"
#include "TeacherTools.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

using namespace vorlenza;

namespace {

/// Whether Qt can find a screen to open: without one QApplication aborts with a hint to reinstall
/// the program, which misleads.
bool hasGraphicalSession(int argc, char* argv[])
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // a teacher's commands need no display and open no window
    if (const std::optional<int> status = runTeacherCommand(argc, argv))
        return *status;
    if (!hasGraphicalSession(argc, argv)) {
        std::fputs("vorlenza needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set; "
                   "to try it without one: xvfb-run -a vorlenza\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    vorlenza::Translations translations;
    translations.use(QLocale::system().uiLanguages());
    setUpApplication();

    int status = 0;
    {
        Session session;
        registerWindows(session);
        // The main window is the start-up window: its load routine shows the background and
        // title windows and keeps itself hidden until the title window is dismissed. They are
        // shown before it is built, so that the title does not wait for it.
        startProgram(session, QCoreApplication::arguments());
        status = QApplication::exec();
    }
    return finishProgram(status);
}
