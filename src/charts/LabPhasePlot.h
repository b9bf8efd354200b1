#pragma once

#include "PhaseRuns.h"

#include <qcustomplot.h>

#include <QPointF>
#include <QString>

#include <vector>

namespace vorlenza {

class ContinuousCurve;
class PhaseRunsJob;
class SeriesCurve;

/// At most this many trajectories are on the lab's phase plane at once.
constexpr int kMaxTrajectories = 12;

/// The colour of trajectory `index` (0-based), each its own.
QColor trajectoryColour(int index);

/// The lab's phase plane: both isoclines, the direction arrows, the equilibria marked by what the
/// equations do there (filled: runs settle there, half-filled: saddle, open: runs leave it), the
/// separatrix when the start decides, the line of equilibria where the isoclines lie on one
/// another, up to twelve trajectories solved continuously from their starts with the daily steps as
/// markers when chosen, a legend that names them, and a title when the run comes from a scenario.
/// A click, or Enter at the keyboard cursor (moved by the arrow keys), asks for a trajectory from
/// that point.
///
/// The lines and points that have closed forms are drawn at once; the separatrix and the
/// trajectories are solved on another thread and drawn when ready (a newer change drops what is
/// still being solved for an older one), so that any constants leave the window answering. Its
/// curves are the charts' own: the paths are drawn as the continuous solution is, the daily steps
/// as a series.
class LabPhasePlot : public QCustomPlot {
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
    /// The starts of the trajectories, in the order they were added.
    const std::vector<QPointF>& starts() const { return m_starts; }
    /// The continuous path of trajectory `index` as drawn.
    const QCPCurve* trajectoryCurve(int index) const;

    /// Whether each trajectory's daily steps (one step of the run a day) are marked.
    void setDailySteps(bool shown);
    bool dailySteps() const { return m_dailySteps; }
    /// Whether the direction arrows are drawn (on at start).
    void setArrows(bool shown);
    bool arrows() const { return m_arrows; }

    /// A title over the plot (none when empty); resting the pointer on it shows `note`.
    void setTitle(const QString& title, const QString& note);
    QString title() const;

    /// Whether the separatrix and the trajectories for the latest change are still being solved.
    bool busy() const;
    /// Whether a trajectory is drawn only as far as the solver got (the constants make the
    /// equations too stiff to solve in a moment).
    bool truncated() const { return m_truncated; }

    const std::vector<Equilibrium>& equilibria() const { return m_equilibria; }
    const PhaseCurve& separatrix() const { return m_separatrix; }
    /// The largest N1 and N2 the plot shows.
    double boxN1() const { return m_boxN1; }
    double boxN2() const { return m_boxN2; }

    /// The keyboard cursor, in (N1, N2), and in words with the equilibrium nearest to it.
    QPointF cursor() const { return m_cursor; }
    QString cursorText() const;

signals:
    /// The user asked for a trajectory from (n1, n2).
    void startRequested(double n1, double n2);
    /// The keyboard cursor moved.
    void cursorMoved();
    /// The separatrix and the trajectories of the latest change are drawn.
    void pathsDrawn();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void makeLegend();
    /// Starts solving the separatrix and the trajectories for what the plot holds now.
    void solveAgain();
    void draw(const PhaseRuns& runs);
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
    bool m_arrows = true;
    bool m_truncated = false;
    QPointF m_cursor;
    QPoint m_pressedAt;

    PhaseRunsJob* m_job = nullptr;

    QCPCurve* m_isoclineA = nullptr;
    QCPCurve* m_isoclineB = nullptr;
    QCPCurve* m_equilibriumLine = nullptr;
    ContinuousCurve* m_separatrixCurve = nullptr;
    QCPCurve* m_trajectoryKey = nullptr; ///< in the legend only
    QCPCurve* m_stepsKey = nullptr;      ///< in the legend only
    std::vector<QCPGraph*> m_equilibriumMarks;
    std::vector<ContinuousCurve*> m_paths;
    std::vector<SeriesCurve*> m_steps;
    QCPItemTracer* m_cursorMark = nullptr;
    QCPTextElement* m_title = nullptr; ///< in a row of its own over the axes while there is a title
    QString m_note;
};

} // namespace vorlenza
