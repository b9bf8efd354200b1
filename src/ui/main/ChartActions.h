#pragma once

#include "ChartProcedures.h"
#include "PlotMenu.h"

#include <QObject>
#include <QPoint>

#include <optional>
#include <vector>

class QWidget;

namespace vorlenza {

class ChartView;
class Session;

/// The chart's own menu items and tooltip in a graph window. Its menu is the one every plot has
/// (PlotMenu) with "Phase-plane lab…" (which hides the window and opens the lab), on phase-plane
/// charts the check item "Direction arrows", and the check item "Continuous solution" (the
/// equations solved continuously, drawn beside the run with the note on one-day steps in a
/// corner), then the scenario items (save, open, examples). Resting the pointer on the chart shows
/// the title and note of the scenario the run comes from, the nearest day of the run with its
/// values, and where the equations differ, theirs. When one-day steps mislead for the run, the
/// tooltip and the chart's accessible description say so. Apart from the lab and an opened
/// scenario, none of this changes the model, the click cycles or any command's state; a left click
/// still cycles.
class ChartActions : public QObject {
    Q_OBJECT
public:
    /// Lives as long as `chart`. `arrows` is where the window keeps its arrows choice; it must
    /// outlive the window (the session holds it).
    ChartActions(Session& session, QWidget& window, ChartView& chart, bool& arrows);

    /// Where the window keeps its choice of the continuous solution; it must outlive the window
    /// (the session holds it). Until this is called the choice lives and dies with this object.
    void keepContinuousChoiceIn(bool& on) { m_continuous = &on; }

    /// To be told after every chart procedure drawn on the chart: keeps the tooltip and the arrows
    /// in step with the chart and adds the menu hint to the chart's description.
    void chartDrawn(ChartProcedure procedure);

    /// Opens the menu at `globalPos` (does nothing before the first chart).
    void openMenu(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool phasePlane() const;
    std::vector<PlotMenuItem> menuItems();
    void openLab();
    void setArrows(bool on);
    void setContinuous(bool on);
    /// What the chart says about the one-day steps of the run it shows; empty when nothing.
    QString stepNoticeText();

    Session& m_session;
    QWidget& m_window;
    ChartView& m_chart;
    bool& m_arrows;
    bool m_ownContinuous = false;
    bool* m_continuous = &m_ownContinuous;
    std::optional<ChartProcedure> m_procedure;
    PlotMenu* m_menu = nullptr;
};

} // namespace vorlenza
