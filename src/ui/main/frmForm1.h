#pragma once

#include "ChartProcedures.h"
#include "ClickLabel.h"
#include "FrameBox.h"
#include "ParameterFields.h"

#include <QDateTime>
#include <QLocale>
#include <QWidget>

class ChartView;
class QFrame;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class Session;

/// The main window: the model equations, the nine parameter fields with their Enter checks, the
/// preset buttons, Run, the chart with its graph buttons and click cycle, the day selector, the
/// clock and the ways to every other window. It is the start-up window: loading it shows the
/// background and title windows and keeps it hidden until the title window is dismissed.
/// The current date and time in the system's general date format: the short date followed by the
/// time with seconds (without a time zone).
QString GeneralDateText(const QDateTime& moment, const QLocale& locale = QLocale::system());

class ChartActions;

class frmForm1 : public QWidget {
    Q_OBJECT
public:
    explicit frmForm1(Session& session, QWidget* parent = nullptr);

    /// The chart `MSChart1` (hidden until the first run).
    ChartView* chart() const { return MSChart1; }

    /// Writes preset `set` (1..3) into the eight parameter fields and readies Run.
    void ApplyPreset(int set);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void Form_Load();
    void Form_Unload();

    void cmdRun_Click();
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

    void txtRrateA_Change() { fieldChanged(); }
    void txtA0_Change() { fieldChanged(); }
    void txtK1_Change() { fieldChanged(); }
    void txtU_Change() { fieldChanged(); }
    void txtRrateB_Change() { fieldChanged(); }
    void txtB0_Change() { fieldChanged(); }
    void txtK2_Change() { fieldChanged(); }
    void txtV_Change() { fieldChanged(); }
    void txtSimut_Change() { fieldChanged(); }

    void txtRrateA_KeyPress(int keyAscii);
    void txtA0_KeyPress(int keyAscii);
    void txtK1_KeyPress(int keyAscii);
    void txtU_KeyPress(int keyAscii);
    void txtRrateB_KeyPress(int keyAscii);
    void txtB0_KeyPress(int keyAscii);
    void txtK2_KeyPress(int keyAscii);
    void txtV_KeyPress(int keyAscii);
    void txtSimut_KeyPress(int keyAscii);

private:
    void createControls();
    void placeControls();
    void connectHandlers();
    void chainTabOrder();
    void nameForScreenReaders();

    /// Any edit of a parameter field: the shown read-outs no longer belong to the fields.
    void fieldChanged();
    /// Enter in a parameter field: keep an acceptable text, else write the reset text; ready Run.
    void confirmField(QLineEdit* field, int keyAscii, FieldReading reading, const char* resetText);

    void SaveResults();

    // The chart procedures of this window, each drawing on MSChart1 from the model.
    void ShowN1vsN2() { drawChart(ChartProcedure::MainShowN1vsN2); }
    void ShowN2vsN1inLine() { drawChart(ChartProcedure::MainShowN2vsN1inLine); }
    void ShowN2vsN1withIsoclines() { drawChart(ChartProcedure::MainShowN2vsN1withIsoclines); }
    void ShowN1andN2vsT() { drawChart(ChartProcedure::MainShowN1andN2vsT); }
    void ShowN1anddN1vsT() { drawChart(ChartProcedure::MainShowN1anddN1vsT); }
    void ShowN2anddN2vsT() { drawChart(ChartProcedure::MainShowN2anddN2vsT); }
    void ShowdNvsT() { drawChart(ChartProcedure::MainShowdNvsT); }
    void ShowAllGraphs() { drawChart(ChartProcedure::MainShowAllGraphs); }
    void drawChart(ChartProcedure procedure);

    void report(const QString& text);

    Session& m_session;
    ChartActions* m_chartActions = nullptr; ///< the chart's menu and tooltip
    bool m_firstShow = true;

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
    QLabel* lblLabel1 = nullptr;
    QLineEdit* txtRrateA = nullptr;
    QLabel* lblLabel2 = nullptr;
    QLineEdit* txtA0 = nullptr;
    QLabel* lblLabel19 = nullptr;
    QLineEdit* txtK1 = nullptr;
    QLabel* lblLabel8 = nullptr;
    QLineEdit* txtU = nullptr;
    QLabel* lblLabel9 = nullptr;
    QLineEdit* txtRrateB = nullptr;
    QLabel* lblLabel10 = nullptr;
    QLineEdit* txtB0 = nullptr;
    QLabel* lblLabel20 = nullptr;
    QLineEdit* txtK2 = nullptr;
    QLabel* lblLabel11 = nullptr;
    QLineEdit* txtV = nullptr;
    QLabel* lblLabel3 = nullptr;
    QLineEdit* txtSimut = nullptr;
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
