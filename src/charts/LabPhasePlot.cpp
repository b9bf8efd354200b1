#include "LabPhasePlot.h"

#include "AxisLook.h"
#include "ContinuousTwins.h"
#include "DirectionField.h"
#include "FontSize.h"
#include "LabTexts.h"
#include "FocusFrame.h"
#include "NumberText.h"
#include "PhaseRunsJob.h"
#include "SeriesCurve.h"
#include "StepCheck.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

/// The left half of a disc, drawn over an open circle for a saddle (QCustomPlot scales a custom
/// path so that 6 units are the marker's size).
QPainterPath halfDisc()
{
    QPainterPath path;
    path.moveTo(0, -3);
    path.arcTo(QRectF(-3, -3, 6, 6), 90, 180);
    path.closeSubpath();
    return path;
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, width, style);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void setCurve(QCPCurve* curve, const std::vector<double>& x, const std::vector<double>& y, std::size_t count)
{
    QVector<QCPCurveData> points;
    points.reserve(static_cast<int>(count));
    for (std::size_t i = 0; i < count && i < x.size() && i < y.size(); ++i)
        points.append(QCPCurveData(static_cast<double>(i), x[i], y[i]));
    curve->data()->set(points, true);
}

QString number(double value) { return QString::fromStdString(formatNumber(value)); }

} // namespace

QColor trajectoryColour(int index)
{
    static const QColor colours[kMaxTrajectories] = {
        QColor(0, 0, 0),     QColor(230, 120, 0), QColor(0, 150, 70),    QColor(150, 0, 170),
        QColor(0, 150, 200), QColor(190, 150, 0), QColor(200, 0, 100),   QColor(100, 70, 30),
        QColor(90, 90, 255), QColor(0, 110, 110), QColor(130, 130, 130), QColor(255, 80, 60),
    };
    return colours[std::clamp(index, 0, kMaxTrajectories - 1)];
}

LabPhasePlot::LabPhasePlot(QWidget* parent) : QCustomPlot(parent)
{
    useProgramNumbers(*this);
    setFocusPolicy(Qt::StrongFocus);
    setNoAntialiasingOnDrag(true);
    setAutoAddPlottableToLegend(false);
    xAxis->setLabel(QStringLiteral("N1"));
    yAxis->setLabel(QStringLiteral("N2"));

    m_equilibriumLine = new QCPCurve(xAxis, yAxis);
    m_equilibriumLine->setPen(pen(QColor(120, 120, 120, 120), 9.0));
    m_isoclineA = new QCPCurve(xAxis, yAxis);
    m_isoclineA->setPen(pen(QColor(0, 0, 128), 2.0));
    m_isoclineB = new QCPCurve(xAxis, yAxis);
    m_isoclineB->setPen(pen(QColor(220, 0, 0), 2.0));
    m_separatrixCurve = new ContinuousCurve(xAxis, yAxis);
    m_separatrixCurve->setPen(pen(QColor(60, 60, 60), 2.0, Qt::DashLine));
    m_trajectoryKey = new QCPCurve(xAxis, yAxis);
    m_trajectoryKey->setPen(pen(trajectoryColour(0), 1.6));
    m_stepsKey = new QCPCurve(xAxis, yAxis);
    m_stepsKey->setLineStyle(QCPCurve::lsNone);
    m_stepsKey->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pen(Qt::black, 1.0), Qt::white, 5));
    for (int i = 0; i < 8; ++i) { // a mark for each of the four, and the filled half of a saddle
        auto* mark = new QCPGraph(xAxis, yAxis);
        mark->setLineStyle(QCPGraph::lsNone);
        m_equilibriumMarks.push_back(mark);
    }
    m_cursorMark = new QCPItemTracer(this);
    m_cursorMark->setStyle(QCPItemTracer::tsPlus);
    m_cursorMark->setSize(16);
    m_cursorMark->setPen(pen(QColor(0, 0, 0), 1.5));
    m_cursorMark->setVisible(false);
    makeLegend();
    m_job = new PhaseRunsJob(this);
    connect(m_job, &PhaseRunsJob::solved, this, [this](const PhaseRuns& runs) {
        draw(runs);
        emit pathsDrawn();
    });
}

