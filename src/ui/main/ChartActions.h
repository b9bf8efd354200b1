#pragma once

#include "ChartProcedures.h"

#include <QObject>
#include <QPoint>

#include <optional>
class QWidget;

namespace vorlenza {

class ChartView;
class Session;

/// The chart's own menu and tooltip in a graph window. The menu opens on the right button, the
/// Menu key or Shift+F10 while the chart has the focus, and offers "Copy chart", "Save chart as…",
/// "Save window as PDF…" and, on phase-plane charts, the check item "Direction arrows". Resting
/// the pointer on the chart shows the nearest day of the run with its values. None of this changes
/// the chart, the click cycles, the model or any command's state; a left click still cycles.
class ChartActions : public QObject
{
    Q_OBJECT
public:
    /// Lives as long as `chart`. `arrows` is where the window keeps its arrows choice; it must
    /// outlive the window (the session holds it).
    ChartActions(Session& session, QWidget& window, ChartView& chart, bool& arrows);

    /// To be told after every chart procedure drawn on the chart: keeps the tooltip and the arrows
    /// in step with the chart and adds the menu hint to the chart's description.
    void chartDrawn(ChartProcedure procedure);

    /// Opens the menu at `globalPos` (does nothing before the first chart).
    void openMenu(const QPoint& globalPos);

    /// The sentence the chart's accessible description gains.
    static QString menuHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool phasePlane() const;
    void copyChart();
    void saveChart();
    void setArrows(bool on);

    Session& m_session;
    QWidget& m_window;
    ChartView& m_chart;
    bool& m_arrows;
    std::optional<ChartProcedure> m_procedure;
};

/// Asks for a PDF file name and saves `window` as the page printing would send; tells the user
/// when that fails. A cancelled dialog writes nothing. The page is the default printer's, or a
/// fresh printer's when there is none or the print service does not answer.
void saveWindowAsPdfAsked(Session& session, QWidget& window);

} // namespace vorlenza
