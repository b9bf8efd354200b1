#pragma once

#include "ChartProcedures.h"
#include "ClickLabel.h"
#include "FrameBox.h"
#include "ParameterFieldTable.h"
#include "ProgramWindow.h"

#include <QDateTime>
#include <QLocale>

#include <optional>
class QFrame;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace vorlenza {

class ChartActions;
class ChartView;

/// The current date and time in the system's general date format: the short date followed by the
/// time with seconds (without a time zone).
QString generalDateText(const QDateTime& moment, const QLocale& locale = QLocale::system());

/// The main window: the model equations, the nine parameter fields with their Enter checks, the
/// preset buttons, Run, the chart with its graph buttons and click cycle, the day selector, the
/// clock and the ways to every other window. It is the start-up window: loading it shows the
/// background and title windows and keeps it hidden until the title window is dismissed.
/// Its controls are made and placed in frmForm1Controls.cpp, the parameter fields from their table.
class frmForm1 : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmForm1(Session& session, QWidget* parent = nullptr);

    /// The chart `MSChart1` (hidden until the first run).
    ChartView* chart() const { return MSChart1; }

    /// Writes preset `set` (1..3) into the eight parameter fields and readies Run.
    void ApplyPreset(int set);

    /// Writes the constants `changes` holds into their fields as a preset writes its set (in the
    /// display format, in the preset's order) and readies Run; the other fields, the starts and
    /// T stay. With no change at all nothing happens.
    void UseValues(const ConstantChanges& changes);

    /// Holds Run off (Session::runHeld) while a lesson's prediction waits for its answer, or lets
    /// it go again, ready as after a confirmed field.
    void holdRun(bool held);

    /// The values as Run would read them now, the chart shown (the one a run shows before the
    /// first) and whether the continuous solution is drawn.
    void describeScenario(Scenario& scenario) const override;
    /// Runs the scenario's values, and only when the run completes writes them into the fields as a
    /// preset does, leaves the commands as a run does and shows its chart with the continuous
    /// solution as it says. A failed run is told in the sentence returned; nothing changes then.
    QString takeScenario(const Scenario& scenario) override;

protected:
    /// The first time it is shown: Run has the focus, and the window is centred on the screen;
    /// afterwards it stays where the user put it.
    void firstShown() override;
    void useValues(const ConstantChanges& changes) override { UseValues(changes); }

private slots:
    void Form_Load() override;
    /// Closing the main window ends the program at once; nothing is asked or shown.
    void Form_Unload() override;

    void cmdRun_Click();
    void saveScenario_Shortcut();
    void openScenario_Shortcut();
    void cmdUseData1_Click() { ApplyPreset(1); }
    void cmdUseData2_Click() { ApplyPreset(2); }
    void cmdUseData3_Click() { ApplyPreset(3); }
    void cmdSave_Click() { SaveResults(); }
    void cmdPrint_Click();
    void cmdQuit_Click();
    void cmdHowTo_Click();
    void cmdQuiz_Click();
    void lblLabel21_Click();
    void lblLabel5_Click();
    void picPicture1_Click();

    void cmdShowN1vsN2_Click() { ShowN1vsN2(); }
    void cmdShowNvsT_Click() { ShowN1andN2vsT(); }
    void cmdShowDNvsT_Click() { ShowdNvsT(); }
    void cmdIsoclines_Click() { ShowN2vsN1withIsoclines(); }
    void cmdLargeGraph_Click();
    void MSChart1_Click();
    void VScroll1_Change(int value);
    void tmrTimer1_Timer();

    // The parameter fields: any edit (typed, pasted or written by the program), and every key
    // that gives a character.
    void txtRrateA_Change() { fieldEdited(); }
    void txtA0_Change() { fieldEdited(); }
    void txtK1_Change() { fieldEdited(); }
    void txtU_Change() { fieldEdited(); }
    void txtRrateB_Change() { fieldEdited(); }
    void txtB0_Change() { fieldEdited(); }
    void txtK2_Change() { fieldEdited(); }
    void txtV_Change() { fieldEdited(); }
    void txtSimut_Change() { fieldEdited(); }

