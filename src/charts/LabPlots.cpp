#include "LabPlots.h"

#include "AxisLook.h"

#include "ContinuousSolution.h"
#include "DirectionField.h"
#include "NumberText.h"
#include "Simulation.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

QString number(double value) { return QString::fromStdString(formatNumber(value)); }

/// A value rounded to 4 significant digits, for reading off a tooltip.
QString shortNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::abs(value))));
    return number(std::round(value * scale) / scale);
}

QString eigenvalueText(std::complex<double> l)
{
    if (l.imag() == 0.0)
        return shortNumber(l.real());
    return shortNumber(l.real()) + (l.imag() < 0.0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) +
           shortNumber(std::abs(l.imag())) + QStringLiteral("i");
}

QString typeName(EquilibriumType type)
{
    switch (type) {
    case EquilibriumType::StableNode: return QCoreApplication::translate("Lab", "stable node");
    case EquilibriumType::Saddle: return QCoreApplication::translate("Lab", "saddle");
    case EquilibriumType::UnstableNode: return QCoreApplication::translate("Lab", "unstable node");
    case EquilibriumType::StableFocus: return QCoreApplication::translate("Lab", "stable focus");
    case EquilibriumType::UnstableFocus: return QCoreApplication::translate("Lab", "unstable focus");
    case EquilibriumType::Degenerate: return QCoreApplication::translate("Lab", "not decided by the eigenvalues");
    }
    return {};
}

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

/// The points of a path that can be told apart on the plot: a point closer than 1/2000 of the
/// box to the last one kept is left out (a path that has settled adds nothing more), the last
/// point always stays.
void keepVisible(QVector<double>& x, QVector<double>& y, double boxN1, double boxN2)
{
    if (x.size() < 3)
        return;
    const double dx = boxN1 / 2000.0, dy = boxN2 / 2000.0;
    int kept = 0;
    for (int i = 1; i < x.size(); ++i) {
        const bool last = i == x.size() - 1;
        if (last || std::abs(x[i] - x[kept]) > dx || std::abs(y[i] - y[kept]) > dy) {
            ++kept;
            x[kept] = x[i];
            y[kept] = y[i];
        }
    }
    x.resize(kept + 1);
    y.resize(kept + 1);
}

void setCurve(QCPCurve* curve, const QVector<double>& x, const QVector<double>& y)
{
    QVector<double> t(x.size());
    for (int i = 0; i < t.size(); ++i)
        t[i] = i;
    curve->setData(t, x, y, true);
}

} // namespace

QColor trajectoryColour(int index)
{
    static const QColor colours[kMaxTrajectories] = {
        QColor(0, 0, 0),       QColor(230, 120, 0),  QColor(0, 150, 70),   QColor(150, 0, 170),
        QColor(0, 150, 200),   QColor(190, 150, 0),  QColor(200, 0, 100),  QColor(100, 70, 30),
        QColor(90, 90, 255),   QColor(0, 110, 110),  QColor(130, 130, 130), QColor(255, 80, 60),
    };
    return colours[std::clamp(index, 0, kMaxTrajectories - 1)];
}

// ---- The phase plane ---------------------------------------------------------------------------