void LabPhasePlot::makeLegend()
{
    legend->setVisible(true);
    legend->setFont(fontsize::sized(QStringLiteral("Arial"), 8.0));
    legend->setBrush(QColor(255, 255, 255, 230));
    legend->setIconSize(24, 10);
    axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    m_isoclineA->setName(QCoreApplication::translate("Lab", "Isocline of A (dN1/dt = 0)"));
    m_isoclineB->setName(QCoreApplication::translate("Lab", "Isocline of B (dN2/dt = 0)"));
    m_equilibriumLine->setName(QCoreApplication::translate("Lab", "Line of equilibria"));
    m_separatrixCurve->setName(QCoreApplication::translate("Lab", "Separatrix"));
    m_trajectoryKey->setName(QCoreApplication::translate("Lab", "Trajectories (the equations)"));
    m_stepsKey->setName(QCoreApplication::translate("Lab", "Daily steps"));
    m_isoclineA->addToLegend();
    m_isoclineB->addToLegend();
    m_trajectoryKey->addToLegend();
}

void LabPhasePlot::setModel(const ModelParameters& p, int days)
{
    m_parameters = p;
    m_days = std::max(1, days);
    double reach = std::max(p.K1, p.K2);
    for (const QPointF& s : m_starts)
        reach = std::max({reach, s.x(), s.y()});
    m_boxN1 = m_boxN2 = 1.2 * reach;
    // a little below zero, so that the marks on the axes show whole
    xAxis->setRange(-0.03 * m_boxN1, m_boxN1);
    yAxis->setRange(-0.03 * m_boxN2, m_boxN2);
    if (m_cursor.isNull())
        m_cursor = QPointF(m_boxN1 / 2.0, m_boxN2 / 2.0);

    // The isoclines from axis to axis: A from (0, K1/alpha) to (K1, 0), B from (0, K2) to (K2/beta, 0).
    setCurve(m_isoclineA, {0.0, p.K1}, {p.K1 / p.alpha, 0.0}, 2);
    setCurve(m_isoclineB, {0.0, p.K2 / p.beta}, {p.K2, 0.0}, 2);
    const bool neutral = outcomeOf(p) == CompetitionOutcome::Neutral;
    setCurve(m_equilibriumLine, {0.0, p.K1}, {p.K2, 0.0}, neutral ? 2 : 0);
    if (neutral)
        m_equilibriumLine->addToLegend();
    else
        m_equilibriumLine->removeFromLegend();

    m_equilibria = equilibriaOf(p);
    redrawEquilibria();
    ShowDirectionField(*this, m_arrows, p);
    placeCursor();
    solveAgain();
    replot(rpQueuedReplot);
}

void LabPhasePlot::solveAgain()
{
    PhaseRunsInput input;
    input.p = m_parameters;
    input.days = m_days;
    input.boxN1 = m_boxN1;
    input.boxN2 = m_boxN2;
    input.dailySteps = m_dailySteps;
    for (const QPointF& s : m_starts)
        input.starts.emplace_back(s.x(), s.y());
    m_job->solve(std::move(input));
}

void LabPhasePlot::draw(const PhaseRuns& runs)
{
    m_separatrix = runs.separatrix;
    std::vector<double> sx, sy;
    for (const auto& [n1, n2] : m_separatrix) {
        sx.push_back(n1);
        sy.push_back(n2);
    }
    setCurve(m_separatrixCurve, sx, sy, sx.size());
    if (m_separatrix.empty())
        m_separatrixCurve->removeFromLegend();
    else
        m_separatrixCurve->addToLegend();

    m_truncated = false;
    for (std::size_t i = 0; i < m_paths.size() && i < runs.paths.size(); ++i) {
        const ContinuousSolution& path = runs.paths[i];
        setCurve(m_paths[i], path.N1, path.N2, static_cast<std::size_t>(path.solvedDays + 1));
        m_truncated = m_truncated || path.solvedDays < m_days;
        // the run's own steps, up to the last day whose values are numbers
        const DailyPath& steps = runs.steps[i];
        const int rows = steps.failedDay != 0 ? steps.failedDay : static_cast<int>(steps.n1.size());
        m_steps[i]->setPoints(steps.n1, steps.n2, m_dailySteps ? rows : 0);
    }
    if (m_dailySteps)
        m_stepsKey->addToLegend();
    else
        m_stepsKey->removeFromLegend();
    replot(rpQueuedReplot);
}

