#include "AppWindows.h"

#include "FileDrops.h"
#include "ScenarioFiles.h"
#include "Session.h"
#include "Vater.h"
#include "frmBackForm.h"
#include "frmCopyrigh.h"
#include "frmForm1.h"
#include "frmHowto.h"
#include "frmIntrofrm.h"
#include "frmLab.h"
#include "frmLarggraf.h"
#include "frmLesson.h"
#include "frmQuiz.h"
#include "frmReference.h"
#include "frmTitlform.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace vorlenza {

namespace {
template <class Window> WindowRegistry::Factory factory(Session& session)
{
    return [&session]() -> QWidget* { return new Window(session); };
}
} // namespace

void registerWindows(Session& session)
{
    WindowRegistry& w = session.windows();
    w.setFactory(WindowId::Main, factory<frmForm1>(session));
    w.setFactory(WindowId::Large, factory<frmLarggraf>(session));
    w.setFactory(WindowId::Background, factory<frmBackForm>(session));
    w.setFactory(WindowId::Title, factory<frmTitlform>(session));
    w.setFactory(WindowId::Introduction, factory<frmIntrofrm>(session));
    w.setFactory(WindowId::References, factory<frmReference>(session));
    w.setFactory(WindowId::HowTo, factory<frmHowto>(session));
    w.setFactory(WindowId::About, factory<frmCopyrigh>(session));
    w.setFactory(WindowId::Dedication, factory<Vater>(session));
    w.setFactory(WindowId::Quiz, factory<frmQuiz>(session));
    w.setFactory(WindowId::Lab, factory<frmLab>(session));
    w.setFactory(WindowId::Lesson, factory<frmLesson>(session));
    session.openLesson = [&session](const QString& path, QWidget* parent) {
        return openLessonFile(session, path, parent);
    };
    new FileDrops(w, [&session](QWidget* window, const QString& path) { openScenarioFile(session, path, window); });
    // A window asked for comes to the front; the offscreen platform has no window stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        w.setBringToFront([](QWidget& window) {
            window.raise();
            window.activateWindow();
        });
    }
}

void openCommandLineFile(Session& session, const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        const QString path = argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile()
                                                                         : QFileInfo(argument).absoluteFilePath();
        openScenarioFile(session, path, session.windows().window(WindowId::Title));
        return;
    }
}

} // namespace vorlenza
