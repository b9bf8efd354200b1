#include "CompanionWindow.h"

#include "ScreenPlacement.h"
#include "WindowKit.h"
#include "twips.h"

namespace vorlenza {

namespace {
Qt::WindowFlags flagsFor(CompanionWindow::Frame frame)
{
    // A caption bar and a close box, but neither maximise nor minimise.
    const Qt::WindowFlags type = frame == CompanionWindow::Frame::Dialog ? Qt::Dialog : Qt::Window;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}
} // namespace

CompanionWindow::CompanionWindow(Session& session, const char* name, QWidget* parent, Frame frame)
    : ProgramWindow(session, name, parent, flagsFor(frame))
{
}

void CompanionWindow::setUpWindow(const QString& caption, const QColor& background, int widthTwips, int heightTwips)
{
    setWindowTitle(caption);
    kit::background(this, background);
    setFixedSize(twips::size(widthTwips, heightTwips));
    centreOnScreen(this);
}

} // namespace vorlenza
