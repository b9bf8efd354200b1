#include "ChartActions.h"

#include "ChartDefinition.h"
#include "ChartExport.h"
#include "ChartView.h"
#include "ContinuousTwins.h"
#include "DirectionField.h"
#include "PointReadout.h"
#include "ScenarioFiles.h"
#include "Session.h"
#include "Simulation.h"
#include "StepNotice.h"

#include <QHelpEvent>
#include <QToolTip>

namespace vorlenza {

ChartActions::ChartActions(Session& session, QWidget& window, ChartView& chart, bool& arrows)
    : QObject(&chart), m_session(session), m_window(window), m_chart(chart), m_arrows(arrows)
{
    m_menu = new PlotMenu(session, window, chart,
                          {[this] { return chartTitle(m_chart); }, [this] { return menuItems(); },
                           [this] { return m_procedure.has_value(); }});
    chart.installEventFilter(this);
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
    const QString hint = PlotMenu::hint();
    //: the chart's description, then the sentence on its menu
    m_chart.setAccessibleDescription(
        tr("%1. %2").arg(m_chart.accessibleDescription(), notice.isEmpty() ? hint : notice + QLatin1Char(' ') + hint));
}

QString ChartActions::stepNoticeText()
{
    return stepNotice(m_session.continuousRun().check, parametersOf(m_session.model()));
}

bool ChartActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_chart || event->type() != QEvent::ToolTip)
        return false;
    auto* e = static_cast<QHelpEvent*>(event);
    const int day = m_procedure && m_chart.axisRect()->rect().contains(e->pos())
                        ? nearestDayAt(m_chart, definitionOf(*m_procedure), e->pos())
                        : -1;
    QStringList lines;
    // the teacher's title and note, while the run is the one their scenario made
    if (m_procedure)
        lines << scenarioTitleOfRun(m_session) << scenarioNoteOfRun(m_session);
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

void ChartActions::openMenu(const QPoint& globalPos) { m_menu->open(globalPos); }

std::vector<PlotMenuItem> ChartActions::menuItems()
{
    std::vector<PlotMenuItem> items;
    items.push_back({tr("Phase-plane &lab…"), [this] { openLab(); }, std::nullopt, false, {}});
    if (phasePlane())
        items.push_back({tr("&Direction arrows"), [this] { setArrows(!m_arrows); }, m_arrows, true, {}});
    items.push_back(
        {tr("Co&ntinuous solution"), [this] { setContinuous(!*m_continuous); }, *m_continuous, !phasePlane(), {}});
    for (PlotMenuItem& item : scenarioMenuItems(m_session, m_window))
        items.push_back(std::move(item));
    return items;
}

void ChartActions::openLab()
{
    // as "Large" does: the opener hides, the lab comes up; leaving the lab leads back here
    m_window.hide();
    m_session.windows().show(WindowId::Lab, m_session.windows().idOf(&m_window).value_or(WindowId::Main));
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

} // namespace vorlenza
