#pragma once

#include "ProgramWindow.h"
#include "Simulation.h"

class QCheckBox;
class QCustomPlot;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace vorlenza {

class LabPhasePlot;
class OutcomeMapPlot;

/// The phase-plane lab: the last run's parameters on a copy of its own, with the phase plane
/// (isoclines, arrows, equilibria with their stability, the separatrix, trajectories from any
/// point) on the left and the map of outcomes with its handle and the six constants on the right,
/// all following every change at once. "Use these values" writes the constants into the main
/// window's fields as a preset does. It is reached from the chart menu of both graph windows;
/// opening it after a new run starts it afresh from that run.
class frmLab : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmLab(Session& session, QWidget* parent = nullptr);

    /// The constants the lab shows now.
    const ModelParameters& parameters() const { return m_parameters; }

protected:
    void firstShown() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Form_Load() override;
    void cmdClear_Click();
    void cmdUseValues_Click();
    void cmdPrint_Click();
    void cmdMainForm_Click();
    void chkDailySteps_Click(bool checked);
    void picPhasePlane_Start(double n1, double n2);
    void picOutcomeMap_Moved(double alpha, double beta);
    void constantChanged();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    /// The last run's constants and start, with its start as the first trajectory.
    void startFromLastRun();
    /// Everything drawn again for the constants in the spin boxes.
    void follow();
    void openMenu(QCustomPlot& plot, const QPoint& globalPos);
    void saveChartAsked(QCustomPlot& plot);

    ModelParameters m_parameters;
    /// What the lab started from, to notice a newer run: the constants, the start and T.
    ModelParameters m_runParameters;
    double m_runN1 = -1.0;
    double m_runN2 = -1.0;
    int m_runDays = -1;

    LabPhasePlot* picPhasePlane = nullptr;
    QLabel* lblOutcome = nullptr;
    OutcomeMapPlot* picOutcomeMap = nullptr;
    QLabel* lblK1 = nullptr;
    QLabel* lblK2 = nullptr;
    QLabel* lblR1 = nullptr;
    QLabel* lblR2 = nullptr;
    QLabel* lblAlpha = nullptr;
    QLabel* lblBeta = nullptr;
    QDoubleSpinBox* spnK1 = nullptr;
    QDoubleSpinBox* spnK2 = nullptr;
    QDoubleSpinBox* spnR1 = nullptr;
    QDoubleSpinBox* spnR2 = nullptr;
    QDoubleSpinBox* spnAlpha = nullptr;
    QDoubleSpinBox* spnBeta = nullptr;
    QCheckBox* chkDailySteps = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdUseValues = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdMainForm = nullptr;
};

} // namespace vorlenza
