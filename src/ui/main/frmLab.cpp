#include "frmLab.h"

#include "ChartActions.h"
#include "ChartExport.h"
#include "ChartFile.h"
#include "DefaultPrinter.h"
#include "WindowPdfRequest.h"
#include "LabPlots.h"
#include "Look.h"
#include "NumberText.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace vorlenza {

namespace {

/// A spin box that writes its value in the display format and reads a point as the decimal
/// separator, in every language.
class NumberBox : public QDoubleSpinBox
{
public:
    NumberBox(QWidget* parent, double lo, double hi, double step, int decimals) : QDoubleSpinBox(parent)
    {
        setLocale(QLocale::c());
        setDecimals(decimals);
        setRange(lo, hi);
        setSingleStep(step);
        setAlignment(Qt::AlignCenter);
        setKeyboardTracking(false);
    }

    QString textFromValue(double value) const override { return QString::fromStdString(formatNumber(value)); }
    double valueFromText(const QString& text) const override { return QLocale::c().toDouble(text.trimmed()); }
    QValidator::State validate(QString& text, int&) const override
    {
        const QString t = text.trimmed();
        if (t.isEmpty() || t == QLatin1String(".") || t.endsWith(QLatin1Char('e'), Qt::CaseInsensitive))
            return QValidator::Intermediate;
        bool ok = false;
        const double v = QLocale::c().toDouble(t, &ok);
        if (!ok)
            return QValidator::Invalid;
        return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }
};

} // namespace

frmLab::frmLab(Session& session, QWidget* parent) : ProgramWindow(session, "frmLab", parent)
{
    build();
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
    picOutcomeMap = kit::make<OutcomeMapPlot>(this, "picOutcomeMap");
    picOutcomeMap->setAccessibleName(tr("Map of outcomes"));
    picOutcomeMap->setAccessibleDescription(
        tr("The arrow keys move the handle: left and right change alpha, up and down change beta."));

    const auto box = [&](const char* name, const QString& caption, const QString& accessible, double lo, double hi,
                         double step, int decimals, QLabel*& label) {
        label = kit::label(this, (QByteArray("lbl") + (name + 3)).constData(), caption, font, Qt::AlignRight);
        auto* spin = new NumberBox(this, lo, hi, step, decimals);
        spin->setObjectName(QLatin1String(name));
        spin->setFont(font);
        spin->setAccessibleName(accessible);
        label->setBuddy(spin);
        return spin;
    };
    spnK1 = box("spnK1", tr("K1:"), tr("Carrying capacity for species A (K1)"), 1, 1e6, 10, 3, lblK1);
    spnK2 = box("spnK2", tr("K2:"), tr("Carrying capacity for species B (K2)"), 1, 1e6, 10, 3, lblK2);
    spnR1 = box("spnR1", tr("r1:"), tr("Intrinsic rate of species A (r1)"), 0.001, 10, 0.05, 4, lblR1);
    spnR2 = box("spnR2", tr("r2:"), tr("Intrinsic rate of species B (r2)"), 0.001, 10, 0.05, 4, lblR2);
    spnAlpha = box("spnAlpha", tr("alpha:"), tr("Constant a (alpha, effect of B on A)"), 0.0001, 1e4, 0.05, 4,
                   lblAlpha);
    spnBeta = box("spnBeta", tr("beta:"), tr("Constant b (beta, effect of A on B)"), 0.0001, 1e4, 0.05, 4, lblBeta);

    chkDailySteps = kit::make<QCheckBox>(this, "chkDailySteps");
    chkDailySteps->setText(tr("Show the daily steps as markers"));
    chkDailySteps->setFont(font);
    cmdClear = kit::button(this, "cmdClear", tr("Clear trajectories"), font);
    cmdUseValues = kit::button(this, "cmdUseValues", tr("Use these values"), font, kit::Pointer::Inherited,
                               tr("Write these constants into the main window's fields"));
    cmdPrint = kit::button(this, "cmdPrint", tr("Print"), font, kit::Pointer::Custom, tr("Print this form"));
    cmdMainForm = kit::button(this, "cmdMainForm", tr("Main form"), font, kit::Pointer::Custom);
}