    void txtRrateA_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::R1, keyAscii); }
    void txtA0_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::N1Start, keyAscii); }
    void txtK1_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::K1, keyAscii); }
    void txtU_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::Alpha, keyAscii); }
    void txtRrateB_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::R2, keyAscii); }
    void txtB0_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::N2Start, keyAscii); }
    void txtK2_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::K2, keyAscii); }
    void txtV_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::Beta, keyAscii); }
    void txtSimut_KeyPress(int keyAscii) { fieldKeyPress(ParameterField::Simut, keyAscii); }

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;
    void chainTabOrder();
    void nameForScreenReaders();
    /// The author's picture box against the right edge of its frame, centred vertically.
    void showAuthorPicture();
    /// The photograph in the picture box, read when the window first appears.
    void loadAuthorPicture();

    void connectFields();
    /// Enter in a parameter field: keep an acceptable text, else write the reset text; ready Run.
    void fieldKeyPress(ParameterField field, int keyAscii);

    // Which commands are open after each kind of event; each rule is written here once.
    /// At load: nothing to show yet.
    void noRunYet();
    /// Any edit of a parameter field: the read-outs and the results no longer belong to the fields,
    /// and Run waits for Enter or a preset.
    void fieldEdited();
    /// Enter in a parameter field, whether its text was kept or reset: Run is ready, with the focus.
    void fieldConfirmed();
    /// A preset written: Run is ready, with the focus; the results wait for the run.
    void presetLoaded();
    /// A completed run: its results and the isoclines can be shown.
    void runCompleted();
    /// A chart drawn on MSChart1; some charts close Run until the fields are confirmed again.
    void chartDrawn(bool disablesRun);
    /// The four commands that show the results of a completed run.
    void offerResults(bool offered);

    void SaveResults();
    /// What a completed run shows: the last day's values, `chart`, the commands of a run and the
    /// day selector at the last day.
    void showRun(const RunResult& result, ChartProcedure chart);

    // The chart procedures of the buttons, each drawing on MSChart1 from the model; a click on the
    // chart draws the next of its click cycle.
    void ShowN1vsN2() { drawChart(ChartProcedure::MainShowN1vsN2); }
    void ShowN2vsN1withIsoclines() { drawChart(ChartProcedure::MainShowN2vsN1withIsoclines); }
    void ShowN1andN2vsT() { drawChart(ChartProcedure::MainShowN1andN2vsT); }
    void ShowdNvsT() { drawChart(ChartProcedure::MainShowdNvsT); }
    void drawChart(ChartProcedure procedure);

    void report(const QString& text);

    ChartActions* m_chartActions = nullptr; ///< the chart's menu and tooltip
    /// The chart procedure drawn last on MSChart1; nothing before the first run.
    std::optional<ChartProcedure> m_chartShown;

    // On the window
    ClickLabel* lblLabel21 = nullptr;
    QLabel* lblLabel16 = nullptr;
    QPushButton* cmdQuiz = nullptr;
    FrameBox* fraFrame4 = nullptr;
    FrameBox* fraFrame2 = nullptr;
    FrameBox* fraFrame1 = nullptr;
    FrameBox* fraFrame3 = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdHowTo = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdQuit = nullptr;
    QTimer* tmrTimer1 = nullptr;

    // " Model "
    QLabel* lblLabel14 = nullptr;
    QLabel* lblLabel7 = nullptr;
    QLabel* lblLabel15 = nullptr;
    QLabel* lblLabel13 = nullptr;

    // "Data"
    QLabel* lblLabel18 = nullptr;
    QPushButton* cmdUseData1 = nullptr;
    QPushButton* cmdUseData2 = nullptr;
    QPushButton* cmdUseData3 = nullptr;
    ParameterFieldSet m_fields; ///< txtRrateA, txtA0, txtK1, txtU, txtRrateB, txtB0, txtK2, txtV, txtSimut
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* lblLabel4 = nullptr;
    QLineEdit* txtNA = nullptr;
    QLabel* lblLabel12 = nullptr;
    QLineEdit* txtNB = nullptr;

    // "Graph"
    ChartView* MSChart1 = nullptr;
    ClickLabel* lblLabel22 = nullptr;
    ClickLabel* lblLabel23 = nullptr;
    QPushButton* cmdShowN1vsN2 = nullptr;
    QPushButton* cmdShowDNvsT = nullptr;
    QPushButton* cmdShowNvsT = nullptr;
    QPushButton* cmdIsoclines = nullptr;
    QPushButton* cmdLargeGraph = nullptr;

    // "Author"
    ClickLabel* lblLabel6 = nullptr;
    ClickLabel* lblLabel5 = nullptr;
    ClickLabel* picPicture1 = nullptr;
};

/// The start-up windows: the background maximised and the title window over it, each unless it
/// is made already. The main window's load routine shows them; the program shows them before it
/// builds the main window, so that the title is on the screen without waiting for it.
void showStartUpWindows(WindowRegistry& windows);

} // namespace vorlenza
