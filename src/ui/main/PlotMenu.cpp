#include "PlotMenu.h"

#include "ChartExport.h"
#include "ChartFile.h"
#include "MessageTitle.h"
#include "ResultsSpreadsheet.h"
#include "Session.h"
#include "WindowPdfRequest.h"

#include <qcustomplot.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace vorlenza {

PlotMenu::PlotMenu(Session& session, QWidget& window, QCustomPlot& plot, PlotMenuDefinition definition)
    : QObject(&plot), m_session(session), m_window(window), m_plot(plot), m_definition(std::move(definition))
{
    plot.setContextMenuPolicy(Qt::DefaultContextMenu);
    plot.installEventFilter(this);
}

QString PlotMenu::hint()
{
    return tr("Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.");
}

bool PlotMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_plot)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        if (e->reason() == QContextMenuEvent::Mouse)
            open(e->globalPos());
        else
            openAtPlot();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        const bool menuKey = e->key() == Qt::Key_Menu && e->modifiers() == Qt::NoModifier;
        const bool shiftF10 = e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            openAtPlot();
            return true;
        }
    }
    return false;
}

void PlotMenu::openAtPlot() { open(m_plot.mapToGlobal(m_plot.rect().center())); }

void PlotMenu::open(const QPoint& globalPos)
{
    if (!m_definition.available() || !m_session.platform().runMenu)
        return;
    QMenu menu(&m_plot);
    menu.setObjectName(QStringLiteral("plotMenu"));
    std::vector<std::pair<QAction*, std::function<void()>>> actions;
    const auto add = [&](const QString& text, std::function<void()> chosen) {
        actions.emplace_back(menu.addAction(text), std::move(chosen));
        return actions.back().first;
    };
    add(tr("&Copy chart"), [this] { copyChartToClipboard(m_plot); });
    add(tr("&Save chart as…"), [this] { saveChartAsked(); });
    add(tr("Save &window as PDF…"), [this] { saveWindowAsPdfAsked(m_session, m_window); });
    add(tr("Save &results as spreadsheet…"), [this] { saveResultsAsSpreadsheetAsked(m_session, m_window); });
    for (PlotMenuItem& item : m_definition.ownItems()) {
        if (item.separatorBefore)
            menu.addSeparator();
        if (!item.submenu.empty()) {
            QMenu* sub = menu.addMenu(item.text);
            for (PlotMenuItem& inner : item.submenu)
                actions.emplace_back(sub->addAction(inner.text), std::move(inner.chosen));
            continue;
        }
        QAction* action = add(item.text, std::move(item.chosen));
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(*item.checked);
        }
    }
    QAction* chosen = m_session.platform().runMenu(menu, globalPos);
    for (const auto& [action, run] : actions)
        if (action == chosen && run)
            run();
}

void PlotMenu::saveChartAsked()
{
    Platform& platform = m_session.platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = chartSaveFilter(ChartFileType::Png);
    const QString typed = platform.chooseExportFile(
        &m_window, defaultChartFileName(m_definition.fileName(), ChartFileType::Png), chartSaveFilters(), &filter);
    const ChosenChartFile chosen = resolveChartFile(typed, filter);
    if (chosen.path.isEmpty())
        return;
    const Outcome outcome = saveChart(m_plot, chosen.path, chosen.type);
    if (!outcome.ok)
        platform.reportProblem(&m_window, messageTitle(), outcome.error);
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