void frmLab::placeControls()
{
    kit::place({
        {picPhasePlane, {120, 120, 8400, 6840}},
        {lblOutcome, {120, 7020, 8400, 720}},
        {picOutcomeMap, {8640, 120, 5640, 4560}},
        {lblK1, {8640, 4830, 960, 300}},
        {spnK1, {9660, 4800, 1800, 360}},
        {lblK2, {11520, 4830, 840, 300}},
        {spnK2, {12420, 4800, 1860, 360}},
        {lblR1, {8640, 5250, 960, 300}},
        {spnR1, {9660, 5220, 1800, 360}},
        {lblR2, {11520, 5250, 840, 300}},
        {spnR2, {12420, 5220, 1860, 360}},
        {lblAlpha, {8640, 5670, 960, 300}},
        {spnAlpha, {9660, 5640, 1800, 360}},
        {lblBeta, {11520, 5670, 840, 300}},
        {spnBeta, {12420, 5640, 1860, 360}},
        {chkDailySteps, {8700, 6120, 5580, 360}},
        {cmdClear, {8640, 6600, 2760, 435}},
        {cmdUseValues, {11520, 6600, 2760, 435}},
        {cmdPrint, {8640, 7245, 2760, 435}},
        {cmdMainForm, {11520, 7245, 2760, 435}},
    });
    setFixedSize(twips::size(14400, 7800));

    QWidget* const order[] = {picPhasePlane, picOutcomeMap, spnK1,   spnK2,        spnR1,
                              spnR2,         spnAlpha,      spnBeta, chkDailySteps, cmdClear,
                              cmdUseValues,  cmdPrint,      cmdMainForm};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmLab::connectHandlers()
{
    connect(cmdClear, &QPushButton::clicked, this, &frmLab::cmdClear_Click);
    connect(cmdUseValues, &QPushButton::clicked, this, &frmLab::cmdUseValues_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLab::cmdPrint_Click);
    connect(cmdMainForm, &QPushButton::clicked, this, &frmLab::cmdMainForm_Click);
    connect(chkDailySteps, &QCheckBox::toggled, this, &frmLab::chkDailySteps_Click);
    connect(picPhasePlane, &LabPhasePlot::startRequested, this, &frmLab::picPhasePlane_Start);
    connect(picOutcomeMap, &OutcomeMapPlot::handleMoved, this, &frmLab::picOutcomeMap_Moved);
    for (QDoubleSpinBox* spin : {spnK1, spnK2, spnR1, spnR2, spnAlpha, spnBeta})
        connect(spin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &frmLab::constantChanged);
    for (QWidget* plot : {static_cast<QWidget*>(picPhasePlane), static_cast<QWidget*>(picOutcomeMap)}) {
        plot->setContextMenuPolicy(Qt::DefaultContextMenu);
        plot->installEventFilter(this);
    }
}

void frmLab::Form_Load()
{
    startFromLastRun();
    picPhasePlane->setFocus();
}

void frmLab::firstShown() { centreOnScreen(this); }

void frmLab::showEvent(QShowEvent* event)
{
    const ModelState& run = session().model();
    const ModelParameters now = parametersOf(run);
    const bool sameRun = now.K1 == m_runParameters.K1 && now.K2 == m_runParameters.K2 &&
                         now.alpha == m_runParameters.alpha && now.beta == m_runParameters.beta &&
                         now.r1 == m_runParameters.r1 && now.r2 == m_runParameters.r2 && run.N1[0] == m_runN1 &&
                         run.N2[0] == m_runN2 && run.simTime == m_runDays;
    if (!sameRun)
        startFromLastRun();
    ProgramWindow::showEvent(event);
}

void frmLab::startFromLastRun()
{
    const ModelState& run = session().model();
    m_runParameters = parametersOf(run);
    m_runN1 = run.N1[0];
    m_runN2 = run.N2[0];
    m_runDays = run.simTime;
    ModelParameters p = m_runParameters;
    double n1 = m_runN1, n2 = m_runN2;
    if (run.simTime <= 0) {
        // no run yet: the start-up fields
        const FieldTexts f;
        p = {NumericPrefix(f.K1), NumericPrefix(f.K2),     NumericPrefix(f.u),
             NumericPrefix(f.v),  NumericPrefix(f.rrateA), NumericPrefix(f.rrateB)};
        n1 = NumericPrefix(f.a0);
        n2 = NumericPrefix(f.b0);
    }
    {
        const QSignalBlocker b1(spnK1), b2(spnK2), b3(spnR1), b4(spnR2), b5(spnAlpha), b6(spnBeta);
        spnK1->setValue(p.K1);
        spnK2->setValue(p.K2);
        spnR1->setValue(p.r1);
        spnR2->setValue(p.r2);
        spnAlpha->setValue(p.alpha);
        spnBeta->setValue(p.beta);
    }
    picPhasePlane->clearTrajectories();
    follow();
    picPhasePlane->addTrajectory(n1, n2);
}

void frmLab::follow()
{
    m_parameters = {spnK1->value(), spnK2->value(), spnAlpha->value(),
                    spnBeta->value(), spnR1->value(), spnR2->value()};
    const int days = m_runDays > 0 ? m_runDays : std::stoi(FieldTexts().simut);
    picPhasePlane->setModel(m_parameters, days);
    picOutcomeMap->setModel(m_parameters.K1, m_parameters.K2, m_parameters.alpha, m_parameters.beta);
    const QString sentence = outcomeSentence(outcomeOf(m_parameters));
    lblOutcome->setText(sentence);
    picPhasePlane->setAccessibleDescription(
        sentence + QLatin1Char(' ') +
        tr("The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.") +
        QLatin1Char(' ') + ChartActions::menuHint());
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
    leaveTo(WindowId::Main, Handover::HideFirst, m_parameters);
}

void frmLab::cmdPrint_Click() { printOnDefaultPrinter(session(), *this, QStringLiteral("Vorlenza - phase-plane lab")); }

void frmLab::cmdMainForm_Click() { leaveTo(WindowId::Main); }

bool frmLab::eventFilter(QObject* watched, QEvent* event)
{
    auto* plot = qobject_cast<QCustomPlot*>(watched);
    if (plot == nullptr)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        openMenu(*plot, e->reason() == QContextMenuEvent::Mouse ? e->globalPos()
                                                                : plot->mapToGlobal(plot->rect().center()));
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        if ((e->key() == Qt::Key_Menu && e->modifiers() == Qt::NoModifier) ||
            (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier)) {
            openMenu(*plot, plot->mapToGlobal(plot->rect().center()));
            return true;
        }
    }
    return false;
}

