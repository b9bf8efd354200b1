#include "ProgramWindow.h"

#include "Look.h"
#include "Session.h"

#include <QCloseEvent>
#include <QIcon>

namespace vorlenza {

ProgramWindow::ProgramWindow(Session& session, const char* name, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_session(session)
{
    setObjectName(QLatin1String(name));
    setWindowIcon(look::windowIcon());
}

void ProgramWindow::build()
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
}

void ProgramWindow::leaveTo(WindowId next, Handover order)
{
    WindowRegistry& windows = m_session.windows();
    if (order == Handover::ShowFirst)
        windows.show(next);
    hide();
    if (order == Handover::HideFirst)
        windows.show(next);
}

void ProgramWindow::leaveTo(WindowId next, Handover order, ChartProcedure chart)
{
    leaveTo(next, order);
    if (auto* shown = qobject_cast<ProgramWindow*>(m_session.windows().window(next)))
        shown->showChart(chart);
}

void ProgramWindow::leaveTo(WindowId next, Handover order, const ConstantChanges& changes)
{
    leaveTo(next, order);
    if (auto* shown = qobject_cast<ProgramWindow*>(m_session.windows().window(next)))
        shown->useValues(changes);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    if (!m_session.windows().ending())
        Form_Unload();
    event->accept();
}

void ProgramWindow::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        firstShown();
    }
    QWidget::showEvent(event);
}

void ProgramWindow::Form_Unload() { leaveTo(WindowId::Main); }

} // namespace vorlenza