LabPhasePlot::LabPhasePlot(QWidget* parent) : QCustomPlot(parent)
{
    useProgramNumbers(*this);
    setFocusPolicy(Qt::StrongFocus);
    setNoAntialiasingOnDrag(true);
    xAxis->setLabel(QStringLiteral("N1"));
    yAxis->setLabel(QStringLiteral("N2"));

    m_isoclineA = new QCPCurve(xAxis, yAxis);
    m_isoclineA->setPen(pen(QColor(0, 0, 128), 2.0));
    m_isoclineB = new QCPCurve(xAxis, yAxis);
    m_isoclineB->setPen(pen(QColor(220, 0, 0), 2.0));
    m_separatrixCurve = new QCPCurve(xAxis, yAxis);
    m_separatrixCurve->setPen(pen(QColor(60, 60, 60), 2.0, Qt::DashLine));
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
    setCurve(m_isoclineA, {0.0, p.K1}, {p.K1 / p.alpha, 0.0});
    setCurve(m_isoclineB, {0.0, p.K2 / p.beta}, {p.K2, 0.0});

    m_equilibria = equilibriaOf(p);
    redrawEquilibria();

    m_separatrix = separatrixOf(p, m_boxN1, m_boxN2);
    QVector<double> sx, sy;
    for (const auto& [n1, n2] : m_separatrix) {
        sx.push_back(n1);
        sy.push_back(n2);
    }
    keepVisible(sx, sy, m_boxN1, m_boxN2);
    setCurve(m_separatrixCurve, sx, sy);

    for (int i = 0; i < trajectoryCount(); ++i)
        redrawTrajectory(i);
    ShowDirectionField(*this, true, p);
    placeCursor();
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
        const bool filled = e.stable();
        mark->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, outline,
                                              QBrush(filled ? Qt::black : Qt::white), 12));
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
    auto* path = new QCPCurve(xAxis, yAxis);
    path->setPen(pen(colour, 1.6));
    auto* steps = new QCPCurve(xAxis, yAxis);
    steps->setLineStyle(QCPCurve::lsNone);
    steps->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pen(colour, 1.0), QBrush(Qt::white), 5));
    m_paths.push_back(path);
    m_steps.push_back(steps);
    if (n1 > m_boxN1 / 1.2 || n2 > m_boxN2 / 1.2)
        setModel(m_parameters, m_days); // the box grows to hold the start
    else
        redrawTrajectory(trajectoryCount() - 1);
    replot(rpQueuedReplot);
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
    replot(rpQueuedReplot);
}

const QCPCurve* LabPhasePlot::trajectoryCurve(int index) const
{
    return index >= 0 && index < trajectoryCount() ? m_paths[std::size_t(index)] : nullptr;
}

void LabPhasePlot::setDailySteps(bool shown)
{
    m_dailySteps = shown;
    for (int i = 0; i < trajectoryCount(); ++i)
        redrawTrajectory(i);
    replot(rpQueuedReplot);
}

void LabPhasePlot::redrawTrajectory(int index)
{
    const auto i = std::size_t(index);
    const QPointF start = m_starts[i];
    const ContinuousSolution s = solveContinuous(m_parameters, start.x(), start.y(), m_days);
    const int n = s.solvedDays + 1;
    QVector<double> x(n), y(n);
    for (int d = 0; d < n; ++d) {
        x[d] = s.N1[std::size_t(d)];
        y[d] = s.N2[std::size_t(d)];
    }
    keepVisible(x, y, m_boxN1, m_boxN2);
    setCurve(m_paths[i], x, y);

    QVector<double> sx, sy;
    if (m_dailySteps) {
        double n1 = start.x(), n2 = start.y();
        sx.push_back(n1);
        sy.push_back(n2);
        for (int d = 0; d < m_days; ++d) {
            const DayStep step = stepOneDay(m_parameters, n1, n2);
            if (!step.finite)
                break;
            n1 = step.n1;
            n2 = step.n2;
            sx.push_back(n1);
            sy.push_back(n2);
        }
    }
    setCurve(m_steps[i], sx, sy);
}

void LabPhasePlot::placeCursor()
{
    m_cursor.setX(std::clamp(m_cursor.x(), 0.0, m_boxN1));
    m_cursor.setY(std::clamp(m_cursor.y(), 0.0, m_boxN2));
    m_cursorMark->position->setCoords(m_cursor);
    m_cursorMark->setVisible(hasFocus());
}

QString LabPhasePlot::describe(const Equilibrium& e)
{
    QString text = QStringLiteral("(%1, %2)\n").arg(shortNumber(e.n1), shortNumber(e.n2));
    text += QCoreApplication::translate("Lab", "Eigenvalues per day: %1 and %2")
                .arg(eigenvalueText(e.eigenvalues[0]), eigenvalueText(e.eigenvalues[1]));
    text += QLatin1Char('\n') + typeName(e.type) + QLatin1Char('\n');
    text += e.dailyStepStable ? QCoreApplication::translate("Lab", "The one-day step keeps it stable.") : QCoreApplication::translate("Lab", "The one-day step does not keep it stable.");
    return text;
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
        if (const Equilibrium* eq = equilibriumAt(help->pos()))
            QToolTip::showText(help->globalPos(), describe(*eq), this);
        else
            QToolTip::hideText();
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
    replot(rpQueuedReplot);
}

