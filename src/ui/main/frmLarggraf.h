#pragma once

#include "ChartProcedures.h"

#include "ProgramWindow.h"
class QPushButton;

namespace vorlenza {

class ChartActions;
class ChartView;

/// The large graph window: the last run on one large chart with its own graph buttons, its own
/// chart-click cycle (kept in the session, so it survives closing the window), printing, and the
/// ways back to the main window or on to the about window. Closed through its frame it goes back
/// to the main window and is destroyed; the next "Large" makes it anew.
class frmLarggraf : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmLarggraf(Session& session, QWidget* parent = nullptr);

    /// This window's chart `MSChart1`, for tests and tools that look at it.
    ChartView* chart() const { return MSChart1; }

protected:
    /// Centred on the screen the first time; afterwards it stays where the user put it.
    void firstShown() override;
    /// The main window's "Large" hands over with its first graph.
    void showChart(ChartProcedure procedure) override { drawChart(procedure); }

private slots:
    void Form_Load() override;
    void Command1_Click() { ShowN2vsN1(); }
    void Command2_Click() { ShowdNvsT(); }
    void Command3_Click() { ShowN1andN2vsT(); }
    void Command7_Click() { ShowAllGraphs(); }
    void cmdN1N2andIsoclines_Click() { ShowN2vsN1withIsoclines(); }
    void Command6_Click();
    void command4_Click();
    void Command5_Click();
    void MSChart1_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    // The chart procedures of the buttons, each drawing on this window's MSChart1 from the model;
    // a click on the chart draws the next of its click cycle.
    void ShowN2vsN1() { drawChart(ChartProcedure::LargeShowN2vsN1); }
    void ShowdNvsT() { drawChart(ChartProcedure::LargeShowdNvsT); }
    void ShowN1andN2vsT() { drawChart(ChartProcedure::LargeShowN1andN2vsT); }
    void ShowAllGraphs() { drawChart(ChartProcedure::LargeShowAllGraphs); }
    void ShowN2vsN1withIsoclines() { drawChart(ChartProcedure::LargeShowN2vsN1withIsoclines); }
    void drawChart(ChartProcedure procedure);

    ChartActions* m_chartActions = nullptr;

    ChartView* MSChart1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* cmdN1N2andIsoclines = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* command4 = nullptr;
    QPushButton* Command5 = nullptr;
};

} // namespace vorlenza