void frmLab::openMenu(QCustomPlot& plot, const QPoint& globalPos)
{
    if (!session().platform().runMenu)
        return;
    QMenu menu(&plot);
    menu.setObjectName(QStringLiteral("labMenu"));
    QAction* copy = menu.addAction(tr("Copy chart"));
    QAction* save = menu.addAction(tr("Save chart as…"));
    QAction* window = menu.addAction(tr("Save window as PDF…"));
    QAction* chosen = session().platform().runMenu(menu, globalPos);
    if (chosen == copy)
        copyChartToClipboard(plot);
    else if (chosen == save)
        saveChartAsked(plot);
    else if (chosen == window)
        saveWindowAsPdfAsked(session(), *this);
}

void frmLab::saveChartAsked(QCustomPlot& plot)
{
    Platform& platform = session().platform();
    if (!platform.chooseExportFile)
        return;
    QString filter = chartSaveFilter(ChartFileType::Png);
    const QString suggested = plot.objectName() == QLatin1String("picOutcomeMap") ? tr("Outcome map")
                                                                                   : tr("Phase plane");
    const QString typed = platform.chooseExportFile(this, defaultChartFileName(suggested, ChartFileType::Png),
                                                    chartSaveFilters(), &filter);
    const ChosenChartFile chosen = resolveChartFile(typed, filter);
    if (chosen.path.isEmpty())
        return;
    const Outcome outcome = saveChart(plot, chosen.path, chosen.type);
    if (!outcome.ok)
        platform.reportProblem(this, messageTitle(), outcome.error);
}

} // namespace vorlenza