void LabPhasePlot::redrawEquilibria()
{
    for (QCPGraph* mark : m_equilibriumMarks)
        mark->data()->clear();
    const QPen outline = pen(Qt::black, 1.5);
    for (std::size_t i = 0; i < m_equilibria.size() && 2 * i + 1 < m_equilibriumMarks.size(); ++i) {
        const Equilibrium& e = m_equilibria[i];
        QCPGraph* mark = m_equilibriumMarks[2 * i];
        mark->setData({e.n1}, {e.n2}, true);
        const QBrush fill = e.attracts ? Qt::black : e.onEquilibriumLine ? Qt::gray : Qt::white;
        mark->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, outline, fill, 12));
        if (e.type == EquilibriumType::Saddle) {
            QCPGraph* half = m_equilibriumMarks[2 * i + 1];
            half->setData({e.n1}, {e.n2}, true);
            half->setScatterStyle(QCPScatterStyle(halfDisc(), Qt::NoPen, QBrush(Qt::black), 12));
        }
    }
}

bool LabPhasePlot::addTrajectory(double n1, double n2)
{
    if (trajectoryCount() >= kMaxTrajectories)
        return false;
    m_starts.emplace_back(n1, n2);
    const QColor colour = trajectoryColour(trajectoryCount() - 1);
    auto* path = new ContinuousCurve(xAxis, yAxis);
    path->setPen(pen(colour, 1.6));
    auto* steps = new SeriesCurve(xAxis, yAxis);
    steps->setLineStyle(QCPCurve::lsNone);
    steps->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pen(colour, 1.0), QBrush(Qt::white), 5));
    m_paths.push_back(path);
    m_steps.push_back(steps);
    if (n1 > m_boxN1 / 1.2 || n2 > m_boxN2 / 1.2)
        setModel(m_parameters, m_days); // the box grows to hold the start
    else
        solveAgain();
    return true;
}

void LabPhasePlot::clearTrajectories()
{
    for (QCPCurve* c : m_paths)
        removePlottable(c);
    for (QCPCurve* c : m_steps)
        removePlottable(c);
    m_paths.clear();
    m_steps.clear();
    m_starts.clear();
    m_truncated = false;
    replot(rpQueuedReplot);
}

bool LabPhasePlot::busy() const { return m_job->busy(); }

const QCPCurve* LabPhasePlot::trajectoryCurve(int index) const
{
    return index >= 0 && index < trajectoryCount() ? m_paths[std::size_t(index)] : nullptr;
}

void LabPhasePlot::setArrows(bool shown)
{
    m_arrows = shown;
    ShowDirectionField(*this, shown, m_parameters);
    replot(rpQueuedReplot);
}

void LabPhasePlot::setTitle(const QString& title, const QString& note)
{
    m_note = note;
    if (title.isEmpty() && m_title) {
        plotLayout()->remove(m_title);
        plotLayout()->simplify();
        m_title = nullptr;
    } else if (!title.isEmpty() && !m_title) {
        plotLayout()->insertRow(0);
        QFont font = fontsize::sized(QStringLiteral("Arial"), 10.0);
        font.setBold(true);
        m_title = new QCPTextElement(this, title, font);
        plotLayout()->addElement(0, 0, m_title);
    } else if (m_title) {
        m_title->setText(title);
    }
    replot(rpQueuedReplot);
}

QString LabPhasePlot::title() const { return m_title ? m_title->text() : QString(); }