void LabPhasePlot::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    placeCursor();
    replot(rpQueuedReplot);
}

void LabPhasePlot::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    placeCursor();
    replot(rpQueuedReplot);
}

// ---- The map of outcomes -----------------------------------------------------------------------

QString OutcomeMapPlot::regionName(CompetitionOutcome outcome)
{
    switch (outcome) {
    case CompetitionOutcome::Coexistence: return QCoreApplication::translate("Lab", "Coexistence");
    case CompetitionOutcome::AWins: return QCoreApplication::translate("Lab", "A wins");
    case CompetitionOutcome::BWins: return QCoreApplication::translate("Lab", "B wins");
    case CompetitionOutcome::EitherWins: return QCoreApplication::translate("Lab", "Either wins,\nby the start");
    }
    return {};
}

OutcomeMapPlot::OutcomeMapPlot(QWidget* parent) : QCustomPlot(parent)
{
    useProgramNumbers(*this);
    setFocusPolicy(Qt::StrongFocus);
    xAxis->setLabel(QStringLiteral("alpha"));
    yAxis->setLabel(QStringLiteral("beta"));
    const QColor fills[4] = {QColor(200, 235, 200), QColor(205, 215, 245), QColor(245, 205, 205),
                             QColor(240, 232, 190)};
    for (std::size_t i = 0; i < m_rects.size(); ++i) {
        m_rects[i] = new QCPItemRect(this);
        m_rects[i]->setPen(pen(QColor(90, 90, 90), 1.0));
        m_rects[i]->setBrush(fills[i]);
        m_rects[i]->setLayer(QStringLiteral("background"));
        m_labels[i] = new QCPItemText(this);
        m_labels[i]->setPositionAlignment(Qt::AlignCenter);
        m_labels[i]->setTextAlignment(Qt::AlignCenter);
    }
    m_handle = new QCPGraph(xAxis, yAxis);
    m_handle->setLineStyle(QCPGraph::lsNone);
    connect(this, &QCustomPlot::beforeReplot, this, &OutcomeMapPlot::fitLabels);
}

void OutcomeMapPlot::fitLabels()
{
    // A name too wide for its region is written upwards when it fits that way, else left out.
    for (std::size_t i = 0; i < m_regions.size(); ++i) {
        const OutcomeRegion& r = m_regions[i];
        QCPItemText* label = m_labels[i];
        const double width = std::abs(xAxis->coordToPixel(r.alphaHi) - xAxis->coordToPixel(r.alphaLo));
        const double height = std::abs(yAxis->coordToPixel(r.betaHi) - yAxis->coordToPixel(r.betaLo));
        const QSizeF text = QFontMetricsF(label->font()).boundingRect(QRectF(), Qt::AlignCenter, label->text()).size();
        const bool across = text.width() + 4 <= width && text.height() + 2 <= height;
        const bool upwards = text.height() + 2 <= width && text.width() + 4 <= height;
        label->setRotation(across || !upwards ? 0.0 : -90.0);
        label->setVisible(across || upwards);
    }
}

void OutcomeMapPlot::setModel(double K1, double K2, double alpha, double beta)
{
    m_K1 = K1;
    m_K2 = K2;
    // far enough for both boundaries, and for a handle set beyond them in the spin boxes
    m_reach = std::max({outcomeMapReach(K1, K2), 1.1 * alpha, 1.1 * beta});
    m_alpha = alpha;
    m_beta = beta;
    xAxis->setRange(0.0, m_reach);
    yAxis->setRange(0.0, m_reach);
    m_regions = outcomeRegions(K1, K2, m_reach, m_reach);
    for (std::size_t i = 0; i < m_regions.size(); ++i) {
        const OutcomeRegion& r = m_regions[i];
        m_rects[i]->topLeft->setCoords(r.alphaLo, r.betaHi);
        m_rects[i]->bottomRight->setCoords(r.alphaHi, r.betaLo);
        m_labels[i]->position->setCoords((r.alphaLo + r.alphaHi) / 2.0, (r.betaLo + r.betaHi) / 2.0);
        m_labels[i]->setText(regionName(r.outcome));
    }
    placeHandle();
}

