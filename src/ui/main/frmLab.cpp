#include "frmLab.h"

#include "ConstantBox.h"
#include "DefaultPrinter.h"
#include "LabPhasePlot.h"
#include "LabTexts.h"
#include "Look.h"
#include "NumberText.h"
#include "OutcomeMapPlot.h"
#include "PlotMenu.h"
#include "ScenarioFiles.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace vorlenza {

frmLab::frmLab(Session& session, QWidget* parent) : ProgramWindow(session, "frmLab", parent) { build(); }

frmLab::~frmLab()
{
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmLab::createControls()
{
    setWindowTitle(tr("Phase-plane lab"));
    kit::background(this, Qt::white);
    const QFont font = look::font(QStringLiteral("Times New Roman"), 9.6, false);
    const QFont bold = look::font(QStringLiteral("Times New Roman"), 10.8, true);

    picPhasePlane = kit::make<LabPhasePlot>(this, "picPhasePlane");
    picPhasePlane->setAccessibleName(tr("Phase plane"));
    lblOutcome = kit::label(this, "lblOutcome", QString(), bold, Qt::AlignHCenter);
    lblEquilibria = kit::label(this, "lblEquilibria", QString(), font, Qt::AlignLeft);
    lblEquilibria->setAccessibleName(tr("Equilibria"));
    picOutcomeMap = kit::make<OutcomeMapPlot>(this, "picOutcomeMap");
    picOutcomeMap->setAccessibleName(tr("Map of outcomes"));
    picOutcomeMap->setAccessibleDescription(
        tr("The arrow keys move the handle: left and right change alpha, up and down change beta."));

    const auto box = [&](const char* name, const QString& caption, const QString& accessible, double lo, double hi,
                         double step, QLabel*& label) {
        label = kit::label(this, (QByteArray("lbl") + (name + 3)).constData(), caption, font, Qt::AlignRight);
        auto* spin = new ConstantBox(this, lo, hi, step);
        spin->setObjectName(QLatin1String(name));
        spin->setFont(font);
        spin->setAccessibleName(accessible);
        label->setBuddy(spin);
        return spin;
    };
    spnK1 = box("spnK1", tr("K1:"), tr("Carrying capacity for species A (K1)"), 1, 1e6, 10, lblK1);
    spnK2 = box("spnK2", tr("K2:"), tr("Carrying capacity for species B (K2)"), 1, 1e6, 10, lblK2);
    spnR1 = box("spnR1", tr("r1:"), tr("Intrinsic rate of species A (r1)"), 0.001, 10, 0.05, lblR1);
    spnR2 = box("spnR2", tr("r2:"), tr("Intrinsic rate of species B (r2)"), 0.001, 10, 0.05, lblR2);
    spnAlpha = box("spnAlpha", tr("alpha:"), tr("Constant a (alpha, effect of B on A)"), 0.0001, 1e4, 0.05, lblAlpha);
    spnBeta = box("spnBeta", tr("beta:"), tr("Constant b (beta, effect of A on B)"), 0.0001, 1e4, 0.05, lblBeta);

    chkDailySteps = kit::make<QCheckBox>(this, "chkDailySteps");
    chkDailySteps->setText(tr("Show the daily steps as markers"));
    chkDailySteps->setFont(font);
    cmdClear = kit::button(this, "cmdClear", tr("Clear trajectories"), font);
    cmdUseValues = kit::button(this, "cmdUseValues", tr("Use these values"), font, kit::Pointer::Inherited,
                               tr("Write these constants into the main window's fields"));
    cmdPrint = kit::button(this, "cmdPrint", tr("Print"), font, kit::Pointer::Custom, tr("Print this form"));
    cmdBack = kit::button(this, "cmdBack", tr("Back"), font, kit::Pointer::Custom,
                          tr("Back to the window the lab was opened from"));
}

void frmLab::placeControls()
{
    kit::place({
        {picPhasePlane, {120, 120, 8400, 6840}},   {lblOutcome, {120, 7020, 8400, 720}},
        {lblEquilibria, {120, 7800, 14160, 1740}}, {picOutcomeMap, {8640, 120, 5640, 4560}},
        {lblK1, {8640, 4830, 960, 300}},           {spnK1, {9660, 4800, 1800, 360}},
        {lblK2, {11520, 4830, 840, 300}},          {spnK2, {12420, 4800, 1860, 360}},
        {lblR1, {8640, 5250, 960, 300}},           {spnR1, {9660, 5220, 1800, 360}},
        {lblR2, {11520, 5250, 840, 300}},          {spnR2, {12420, 5220, 1860, 360}},
        {lblAlpha, {8640, 5670, 960, 300}},        {spnAlpha, {9660, 5640, 1800, 360}},
        {lblBeta, {11520, 5670, 840, 300}},        {spnBeta, {12420, 5640, 1860, 360}},
        {chkDailySteps, {8700, 6120, 5580, 360}},  {cmdClear, {8640, 6600, 2760, 435}},
        {cmdUseValues, {11520, 6600, 2760, 435}},  {cmdPrint, {8640, 7245, 2760, 435}},
        {cmdBack, {11520, 7245, 2760, 435}},
    });
    setFixedSize(twips::size(14400, 9660));

    QWidget* const order[] = {picPhasePlane, picOutcomeMap, spnK1,    spnK2,        spnR1,    spnR2,  spnAlpha,
                              spnBeta,       chkDailySteps, cmdClear, cmdUseValues, cmdPrint, cmdBack};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmLab::connectHandlers()
{
    connect(cmdClear, &QPushButton::clicked, this, &frmLab::cmdClear_Click);
    connect(cmdUseValues, &QPushButton::clicked, this, &frmLab::cmdUseValues_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLab::cmdPrint_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmLab::cmdBack_Click);
    connect(chkDailySteps, &QCheckBox::toggled, this, &frmLab::chkDailySteps_Click);
    connect(picPhasePlane, &LabPhasePlot::startRequested, this, &frmLab::picPhasePlane_Start);
    connect(picPhasePlane, &LabPhasePlot::cursorMoved, this, &frmLab::picPhasePlane_CursorMoved);
    connect(picOutcomeMap, &OutcomeMapPlot::handleMoved, this, &frmLab::picOutcomeMap_Moved);
    for (QDoubleSpinBox* spin : boxes())
        connect(spin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &frmLab::constantChanged);
    // the menu every plot has, and on the phase plane its arrows
    new PlotMenu(session(), *this, *picPhasePlane,
                 {[] { return tr("Phase plane"); },
                  [this] {
                      std::vector<PlotMenuItem> items{{tr("&Direction arrows"),
                                                       [this] { picPhasePlane->setArrows(!picPhasePlane->arrows()); },
                                                       picPhasePlane->arrows(),
                                                       true,
                                                       {}}};
                      for (PlotMenuItem& item : scenarioMenuItems(session(), *this))
                          items.push_back(std::move(item));
                      return items;
                  }});
    new PlotMenu(session(), *this, *picOutcomeMap,
                 {[] { return tr("Outcome map"); }, [this] { return scenarioMenuItems(session(), *this); }});
}

std::array<ConstantBox*, 6> frmLab::boxes() const
{
    // in the order of the model's constants
    return {spnK1, spnK2, spnAlpha, spnBeta, spnR1, spnR2};
}

void frmLab::Form_Load()
{
    startFromLastRun();
    picPhasePlane->setFocus();
}

void frmLab::firstShown() { centreOnScreen(this); }

void frmLab::showEvent(QShowEvent* event)
{
    if (m_run != session().runSerial())
        startFromLastRun();
    ProgramWindow::showEvent(event);
}

void frmLab::startFromLastRun()
{
    m_run = session().runSerial();
    const ModelState& run = session().model();
    ModelParameters p = parametersOf(run);
    double n1 = run.N1[0], n2 = run.N2[0];
    m_days = run.simTime;
    if (m_run == 0) {
        // no run yet: what the fields hold at start
        const FieldTexts start;
        p = constantsOf(start);
        n1 = NumericPrefix(start.a0);
        n2 = NumericPrefix(start.b0);
        m_days = static_cast<int>(NumericPrefix(start.simut));
    }
    const std::array<ConstantBox*, 6> all = boxes();
    for (std::size_t c = 0; c < all.size(); ++c)
        all[c]->setGiven(p.*ConstantFields[c].value);
    picPhasePlane->clearTrajectories();
    picPhasePlane->setTitle(scenarioTitleOfRun(session()), scenarioNoteOfRun(session()));
    follow();
    picPhasePlane->addTrajectory(n1, n2);
}

void frmLab::follow()
{
    const std::array<ConstantBox*, 6> all = boxes();
    for (std::size_t c = 0; c < all.size(); ++c)
        m_parameters.*ConstantFields[c].value = all[c]->value();
    picPhasePlane->setModel(m_parameters, m_days);
    picOutcomeMap->setModel(m_parameters.K1, m_parameters.K2, m_parameters.alpha, m_parameters.beta);
    lblOutcome->setText(outcomeSentence(m_parameters));
    picPhasePlane_CursorMoved();
}

void frmLab::picPhasePlane_CursorMoved()
{
    // the equilibria in words, and while the plot has the keyboard, where its cursor is
    QStringList lines{tr("Equilibria:")};
    for (const Equilibrium& e : picPhasePlane->equilibria())
        lines << QStringLiteral("• ") + equilibriumLine(e);
    if (outcomeOf(m_parameters) == CompetitionOutcome::Neutral)
        lines << QStringLiteral("• ") + tr("every point of the line from (K1, 0) to (0, K2)");
    const QString cursor = picPhasePlane->hasFocus() ? picPhasePlane->cursorText() : QString();
    if (!cursor.isEmpty())
        lines << cursor;
    lblEquilibria->setText(lines.join(QLatin1Char('\n')));
    const QString title = picPhasePlane->title();
    picPhasePlane->setAccessibleDescription(
        (title.isEmpty() ? QString() : title + QStringLiteral(". ")) + lblOutcome->text() + QLatin1Char(' ') +
        (cursor.isEmpty() ? QString() : cursor + QLatin1Char(' ')) +
        tr("The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.") + QLatin1Char(' ') +
        PlotMenu::hint());
}

void frmLab::constantChanged() { follow(); }

void frmLab::picOutcomeMap_Moved(double alpha, double beta)
{
    {
        const QSignalBlocker b1(spnAlpha), b2(spnBeta);
        spnAlpha->setValue(alpha);
        spnBeta->setValue(beta);
    }
    follow();
}

void frmLab::picPhasePlane_Start(double n1, double n2)
{
    if (!picPhasePlane->addTrajectory(n1, n2))
        QApplication::beep();
}

void frmLab::chkDailySteps_Click(bool checked) { picPhasePlane->setDailySteps(checked); }

void frmLab::cmdClear_Click() { picPhasePlane->clearTrajectories(); }

void frmLab::cmdUseValues_Click()
{
    // only what the student changed here: every other field keeps its text
    ConstantChanges changes;
    const std::array<ConstantBox*, 6> all = boxes();
    for (std::size_t c = 0; c < all.size(); ++c)
        if (all[c]->changed())
            changes[c] = all[c]->value();
    leaveTo(WindowId::Main, Handover::HideFirst, changes);
}

void frmLab::describeScenario(Scenario& scenario) const
{
    if (m_run != session().runSerial())
        return;
    ScenarioLab lab;
    lab.open = isVisible();
    lab.dailySteps = chkDailySteps->isChecked();
    lab.starts = picPhasePlane->starts();
    scenario.lab = lab;
}

QString frmLab::takeScenario(const Scenario& scenario)
{
    if (!scenario.lab)
        return {};
    startFromLastRun();
    picPhasePlane->clearTrajectories();
    for (const QPointF& start : scenario.lab->starts)
        picPhasePlane->addTrajectory(start.x(), start.y());
    chkDailySteps->setChecked(scenario.lab->dailySteps);
    return {};
}

void frmLab::cmdPrint_Click() { printOnDefaultPrinter(session(), *this, QStringLiteral("Vorlenza - phase-plane lab")); }

void frmLab::cmdBack_Click() { leaveTo(session().windows().openedFrom(WindowId::Lab)); }

void frmLab::Form_Unload() { leaveTo(session().windows().openedFrom(WindowId::Lab)); }

void frmLab::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdBack_Click();
        return;
    }
    ProgramWindow::keyPressEvent(event);
}

} // namespace vorlenza
