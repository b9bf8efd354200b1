#pragma once

#include "ProgramWindow.h"
#include "Simulation.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vorlenza {

class ConstantBox;
class LabPhasePlot;
class OutcomeMapPlot;

/// The phase-plane lab: the last run's parameters on a copy of its own, with the phase plane
/// (isoclines, arrows, equilibria with their stability, the separatrix, trajectories from any
/// point) on the left and the map of outcomes with its handle and the six constants on the right,
/// all following every change at once; under the phase plane the sentence on the outcome and the
/// equilibria in words. "Use these values" writes the constants the student changed into the main
/// window's fields as a preset does. It is reached from the chart menu of both graph windows, and
/// "Back", Escape or closing it leads back to the window it was opened from; opening it after a
/// new run starts it afresh from that run.
class frmLab : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmLab(Session& session, QWidget* parent = nullptr);
    /// The children are taken down after this window's own part: a focus leaving the phase plane
    /// then must not reach a slot of a window that is already gone.
    ~frmLab() override;

    /// The constants the lab shows now.
    const ModelParameters& parameters() const { return m_parameters; }

    /// The trajectories' starts, the daily steps' choice and whether the lab is open, while the lab
    /// belongs to the last run; nothing when it would start afresh from the run.
    void describeScenario(Scenario& scenario) const override;
    /// Starts afresh from the run the scenario made, with the scenario's trajectories and daily steps.
    QString takeScenario(const Scenario& scenario) override;

protected:
    void firstShown() override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// Closed through its frame: back to the window that opened it.
    void Form_Unload() override;

private slots:
    void Form_Load() override;
    void cmdClear_Click();
    void cmdUseValues_Click();
    void cmdPrint_Click();
    void cmdBack_Click();
    void chkDailySteps_Click(bool checked);
    void picPhasePlane_Start(double n1, double n2);
    void picPhasePlane_CursorMoved();
    void picOutcomeMap_Moved(double alpha, double beta);
    void constantChanged();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    /// The last run's constants and start, with its start as the first trajectory, and the title
    /// and note of the scenario it comes from.
    void startFromLastRun();
    /// Everything drawn again for the constants in the spin boxes.
    void follow();
    /// The six boxes in the order of the model's constants (ConstantFields).
    std::array<ConstantBox*, 6> boxes() const;

    ModelParameters m_parameters;
    /// The run the lab started from (Session::runSerial), to notice a newer one, and its length.
    std::uint64_t m_run = ~std::uint64_t(0);
    int m_days = 100;

    LabPhasePlot* picPhasePlane = nullptr;
    QLabel* lblOutcome = nullptr;
    QLabel* lblEquilibria = nullptr;
    OutcomeMapPlot* picOutcomeMap = nullptr;
    QLabel* lblK1 = nullptr;
    QLabel* lblK2 = nullptr;
    QLabel* lblR1 = nullptr;
    QLabel* lblR2 = nullptr;
    QLabel* lblAlpha = nullptr;
    QLabel* lblBeta = nullptr;
    ConstantBox* spnK1 = nullptr;
    ConstantBox* spnK2 = nullptr;
    ConstantBox* spnR1 = nullptr;
    ConstantBox* spnR2 = nullptr;
    ConstantBox* spnAlpha = nullptr;
    ConstantBox* spnBeta = nullptr;
    QCheckBox* chkDailySteps = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdUseValues = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdBack = nullptr;
};

} // namespace vorlenza
