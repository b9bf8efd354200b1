#pragma once

#include "PhasePlane.h"

#include <qcustomplot.h>

#include <QPointF>

#include <array>

namespace vorlenza {

/// The lab's map of outcomes: the alpha–beta plane from 0 to outcomeMapReach(K1, K2), its four
/// regions shaded and labelled, the boundary lines drawn in the colour of the outcome they have
/// (alpha = K1/K2 above beta = K2/K1 is A's, below it B's, and the mirror; where they meet nobody
/// wins), and the current (alpha, beta) as a handle that the mouse drags and the arrow keys move (a
/// hundredth of the map a press, a tenth with Page Up/Down). A region's name moves out of the
/// handle's way.
class OutcomeMapPlot : public QCustomPlot {
    Q_OBJECT
public:
    explicit OutcomeMapPlot(QWidget* parent = nullptr);

    /// Redraws the regions for K1, K2 and the handle at (alpha, beta).
    void setModel(double K1, double K2, double alpha, double beta);
    QPointF handle() const { return {m_alpha, m_beta}; }
    double reach() const { return m_reach; }
    /// The outcome of the region shaded under (alpha, beta).
    CompetitionOutcome regionAt(double alpha, double beta) const { return outcomeOf(m_K1, m_K2, alpha, beta); }

signals:
    /// The user moved the handle to (alpha, beta).
    void handleMoved(double alpha, double beta);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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
    /// alpha = K1/K2 below and above the meeting point, beta = K2/K1 left and right of it
    std::array<QCPItemLine*, 4> m_boundaries{};
    QCPGraph* m_neutral = nullptr;
    QCPGraph* m_handle = nullptr;
};

} // namespace vorlenza
