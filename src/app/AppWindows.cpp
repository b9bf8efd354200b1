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

#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>

namespace vorlenza {

namespace {
template <class Window> WindowRegistry::Factory factory(Session& session)
{
    return [&session]() -> QWidget* { return new Window(session); };
}

/// Ends an event loop once a window has painted itself for the first time (after the pass that
/// painted it, so that the picture is on the screen), or once it is hidden unpainted.
class FirstPaintWait : public QObject {
public:
    FirstPaintWait(QWidget& window, QEventLoop& loop) : m_loop(loop) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint || event->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return false;
    }

private:
    QEventLoop& m_loop;
};

/// The longest the main window waits for the title to be painted: a display that never shows the
/// title must not keep the program from starting.
constexpr int TitlePaintWaitMs = 1000;
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

void startProgram(Session& session, const QStringList& arguments)
{
    // The background and the title window first; the main window, hidden until the title is
    // dismissed, is built once the title is on the screen: its forty controls, their fonts and its
    // chart take longer than both windows together, and nobody sees them before a key is pressed.
    // Its load routine finds the two windows made and leaves them as they are. The background
    // paints right after the title (before the event loop runs, no window has painted yet):
    // filling the whole screen takes longer than the title's picture, which the student reads.
    WindowRegistry& windows = session.windows();
    showStartUpWindows(windows);
    QWidget* back = windows.window(WindowId::Background);
    if (back)
        back->setUpdatesEnabled(false);
    if (QWidget* title = windows.window(WindowId::Title); title && title->isVisible()) {
        QEventLoop loop;
        FirstPaintWait wait(*title, loop);
        QTimer::singleShot(TitlePaintWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (back = windows.window(WindowId::Background); back) { // unless the program ended meanwhile
        back->setUpdatesEnabled(true);
        back->repaint();
    }
    if (windows.ending())
        return;
    // A key pressed meanwhile has dismissed the title and built the main window already.
    windows.load(WindowId::Main);
    openCommandLineFile(session, arguments);
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
