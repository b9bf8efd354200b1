#include "AppWindows.h"

#include "Session.h"
#include "Vater.h"
#include "frmBackForm.h"
#include "frmCopyrigh.h"
#include "frmForm1.h"
#include "frmHowto.h"
#include "frmIntrofrm.h"
#include "frmLab.h"
#include "frmLarggraf.h"
#include "frmQuiz.h"
#include "frmReference.h"
#include "frmTitlform.h"

#include <QGuiApplication>

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
    // A window asked for comes to the front; the offscreen platform has no window stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        w.setBringToFront([](QWidget& window) {
            window.raise();
            window.activateWindow();
        });
    }
}

} // namespace vorlenza
