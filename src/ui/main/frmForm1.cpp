#include "frmForm1.h"

#include "ChartActions.h"
#include "ChartDefinition.h"
#include "ChartView.h"
#include "DefaultPrinter.h"
#include "MessageTitle.h"
#include "NumberText.h"
#include "ResultsFile.h"
#include "ResultsSpreadsheet.h"
#include "RunFailureText.h"
#include "ScenarioFiles.h"
#include "Session.h"
#include "Simulation.h"
#include "ScreenPlacement.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace vorlenza {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QString generalDateText(const QDateTime& moment, const QLocale& locale)
{
    // The long time format carries the seconds; drop its time-zone letters (outside quotes).
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    QString time;
    bool quoted = false;
    for (const QChar c : longTime) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        time += c;
    }
    // and the brackets that held them ("H:mm:ss (t)" in Spanish)
    time.remove(QStringLiteral("()"));
    time = time.trimmed();
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), time);
}

frmForm1::frmForm1(Session& session, QWidget* parent) : ProgramWindow(session, "frmForm1", parent) { build(); }

void frmForm1::connectHandlers()
{
    connect(cmdRun, &QPushButton::clicked, this, &frmForm1::cmdRun_Click);
    connect(cmdUseData1, &QPushButton::clicked, this, &frmForm1::cmdUseData1_Click);
    connect(cmdUseData2, &QPushButton::clicked, this, &frmForm1::cmdUseData2_Click);
    connect(cmdUseData3, &QPushButton::clicked, this, &frmForm1::cmdUseData3_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmForm1::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmForm1::cmdPrint_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmForm1::cmdQuit_Click);
    connect(cmdHowTo, &QPushButton::clicked, this, &frmForm1::cmdHowTo_Click);
    connect(cmdQuiz, &QPushButton::clicked, this, &frmForm1::cmdQuiz_Click);
    connect(lblLabel21, &ClickLabel::clicked, this, &frmForm1::lblLabel21_Click);
    connect(lblLabel5, &ClickLabel::clicked, this, &frmForm1::lblLabel5_Click);
    connect(picPicture1, &ClickLabel::clicked, this, &frmForm1::picPicture1_Click);

    connect(cmdShowN1vsN2, &QPushButton::clicked, this, &frmForm1::cmdShowN1vsN2_Click);
    connect(cmdShowNvsT, &QPushButton::clicked, this, &frmForm1::cmdShowNvsT_Click);
    connect(cmdShowDNvsT, &QPushButton::clicked, this, &frmForm1::cmdShowDNvsT_Click);
    connect(cmdIsoclines, &QPushButton::clicked, this, &frmForm1::cmdIsoclines_Click);
    connect(cmdLargeGraph, &QPushButton::clicked, this, &frmForm1::cmdLargeGraph_Click);
    connect(MSChart1, &ChartView::clicked, this, &frmForm1::MSChart1_Click);
    m_chartActions = new ChartActions(session(), *this, *MSChart1, session().mainArrows);
    m_chartActions->keepContinuousChoiceIn(session().mainContinuous);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmForm1::VScroll1_Change);
    connect(tmrTimer1, &QTimer::timeout, this, &frmForm1::tmrTimer1_Timer);
    // Scenarios: Ctrl+S saves one, Ctrl+O opens one, as the chart menu does.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &frmForm1::saveScenario_Shortcut);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &frmForm1::openScenario_Shortcut);

    connectFields();
}

void frmForm1::connectFields()
{
    // Change handlers run for typed, pasted and program-set text alike.
    const struct {
        ParameterField field;
        void (frmForm1::*change)();
        void (frmForm1::*keyPress)(int);
    } handlers[] = {
        {ParameterField::R1, &frmForm1::txtRrateA_Change, &frmForm1::txtRrateA_KeyPress},
        {ParameterField::N1Start, &frmForm1::txtA0_Change, &frmForm1::txtA0_KeyPress},
        {ParameterField::K1, &frmForm1::txtK1_Change, &frmForm1::txtK1_KeyPress},
        {ParameterField::Alpha, &frmForm1::txtU_Change, &frmForm1::txtU_KeyPress},
        {ParameterField::R2, &frmForm1::txtRrateB_Change, &frmForm1::txtRrateB_KeyPress},
        {ParameterField::N2Start, &frmForm1::txtB0_Change, &frmForm1::txtB0_KeyPress},
        {ParameterField::K2, &frmForm1::txtK2_Change, &frmForm1::txtK2_KeyPress},
        {ParameterField::Beta, &frmForm1::txtV_Change, &frmForm1::txtV_KeyPress},
        {ParameterField::Simut, &frmForm1::txtSimut_Change, &frmForm1::txtSimut_KeyPress},
    };
    for (const auto& h : handlers) {
        QLineEdit* field = m_fields.edit(h.field);
        connect(field, &QLineEdit::textChanged, this, h.change);
        new KeyPressRelay(field, [this, keyPress = h.keyPress](int k) { (this->*keyPress)(k); });
    }
}

