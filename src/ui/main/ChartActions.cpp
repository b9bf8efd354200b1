#include "ChartActions.h"

#include "ChartDefinition.h"
#include "ChartExport.h"
#include "ChartView.h"
#include "DirectionField.h"
#include "PointReadout.h"
#include "Session.h"
#include "Simulation.h"
#include "DefaultPrinter.h"
#include "WindowPdf.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QToolTip>

namespace vorlenza {

ChartActions::ChartActions(Session& session, QWidget& window, ChartView& chart, bool& arrows)
    : QObject(&chart), m_session(session), m_window(window), m_chart(chart), m_arrows(arrows)
{
    chart.setContextMenuPolicy(Qt::DefaultContextMenu);
    chart.installEventFilter(this);
}

QString ChartActions::menuHint()
{
    return tr("Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.");
}

bool ChartActions::phasePlane() const
{
    if (!m_procedure)
        return false;
    for (const SeriesDefinition& s : definitionOf(*m_procedure).series)
        if (s.x == ChartSource::N1)
            return true;
    return false;
}

void ChartActions::chartDrawn(ChartProcedure procedure)
{
    m_procedure = procedure;
    ShowDirectionField(m_chart, m_arrows && phasePlane(), parametersOf(m_session.model()));
    //: the chart's description, then the sentence on its menu
    m_chart.setAccessibleDescription(tr("%1. %2").arg(m_chart.accessibleDescription(), menuHint()));
}

bool ChartActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_chart)
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu: {
        auto* e = static_cast<QContextMenuEvent*>(event);
        const QPoint at = e->reason() == QContextMenuEvent::Mouse ? e->globalPos()
                                                                  : m_chart.mapToGlobal(m_chart.rect().center());
        openMenu(at);
        return true;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        const bool menuKey = e->key() == Qt::Key_Menu && e->modifiers() == Qt::NoModifier;
        const bool shiftF10 = e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10)
            return false;
        openMenu(m_chart.mapToGlobal(m_chart.rect().center()));
        return true;
    }
    case QEvent::ToolTip: {
        auto* e = static_cast<QHelpEvent*>(event);
        const int day = m_procedure && m_chart.axisRect()->rect().contains(e->pos())
                            ? nearestDayAt(m_chart, definitionOf(*m_procedure), e->pos())
                            : -1;
        QString text = day < 0 ? QString() : pointReadout(definitionOf(*m_procedure), m_session.model(), day);
        if (!text.isEmpty() && findDirectionField(m_chart) != nullptr)
            text += QLatin1Char('\n') + DirectionField::legend();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(e->globalPos(), text, &m_chart);
        return true;
    }
    default:
        return false;
    }
}

void ChartActions::openMenu(const QPoint& globalPos)
{
    if (!m_procedure || !m_session.platform().runMenu)
        return;
    QMenu menu(&m_chart);
    menu.setObjectName(QStringLiteral("chartMenu"));
    QAction* copy = menu.addAction(tr("Copy chart"));
    QAction* save = menu.addAction(tr("Save chart as…"));
    QAction* window = menu.addAction(tr("Save window as PDF…"));
    QAction* arrows = nullptr;
    if (phasePlane()) {
        menu.addSeparator();
        arrows = menu.addAction(tr("Direction arrows"));
        arrows->setCheckable(true);
        arrows->setChecked(m_arrows);
    }
    QAction* chosen = m_session.platform().runMenu(menu, globalPos);
    if (chosen == nullptr)
        return;
    if (chosen == copy)
        copyChart();
    else if (chosen == save)
        saveChart();
    else if (chosen == window)
        saveWindowAsPdfAsked(m_session, m_window);
    else if (chosen == arrows)
        setArrows(!m_arrows);
}

void ChartActions::copyChart() { copyChartToClipboard(m_chart); }

void ChartActions::saveChart()
{
    Platform& platform = m_session.platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = chartSaveFilter(ChartFileType::Png);
    const QString typed = platform.chooseExportFile(
        &m_window, defaultChartFileName(chartTitle(m_chart), ChartFileType::Png), chartSaveFilters(), &filter);
    const ChosenChartFile chosen = resolveChartFile(typed, filter);
    if (chosen.path.isEmpty())
        return;
    const ExportOutcome outcome = vorlenza::saveChart(m_chart, chosen.path, chosen.type);
    if (!outcome.ok)
        platform.reportProblem(&m_window, messageTitle(), outcome.error);
}

void ChartActions::setArrows(bool on)
{
    m_arrows = on;
    ShowDirectionField(m_chart, on && phasePlane(), parametersOf(m_session.model()));
}

void saveWindowAsPdfAsked(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = chartSaveFilter(ChartFileType::Pdf);
    const QString suggested = defaultChartFileName(window.windowTitle(), ChartFileType::Pdf);
    const QString typed = platform.chooseExportFile(&window, suggested, filter, &filter);
    const ChosenChartFile chosen = resolveChartFile(typed, chartSaveFilter(ChartFileType::Pdf));
    if (chosen.path.isEmpty())
        return;
    // The page size is the default printer's; a print service that does not answer gives none.
    const std::optional<PrinterAnswer> answer = askPrintService(platform);
    const QPrinter* printer = answer ? answer->printer.get() : nullptr;
    const PrintOutcome outcome =
        saveWindowAsPdf(window, chosen.path, printer ? pageOf(*printer) : defaultPrintPage());
    if (!outcome.ok)
        platform.reportProblem(&window, messageTitle(), outcome.error);
}

} // namespace vorlenza
