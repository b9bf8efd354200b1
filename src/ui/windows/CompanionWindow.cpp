#include "CompanionWindow.h"

#include "Look.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowHandover.h"
#include "WindowKit.h"
#include "twips.h"

#include <QCloseEvent>
#include <QIcon>

namespace {
Qt::WindowFlags flagsFor(CompanionWindow::Frame frame)
{
    // A caption bar and a close box, but neither maximise nor minimise.
    const Qt::WindowFlags type = frame == CompanionWindow::Frame::Dialog ? Qt::Dialog : Qt::Window;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}
} // namespace

CompanionWindow::CompanionWindow(Session& session, QWidget* parent, Frame frame)
    : QWidget(parent, flagsFor(frame)), m_session(session)
{
    setWindowIcon(look::windowIcon());
}

void CompanionWindow::setUpWindow(const QString& caption, const QColor& background, int widthTwips,
                                  int heightTwips)
{
    setWindowTitle(caption);
    kit::background(this, background);
    setFixedSize(twips::size(widthTwips, heightTwips));
    CentreOnScreen(this);
}

void CompanionWindow::closeEvent(QCloseEvent* event)
{
    if (!m_session.windows().ending())
        Form_Unload();
    event->accept();
}

void CompanionWindow::Form_Unload() { LeaveTo(*this, m_session.windows(), WindowId::Main); }
