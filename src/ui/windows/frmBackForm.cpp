#include "frmBackForm.h"

#include "Look.h"
#include "Session.h"
#include "WindowKit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace vorlenza {

frmBackForm::frmBackForm(Session& session, QWidget* parent)
    : ProgramWindow(session, "frmBackForm", parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
{
    build();
}

void frmBackForm::createControls()
{
    setWindowTitle(QStringLiteral("Vorlenza"));
    kit::background(this, look::vb(0x400000));
}

void frmBackForm::placeControls()
{
    // Maximised: the whole working area of the screen, also where no window manager maximises.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void frmBackForm::closeEvent(QCloseEvent* event)
{
    if (session().windows().ending())
        event->accept();
    else
        event->ignore();
}

void frmBackForm::mousePressEvent(QMouseEvent* event)
{
    // Keep the background behind: whichever working window is up comes to the front again.
    for (int i = 0; i < WindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (id == WindowId::Background)
            continue;
        if (QWidget* w = session().windows().window(id); w && w->isVisible()) {
            w->raise();
            w->activateWindow();
        }
    }
    event->accept();
}

} // namespace vorlenza