CompetitionOutcome OutcomeMapPlot::regionAt(double alpha, double beta) const
{
    for (const OutcomeRegion& r : m_regions)
        if ((alpha >= r.alphaLo && (alpha < r.alphaHi || (r.alphaHi == m_reach && alpha <= m_reach))) &&
            (beta >= r.betaLo && (beta < r.betaHi || (r.betaHi == m_reach && beta <= m_reach))))
            return r.outcome;
    return outcomeOf(m_K1, m_K2, alpha, beta);
}

void OutcomeMapPlot::placeHandle()
{
    m_handle->setData({m_alpha}, {m_beta}, true);
    m_handle->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, pen(Qt::black, hasFocus() ? 3.0 : 1.5),
                                              QBrush(Qt::white), hasFocus() ? 16 : 13));
    replot(rpQueuedReplot);
}

void OutcomeMapPlot::moveHandleTo(double alpha, double beta)
{
    const double least = m_reach / 1000.0;
    m_alpha = std::clamp(alpha, least, m_reach);
    m_beta = std::clamp(beta, least, m_reach);
    placeHandle();
    emit handleMoved(m_alpha, m_beta);
}

void OutcomeMapPlot::mousePressEvent(QMouseEvent* event)
{
    QCustomPlot::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !axisRect()->rect().contains(event->pos()))
        return;
    m_dragging = true;
    moveHandleTo(xAxis->pixelToCoord(event->pos().x()), yAxis->pixelToCoord(event->pos().y()));
}

void OutcomeMapPlot::mouseMoveEvent(QMouseEvent* event)
{
    QCustomPlot::mouseMoveEvent(event);
    if (m_dragging)
        moveHandleTo(xAxis->pixelToCoord(event->pos().x()), yAxis->pixelToCoord(event->pos().y()));
}

void OutcomeMapPlot::mouseReleaseEvent(QMouseEvent* event)
{
    QCustomPlot::mouseReleaseEvent(event);
    m_dragging = false;
}

void OutcomeMapPlot::keyPressEvent(QKeyEvent* event)
{
    const double step = m_reach / (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ? 10.0 : 100.0);
    switch (event->key()) {
    case Qt::Key_Left: moveHandleTo(m_alpha - step, m_beta); break;
    case Qt::Key_Right: moveHandleTo(m_alpha + step, m_beta); break;
    case Qt::Key_Up:
    case Qt::Key_PageUp: moveHandleTo(m_alpha, m_beta + step); break;
    case Qt::Key_Down:
    case Qt::Key_PageDown: moveHandleTo(m_alpha, m_beta - step); break;
    default: QCustomPlot::keyPressEvent(event);
    }
}

void OutcomeMapPlot::focusInEvent(QFocusEvent* event)
{
    QCustomPlot::focusInEvent(event);
    placeHandle();
}

void OutcomeMapPlot::focusOutEvent(QFocusEvent* event)
{
    QCustomPlot::focusOutEvent(event);
    placeHandle();
}

} // namespace vorlenza

namespace vorlenza {

QString outcomeSentence(CompetitionOutcome outcome)
{
    switch (outcome) {
    case CompetitionOutcome::Coexistence:
        return QCoreApplication::translate(
            "Lab", "Both species coexist: the isoclines cross at a stable equilibrium, because each species "
                   "limits itself more than it limits the other.");
    case CompetitionOutcome::AWins: return QCoreApplication::translate("Lab", "Species A wins: its isocline lies above B's everywhere.");
    case CompetitionOutcome::BWins: return QCoreApplication::translate("Lab", "Species B wins: its isocline lies above A's everywhere.");
    case CompetitionOutcome::EitherWins:
        return QCoreApplication::translate(
            "Lab", "Either species wins, depending on the start: the isoclines cross at a saddle, and the "
                   "separatrix divides the starts.");
    }
    return {};
}

} // namespace vorlenza
