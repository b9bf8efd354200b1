#include "AppWindows.h"

#include "Session.h"
#include "Vater.h"
#include "frmBackForm.h"
#include "frmCopyrigh.h"
#include "frmForm1.h"
#include "frmHowto.h"
#include "frmIntrofrm.h"
#include "frmLarggraf.h"
#include "frmQuiz.h"
#include "frmReference.h"
#include "frmTitlform.h"

namespace {
template <class Window> WindowRegistry::Factory factory()
{
    return [](Session& session) -> QWidget* { return new Window(session); };
}
} // namespace

void RegisterWindows(Session& session)
{
    WindowRegistry& w = session.windows();
    w.setFactory(WindowId::Main, factory<frmForm1>());
    w.setFactory(WindowId::Large, factory<frmLarggraf>());
    w.setFactory(WindowId::Background, factory<frmBackForm>());
    w.setFactory(WindowId::Title, factory<frmTitlform>());
    w.setFactory(WindowId::Introduction, factory<frmIntrofrm>());
    w.setFactory(WindowId::References, factory<frmReference>());
    w.setFactory(WindowId::HowTo, factory<frmHowto>());
    w.setFactory(WindowId::About, factory<frmCopyrigh>());
    w.setFactory(WindowId::Dedication, factory<Vater>());
    w.setFactory(WindowId::Quiz, factory<frmQuiz>());
}
