#include "ChartActions.h"

#include "ChartDefinition.h"
#include "ChartExport.h"
#include "ChartView.h"
#include "ContinuousTwins.h"
#include "DirectionField.h"
#include "PointReadout.h"
#include "Session.h"
#include "Simulation.h"
#include "ChartFile.h"
#include "MessageTitle.h"
#include "WindowPdfRequest.h"
#include "ResultsSpreadsheet.h"
#include "StepNotice.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
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
    setContinuous(*m_continuous);
    const QString notice = stepNoticeText();
    //: the chart's description, then the sentence on its menu
    m_chart.setAccessibleDescription(tr("%1. %2").arg(
        m_chart.accessibleDescription(), notice.isEmpty() ? menuHint() : notice + QLatin1Char(' ') + menuHint()));
}

QString ChartActions::stepNoticeText()
{
    return stepNotice(m_session.continuousRun().check, parametersOf(m_session.model()));
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
        QStringList lines;
        if (day >= 0) {
            const ChartDefinition& definition = definitionOf(*m_procedure);
            lines << pointReadout(definition, m_session.model(), day)
                  << continuousReadout(definition, m_session.model(), m_session.continuousRun().solution, day);
            if (findDirectionField(m_chart) != nullptr)
                lines << DirectionField::legend();
        }
        if (m_procedure)
            lines << stepNoticeText();
        lines.removeAll(QString());
        if (lines.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(e->globalPos(), lines.join(QLatin1Char('\n')), &m_chart);
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
    QAction* results = menu.addAction(tr("Save results as spreadsheet…"));
    QAction* lab = menu.addAction(tr("Phase-plane lab…"));
    QAction* arrows = nullptr;
    if (phasePlane()) {
        menu.addSeparator();
        arrows = menu.addAction(tr("Direction arrows"));
        arrows->setCheckable(true);
        arrows->setChecked(m_arrows);
    }
    if (arrows == nullptr)
        menu.addSeparator();
    QAction* continuous = menu.addAction(tr("Continuous solution"));
    continuous->setCheckable(true);
    continuous->setChecked(*m_continuous);
    QAction* chosen = m_session.platform().runMenu(menu, globalPos);
    if (chosen == nullptr)
        return;
    if (chosen == copy)
        copyChart();
    else if (chosen == save)
        saveChart();
    else if (chosen == window)
        saveWindowAsPdfAsked(m_session, m_window);
    else if (chosen == results)
        saveResultsAsSpreadsheetAsked(m_session, m_window);
    else if (chosen == arrows)
        setArrows(!m_arrows);
    else if (chosen == continuous)
        setContinuous(!*m_continuous);
    else if (chosen == lab)
        openLab();
}

void ChartActions::openLab()
{
    // as "Large" does: the opener hides, the lab comes up; "Main form" there leads back
    m_window.hide();
    m_session.windows().show(WindowId::Lab);
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
    const Outcome outcome = vorlenza::saveChart(m_chart, chosen.path, chosen.type);
    if (!outcome.ok)
        platform.reportProblem(&m_window, messageTitle(), outcome.error);
}

void ChartActions::setArrows(bool on)
{
    m_arrows = on;
    ShowDirectionField(m_chart, on && phasePlane(), parametersOf(m_session.model()));
}

void ChartActions::setContinuous(bool on)
{
    *m_continuous = on;
    if (!on || !m_procedure) {
        m_chart.setTwinLines({});
        m_chart.setCornerNote(QString());
        return;
    }
    const ContinuousRun& run = m_session.continuousRun();
    m_chart.setTwinLines(continuousTwins(definitionOf(*m_procedure), run.solution, m_session.model().simTime));
    m_chart.setCornerNote(stepNoticeText());
}

void saveResultsAsSpreadsheetAsked(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = resultsSpreadsheetFilter();
    //: The name the spreadsheet's Save dialog suggests, without its ending.
    const QString suggested = QCoreApplication::translate("ChartActions", "results") + QStringLiteral(".xlsx");
    const QString typed = platform.chooseExportFile(&window, suggested, filter, &filter);
    const ResultsTarget target = resolveResultsTarget(typed, resultsSpreadsheetFilter());
    if (target.path.isEmpty())
        return;
    const Outcome outcome = writeResultsSpreadsheet(target.path, session.model());
    if (!outcome.ok)
        platform.reportProblem(&window, messageTitle(), outcome.error);
}

} // namespace vorlenza
