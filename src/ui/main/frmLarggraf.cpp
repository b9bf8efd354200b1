#include "frmLarggraf.h"

#include "ChartActions.h"
#include "ChartDefinition.h"
#include "ChartView.h"
#include "DefaultPrinter.h"
#include "Look.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QPushButton>

namespace vorlenza {

frmLarggraf::frmLarggraf(Session& session, QWidget* parent) : ProgramWindow(session, "frmLarggraf", parent) { build(); }

void frmLarggraf::createControls()
{
    setWindowTitle(QStringLiteral("Form2"));
    kit::background(this, Qt::white);

    MSChart1 = kit::make<ChartView>(this, "MSChart1");
    MSChart1->setFocusPolicy(Qt::TabFocus);

    const QFont font = look::font(QStringLiteral("Times New Roman"), 9.6, false);
    const kit::Pointer pointer = kit::Pointer::Custom;
    Command1 = kit::button(this, "Command1", tr("N2 vs. N1"), font, pointer);
    Command2 = kit::button(this, "Command2", tr("dN1 and dN2 vs. time"), font, pointer);
    Command3 = kit::button(this, "Command3", tr("N1 and N2 vs. t"), font, pointer);
    Command7 = kit::button(this, "Command7", tr("All graphs"), font, pointer);
    cmdN1N2andIsoclines = kit::button(this, "cmdN1N2andIsoclines", tr("N1, N2 and isoclines"), font);
    Command6 = kit::button(this, "Command6", tr("Print"), font, pointer, tr("Print this form"));
    command4 = kit::button(this, "command4", tr("Main form"), font, pointer);
    Command5 = kit::button(this, "Command5", tr("Quit"), font, pointer);
}

void frmLarggraf::placeControls()
{
    kit::place({
        {MSChart1, {96, 96, 11628, 7980}},
        {Command1, {120, 8173, 1335, 495}},
        {Command2, {1560, 8173, 2057, 495}},
        {Command3, {3751, 8160, 1694, 495}},
        {Command7, {5566, 8173, 1210, 495}},
        {cmdN1N2andIsoclines, {6897, 8173, 1826, 495}},
        {Command6, {8833, 8173, 975, 495}},
        {command4, {9922, 8173, 1095, 495}},
        {Command5, {11055, 8173, 737, 495}},
    });
    setFixedSize(twips::size(11832, 8724));

    QWidget* const order[] = {Command1, Command2, Command3, command4, Command5, Command6, Command7, cmdN1N2andIsoclines,
                              MSChart1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmLarggraf::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &frmLarggraf::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLarggraf::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmLarggraf::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &frmLarggraf::Command7_Click);
    connect(cmdN1N2andIsoclines, &QPushButton::clicked, this, &frmLarggraf::cmdN1N2andIsoclines_Click);
    connect(Command6, &QPushButton::clicked, this, &frmLarggraf::Command6_Click);
    connect(command4, &QPushButton::clicked, this, &frmLarggraf::command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmLarggraf::Command5_Click);
    connect(MSChart1, &ChartView::clicked, this, &frmLarggraf::MSChart1_Click);
    m_chartActions = new ChartActions(session(), *this, *MSChart1, session().largeArrows);
    m_chartActions->keepContinuousChoiceIn(session().largeContinuous);
}

void frmLarggraf::Form_Load() { Command1->setFocus(); }

void frmLarggraf::firstShown() { centreOnScreen(this); }

void frmLarggraf::Command6_Click()
{
    printOnDefaultPrinter(session(), *this, QStringLiteral("Vorlenza - large graph"));
}

void frmLarggraf::command4_Click() { leaveTo(WindowId::Main); }

void frmLarggraf::Command5_Click() { leaveTo(WindowId::About); }

void frmLarggraf::MSChart1_Click() { drawChart(nextInClickCycle(largeChartClickCycle(), session().largeGraphCycle)); }

void frmLarggraf::drawChart(ChartProcedure procedure)
{
    // The large window has no Run button of its own, so what a graph asks of Run does not apply here.
    vorlenza::drawChart(*MSChart1, procedure, session().model());
    m_chartActions->chartDrawn(procedure);
}

} // namespace vorlenza
