#pragma once

#include "ChartProcedures.h"
#include "Scenario.h"
#include "Simulation.h"
#include "WindowRegistry.h"

#include <QWidget>

class QCloseEvent;
class QShowEvent;

namespace vorlenza {

class Session;

/// In which order a window hands over to the next one.
enum class Handover {
    HideFirst, ///< the window hides, then the next one comes up
    ShowFirst, ///< the next window comes up, then the window hides
};

/// What every window of the program shares: its name and icon, the order in which it is built,
/// what closing it through its frame does, and the way from it to the next window.
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    /// Adds what this window holds of a scenario (the main window its values, chart and continuous
    /// choice; the lab its trajectories); a window with nothing of a scenario adds nothing.
    virtual void describeScenario(Scenario& scenario) const { Q_UNUSED(scenario) }
    /// Takes this window's part of an opened scenario: empty when taken, else the reason why not, in
    /// a sentence, and then nothing of the window has changed. A window with nothing of a scenario
    /// takes nothing.
    virtual QString takeScenario(const Scenario& scenario)
    {
        Q_UNUSED(scenario)
        return {};
    }

protected:
    /// `name` is the window's objectName.
    ProgramWindow(Session& session, const char* name, QWidget* parent, Qt::WindowFlags flags = {});

    Session& session() const { return m_session; }

    /// Builds the window; its constructor calls this once: createControls, placeControls,
    /// connectHandlers, then the load routine Form_Load.
    void build();
    virtual void createControls() = 0;
    virtual void placeControls() = 0;
    virtual void connectHandlers() {}

    /// Runs once, when the window is shown for the first time; nothing by default.
    virtual void firstShown() {}

    /// This window hides and `next` is shown (created anew when it does not exist), in that
    /// order unless `order` says otherwise.
    void leaveTo(WindowId next, Handover order = Handover::HideFirst);
    /// The same, and `next` draws `chart` once it is up (a window without a chart ignores it).
    void leaveTo(WindowId next, Handover order, ChartProcedure chart);

    /// The same, and `next` takes the constants that `changes` holds as a preset would write them
    /// (a window without parameter fields ignores them).
    void leaveTo(WindowId next, Handover order, const ConstantChanges& changes);

    /// Draws `procedure` on this window's chart when another window hands over with one; a
    /// window without a chart does nothing.
    virtual void showChart(ChartProcedure procedure) { Q_UNUSED(procedure) }
    /// Takes the constants another window hands over; a window without parameter fields does
    /// nothing.
    virtual void useValues(const ConstantChanges& changes) { Q_UNUSED(changes) }

    /// At the end of the program a close does nothing but accept; otherwise Form_Unload runs and
    /// the window is destroyed afterwards (the registry made it delete itself on close).
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

protected slots:
    virtual void Form_Load() {}
    /// Closed through its frame: back to the main window.
    virtual void Form_Unload();

private:
    Session& m_session;
    bool m_shown = false;
};

} // namespace vorlenza