void LabPhasePlot::setDailySteps(bool shown)
{
    m_dailySteps = shown;
    solveAgain();
}

void LabPhasePlot::placeCursor()
{
    m_cursor.setX(std::clamp(m_cursor.x(), 0.0, m_boxN1));
    m_cursor.setY(std::clamp(m_cursor.y(), 0.0, m_boxN2));
    m_cursorMark->position->setCoords(m_cursor);
    m_cursorMark->setVisible(hasFocus());
}

QString LabPhasePlot::cursorText() const
{
    const Equilibrium* nearest = nullptr;
    for (const Equilibrium& e : m_equilibria)
        if (!nearest || std::hypot(e.n1 - m_cursor.x(), e.n2 - m_cursor.y()) <
                            std::hypot(nearest->n1 - m_cursor.x(), nearest->n2 - m_cursor.y()))
            nearest = &e;
    //: the keyboard cursor's place, then the nearest equilibrium as the list writes it
    return QCoreApplication::translate("Lab", "Cursor at (%1, %2); the nearest equilibrium: %3")
        .arg(number(roundedForSentence(m_cursor.x())), number(roundedForSentence(m_cursor.y())),
             nearest ? equilibriumLine(*nearest) : QString());
}

const Equilibrium* LabPhasePlot::equilibriumAt(const QPoint& pos) const
{
    const Equilibrium* nearest = nullptr;
    double best = 9.0; // pixels
    for (const Equilibrium& e : m_equilibria) {
        const double d = std::hypot(xAxis->coordToPixel(e.n1) - pos.x(), yAxis->coordToPixel(e.n2) - pos.y());
        if (d <= best) {
            best = d;
            nearest = &e;
        }
    }
    return nearest;
}

bool LabPhasePlot::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        QString text;
        if (const Equilibrium* eq = equilibriumAt(help->pos()))
            text = describeEquilibrium(*eq);
        else if (m_title && m_title->outerRect().contains(help->pos()))
            text = m_note.isEmpty() ? m_title->text() : m_note;
        if (m_truncated)
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
                    QCoreApplication::translate(
                        "Lab", "Some trajectories end early: these constants make the equations too stiff to solve "
                               "further in a moment.");
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QCustomPlot::event(e);
}

void LabPhasePlot::mousePressEvent(QMouseEvent* event)
{
    m_pressedAt = event->pos();
    QCustomPlot::mousePressEvent(event);
}

void LabPhasePlot::mouseReleaseEvent(QMouseEvent* event)
{
    QCustomPlot::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || (event->pos() - m_pressedAt).manhattanLength() > 4 ||
        !axisRect()->rect().contains(event->pos()))
        return;
    const double n1 = std::max(0.0, xAxis->pixelToCoord(event->pos().x()));
    const double n2 = std::max(0.0, yAxis->pixelToCoord(event->pos().y()));
    m_cursor = QPointF(n1, n2);
    placeCursor();
    emit cursorMoved();
    emit startRequested(n1, n2);
}

void LabPhasePlot::keyPressEvent(QKeyEvent* event)
{
    const double stepN1 = m_boxN1 / 60.0, stepN2 = m_boxN2 / 60.0;
    const double times = event->modifiers().testFlag(Qt::ShiftModifier) ? 5.0 : 1.0;
    switch (event->key()) {
    case Qt::Key_Left: m_cursor.rx() -= stepN1 * times; break;
    case Qt::Key_Right: m_cursor.rx() += stepN1 * times; break;
    case Qt::Key_Up: m_cursor.ry() += stepN2 * times; break;
    case Qt::Key_Down: m_cursor.ry() -= stepN2 * times; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit startRequested(m_cursor.x(), m_cursor.y()); return;
    default: QCustomPlot::keyPressEvent(event); return;
    }
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

void LabPhasePlot::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    paintFocusFrame(*this);
}

void LabPhasePlot::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

void LabPhasePlot::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    placeCursor();
    emit cursorMoved();
    replot(rpQueuedReplot);
}

} // namespace vorlenza