void showStartUpWindows(WindowRegistry& windows)
{
    // Each only when it is not made yet: the program shows both before it builds this window, and
    // a title dismissed before this window was built must not come back with it.
    if (!windows.window(WindowId::Background))
        if (QWidget* back = windows.show(WindowId::Background))
            back->setWindowState(back->windowState() | Qt::WindowMaximized);
    if (!windows.window(WindowId::Title))
        if (QWidget* title = windows.show(WindowId::Title))
            title->setWindowState(title->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
}

void frmForm1::Form_Load()
{
    // 1. The copyright notice, with the year of the system clock.
    lblLabel16->setText(tr("© 2004-%1 The Vorlenza authors").arg(session().platform().now().date().year()));

    // 2. Start-up: the background window maximised, the title window over it; this window stays
    //    hidden until the title window is dismissed.
    showStartUpWindows(session().windows());
    hide();

    // 3. and 4. The greeting over the empty chart area; no graph yet.
    lblLabel22->setVisible(true);
    lblLabel23->setVisible(true);
    noRunYet();

    // 5. The instructions.
    lblLabel23->setText(tr("Press Enter to run this program using default values. You can also select a data "
                           "set at first, then click RUN. To change a default "
                           "value, move the mouse pointer to a data box and click it."
                           "After you change the default values, press Enter to confirm the"
                           " change and click RUN to run it. Click on the graph to see more graphs.\n"
                           "Comments are welcome."));

    // 6. Where to reach the authors.
    lblLabel5->setText(tr("The Vorlenza authors\nvorlenza@example.org\nP.O. Box 1234\nPopulation Ecology Laboratory\n"
                          "Department of Biology\nExample University\nExampletown, Exampleland"));

    // 7. The picture against the right edge of its frame, centred vertically.
    showAuthorPicture();

    cmdRun->setFocus();
}

void frmForm1::firstShown()
{
    loadAuthorPicture();
    cmdRun->setFocus();
    centreOnScreen(this);
}

void frmForm1::Form_Unload() { session().windows().endProgram(); }

// ---- Parameter fields and presets -------------------------------------------------------------

void frmForm1::fieldKeyPress(ParameterField field, int keyAscii)
{
    if (keyAscii != 13)
        return;
    m_fields.confirm(field);
    fieldConfirmed();
}

void frmForm1::ApplyPreset(int set)
{
    m_fields.writePreset(set);
    presetLoaded();
}

void frmForm1::UseValues(const ConstantChanges& changes)
{
    // Nothing changed: every field keeps its text, and the run stays on offer.
    if (std::none_of(changes.begin(), changes.end(), [](const auto& c) { return c.has_value(); }))
        return;
    m_fields.writeConstants(changes);
    presetLoaded();
}

// ---- Command states ----------------------------------------------------------------------------

void frmForm1::offerResults(bool offered)
{
    for (QPushButton* b : {cmdShowN1vsN2, cmdShowNvsT, cmdShowDNvsT, cmdLargeGraph})
        b->setEnabled(offered);
}

void frmForm1::noRunYet()
{
    offerResults(false);
    cmdIsoclines->setEnabled(false);
}

void frmForm1::fieldEdited()
{
    txtNA->clear();
    txtNB->clear();
    cmdRun->setEnabled(false);
    offerResults(false);
}

void frmForm1::fieldConfirmed()
{
    cmdRun->setEnabled(!session().runHeld);
    if (!session().runHeld)
        cmdRun->setFocus();
}

void frmForm1::holdRun(bool held)
{
    if (held == session().runHeld)
        return;
    session().runHeld = held;
    if (held)
        cmdRun->setEnabled(false);
    else
        fieldConfirmed();
}

void frmForm1::presetLoaded()
{
    fieldConfirmed();
    offerResults(false);
}

void frmForm1::runCompleted()
{
    offerResults(true);
    cmdIsoclines->setEnabled(true);
}

void frmForm1::chartDrawn(bool disablesRun)
{
    if (disablesRun)
        cmdRun->setEnabled(false);
}

// ---- Run, graphs and the day selector ----------------------------------------------------------

void frmForm1::cmdRun_Click()
{
    const RunResult result = session().runSimulation(m_fields.texts());
    if (!result.ok()) {
        // The last good run stays whole in the model and on screen; say what went wrong.
        report(runFailureText(result));
        return;
    }
    showRun(result, ChartProcedure::MainShowN1vsN2);
    if (session().runMade)
        session().runMade();
}

void frmForm1::showRun(const RunResult& result, ChartProcedure chart)
{
    lblLabel22->hide();
    lblLabel23->hide();
    txtNA->setText(text(formatNumber(result.lastN1)));
    txtNB->setText(text(formatNumber(result.lastN2)));

    MSChart1->show();
    drawChart(chart);

    runCompleted();

    const int days = session().model().simTime;
    VScroll1->setMinimum(0);
    VScroll1->setMaximum(days);
    VScroll1->setValue(days);
    Text1->setText(text(formatInteger(days)));
}

void frmForm1::drawChart(ChartProcedure procedure)
{
    const bool disablesRun = vorlenza::drawChart(*MSChart1, procedure, session().model());
    m_chartShown = procedure;
    m_chartActions->chartDrawn(procedure);
    chartDrawn(disablesRun);
}

void frmForm1::MSChart1_Click() { drawChart(nextInClickCycle(mainChartClickCycle(), session().graphCycle)); }

void frmForm1::VScroll1_Change(int value)
{
    if (value < 0 || value > ModelState::MaxDay)
        return;
    const ModelState& model = session().model();
    const auto day = static_cast<std::size_t>(value);
    txtNA->setText(text(formatNumber(model.N1[day])));
    txtNB->setText(text(formatNumber(model.N2[day])));
    Text1->setText(text(formatInteger(value)));
}

void frmForm1::tmrTimer1_Timer() { lblLabel6->setText(generalDateText(session().platform().now())); }

void frmForm1::cmdLargeGraph_Click()
{
    leaveTo(WindowId::Large, Handover::ShowFirst, ChartProcedure::MainShowLargeN2vsN1withIsoclines);
}

// ---- Save, print and the ways to the other windows ---------------------------------------------

void frmForm1::SaveResults()
{
    Platform& platform = session().platform();
    QString filter = resultsFileFilter();
    const QString chosen = platform.chooseSaveFile(this, resultsSaveFilters(), &filter);
    if (chosen.isEmpty())
        return;
    const ResultsTarget resolved = resolveResultsTarget(chosen, filter);
    const QString& target = resolved.path;
    if (target.isEmpty()) {
        report(resultsNameTooShort(chosen));
        return;
    }
    const Outcome outcome = resolved.spreadsheet ? writeResultsSpreadsheet(target, session().model())
                                                 : writeResultsFile(target, session().model());
    if (!outcome.ok)
        report(outcome.error);
}

void frmForm1::cmdPrint_Click() { printOnDefaultPrinter(session(), *this, QStringLiteral("Vorlenza - main window")); }

void frmForm1::cmdQuit_Click() { leaveTo(WindowId::About); }
void frmForm1::cmdHowTo_Click() { leaveTo(WindowId::HowTo); }
void frmForm1::picPicture1_Click() { leaveTo(WindowId::HowTo); }
void frmForm1::cmdQuiz_Click() { leaveTo(WindowId::Quiz); }
void frmForm1::lblLabel21_Click() { leaveTo(WindowId::Introduction, Handover::ShowFirst); }
void frmForm1::lblLabel5_Click() { leaveTo(WindowId::Introduction); }

// ---- Scenarios ---------------------------------------------------------------------------------

void frmForm1::saveScenario_Shortcut() { saveScenarioAsked(session(), *this); }

void frmForm1::openScenario_Shortcut() { openScenarioAsked(session(), *this); }

void frmForm1::describeScenario(Scenario& scenario) const
{
    scenario.values = scenarioValuesOf(m_fields.texts());
    scenario.chart = procedureName(m_chartShown.value_or(ChartProcedure::MainShowN1vsN2));
    scenario.continuous = session().mainContinuous;
}

QString frmForm1::takeScenario(const Scenario& scenario)
{
    const ChartProcedure chart = mainChartNamed(scenario.chart).value_or(ChartProcedure::MainShowN1vsN2);
    const FieldTexts texts = scenarioFieldTexts(scenario);
    const RunResult result = session().runSimulation(texts);
    if (!result.ok())
        return runFailureText(result);
    m_fields.writeAll(texts);
    presetLoaded();
    session().mainContinuous = scenario.continuous;
    showRun(result, chart);
    return {};
}

void frmForm1::report(const QString& message) { session().platform().reportProblem(this, messageTitle(), message); }

} // namespace vorlenza
