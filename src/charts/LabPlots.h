#pragma once

#include "PhasePlane.h"

#include <qcustomplot.h>

#include <QPointF>
#include <QString>

#include <vector>

namespace vorlenza {

/// At most this many trajectories are on the lab's phase plane at once.
constexpr int kMaxTrajectories = 12;

/// The colour of trajectory `index` (0-based), each its own.
QColor trajectoryColour(int index);

/// The lab's phase plane: both isoclines, the direction arrows, the equilibria marked by their
/// stability (filled: stable, half-filled: saddle, open: unstable) with a tooltip each, the
/// separatrix when the start decides, and up to twelve trajectories solved continuously from
/// their starts, with the daily steps as markers when chosen. A click, or Enter at the keyboard
/// cursor (moved by the arrow keys), asks for a trajectory from that point.
class LabPhasePlot : public QCustomPlot
{
    Q_OBJECT
public:
    explicit LabPhasePlot(QWidget* parent = nullptr);

    /// Everything redrawn for `p`: the box, the lines, the equilibria, the separatrix and every
    /// trajectory from its start, over `days` days.
    void setModel(const ModelParameters& p, int days);
    const ModelParameters& parameters() const { return m_parameters; }

    /// Adds a trajectory from (n1, n2); false when twelve are already there.
    bool addTrajectory(double n1, double n2);
    void clearTrajectories();
    int trajectoryCount() const { return static_cast<int>(m_starts.size()); }
    /// The continuous path of trajectory `index` as drawn.
    const QCPCurve* trajectoryCurve(int index) const;

    /// Whether each trajectory's daily steps (one Heun step a day) are marked.
    void setDailySteps(bool shown);
    bool dailySteps() const { return m_dailySteps; }

    const std::vector<Equilibrium>& equilibria() const { return m_equilibria; }
    const PhaseCurve& separatrix() const { return m_separatrix; }
    /// The largest N1 and N2 the plot shows.
    double boxN1() const { return m_boxN1; }
    double boxN2() const { return m_boxN2; }

    /// The keyboard cursor, in (N1, N2).
    QPointF cursor() const { return m_cursor; }

    /// The tooltip of an equilibrium: coordinates, eigenvalues per day, type, the daily step.
    static QString describe(const Equilibrium& e);

signals:
    /// The user asked for a trajectory from (n1, n2).
    void startRequested(double n1, double n2);

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void redrawTrajectory(int index);
    void redrawEquilibria();
    void placeCursor();
    /// The equilibrium under the pixel `pos`, or nullptr.
    const Equilibrium* equilibriumAt(const QPoint& pos) const;

    ModelParameters m_parameters;
    int m_days = 100;
    double m_boxN1 = 1.0;
    double m_boxN2 = 1.0;
    std::vector<Equilibrium> m_equilibria;
    PhaseCurve m_separatrix;
    std::vector<QPointF> m_starts;
    bool m_dailySteps = false;
    QPointF m_cursor;
    QPoint m_pressedAt;

    QCPCurve* m_isoclineA = nullptr;
    QCPCurve* m_isoclineB = nullptr;
    QCPCurve* m_separatrixCurve = nullptr;
    std::vector<QCPGraph*> m_equilibriumMarks;
    std::vector<QCPCurve*> m_paths;
    std::vector<QCPCurve*> m_steps;
    QCPItemTracer* m_cursorMark = nullptr;
};

/// The lab's map of outcomes: the alpha–beta plane from 0 to outcomeMapReach(K1, K2), its four
/// regions shaded and labelled, and the current (alpha, beta) as a handle that the mouse drags
/// and the arrow keys move (a hundredth of the map a press, a tenth with Page Up/Down).
class OutcomeMapPlot : public QCustomPlot
{
    Q_OBJECT
public:
    explicit OutcomeMapPlot(QWidget* parent = nullptr);

    /// Redraws the regions for K1, K2 and the handle at (alpha, beta).
    void setModel(double K1, double K2, double alpha, double beta);
    QPointF handle() const { return {m_alpha, m_beta}; }
    double reach() const { return m_reach; }
    /// The outcome of the region shaded under (alpha, beta).
    CompetitionOutcome regionAt(double alpha, double beta) const;

    /// The region's name, as labelled on the map.
    static QString regionName(CompetitionOutcome outcome);

signals:
    /// The user moved the handle to (alpha, beta).
    void handleMoved(double alpha, double beta);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void moveHandleTo(double alpha, double beta);
    void fitLabels();
    void placeHandle();

    double m_K1 = 1.0;
    double m_K2 = 1.0;
    double m_alpha = 1.0;
    double m_beta = 1.0;
    double m_reach = 3.0;
    bool m_dragging = false;
    std::array<OutcomeRegion, 4> m_regions{};
    std::array<QCPItemRect*, 4> m_rects{};
    std::array<QCPItemText*, 4> m_labels{};
    QCPGraph* m_handle = nullptr;
};

} // namespace vorlenza

namespace vorlenza {

/// The sentence under the lab's phase plane that says how the competition ends and why.
QString outcomeSentence(CompetitionOutcome outcome);

} // namespace vorlenza
