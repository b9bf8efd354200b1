#include "frmLarggraf.h"

#include "ChartActions.h"

#include "ChartView.h"
#include "Controls.h"
#include "Look.h"
#include "Session.h"
#include "WindowActions.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPushButton>

frmLarggraf::frmLarggraf(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
}

void frmLarggraf::createControls()
{
    setObjectName(QStringLiteral("frmLarggraf"));
    setWindowTitle(QStringLiteral("Form2"));
    setWindowIcon(look::windowIcon());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    MSChart1 = new ChartView(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setFocusPolicy(Qt::TabFocus);

    const QFont font = look::font(QStringLiteral("Times New Roman"), 9.6, false);
    const QCursor pointer = look::customPointer();
    auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setFont(font);
        b->setCursor(pointer);
        // Enter on a focused button presses it, as Space does.
        b->setAutoDefault(true);
        return b;
    };
    Command1 = button("Command1", QT_TR_NOOP("N2 vs. N1"));
    Command2 = button("Command2", QT_TR_NOOP("dN1 and dN2 vs. time"));
    Command3 = button("Command3", QT_TR_NOOP("N1 and N2 vs. t"));
    Command7 = button("Command7", QT_TR_NOOP("All graphs"));
    cmdN1N2andIsoclines = button("cmdN1N2andIsoclines", QT_TR_NOOP("N1, N2 and isoclines"));
    cmdN1N2andIsoclines->unsetCursor();
    Command6 = button("Command6", QT_TR_NOOP("Print"));
    Command6->setToolTip(tr("Print this form"));
    command4 = button("command4", QT_TR_NOOP("Main form"));
    Command5 = button("Command5", QT_TR_NOOP("Quit"));
}

void frmLarggraf::placeControls()
{
    struct Place {
        QWidget* widget;
        int left, top, width, height;
    };
    const Place places[] = {
        {MSChart1, 96, 96, 11628, 7980},
        {Command1, 120, 8173, 1335, 495},
        {Command2, 1560, 8173, 2057, 495},
        {Command3, 3751, 8160, 1694, 495},
        {Command7, 5566, 8173, 1210, 495},
        {cmdN1N2andIsoclines, 6897, 8173, 1826, 495},
        {Command6, 8833, 8173, 975, 495},
        {command4, 9922, 8173, 1095, 495},
        {Command5, 11055, 8173, 737, 495},
    };
    for (const Place& p : places)
        p.widget->setGeometry(twips::rect(p.left, p.top, p.width, p.height));
    setFixedSize(twips::size(11832, 8724));

    QWidget* const order[] = {Command1, Command2, Command3, command4, Command5,
                              Command6, Command7, cmdN1N2andIsoclines, MSChart1};
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
    m_chartActions = new ChartActions(m_session, *this, *MSChart1, m_session.largeArrows);
}

void frmLarggraf::Form_Load() { Command1->setFocus(); }

void frmLarggraf::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        CentreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void frmLarggraf::closeEvent(QCloseEvent* event)
{
    if (!m_session.windows().ending())
        Form_Unload();
    // The close goes ahead: the window is destroyed and made anew at the next "Large".
    event->accept();
}

void frmLarggraf::Form_Unload()
{
    hide();
    m_session.windows().show(WindowId::Main);
}

void frmLarggraf::Command6_Click()
{
    PrintOnDefaultPrinter(m_session, *this, tr("Vorlenza — large graph"));
}

void frmLarggraf::command4_Click()
{
    hide();
    m_session.windows().show(WindowId::Main);
}

void frmLarggraf::Command5_Click()
{
    hide();
    m_session.windows().show(WindowId::About);
}

void frmLarggraf::MSChart1_Click()
{
    std::int16_t& cycle = m_session.largeGraphCycle;
    cycle = static_cast<std::int16_t>(cycle + 1);
    if (cycle > 7)
        cycle = 0;
    switch (cycle) {
    case 0: ShowN1andN2vsT(); break;
    case 1: ShowN1anddN1vsT(); break;
    case 2: ShowN2anddN2vsT(); break;
    case 3: ShowdNvsT(); break;
    case 4: ShowN2vsN1(); break;
    case 5: ShowN2vsN1inLine(); break;
    case 6: ShowN2vsN1withIsoclines(); break;
    default: ShowAllGraphs(); break;
    }
}

void frmLarggraf::drawChart(ChartProcedure procedure)
{
    // The large window has no Run button of its own, so what a graph asks of Run does not apply here.
    DrawChart(*MSChart1, procedure, m_session.model());
    m_chartActions->chartDrawn(procedure);
}
