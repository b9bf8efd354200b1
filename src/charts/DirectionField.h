#pragma once

#include "Simulation.h"

#include <qcustomplot.h>

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace vorlenza {

/// The plotted range of a phase plane and the pixel rectangle it fills (linear axes, N1 to the
/// right, N2 upwards).
struct PlotFrame {
    double n1Lo = 0.0;
    double n1Hi = 1.0;
    double n2Lo = 0.0;
    double n2Hi = 1.0;
    QRectF pixels; ///< the axis rectangle on the chart, in pixels
};

/// The frame of `plot`'s bottom and left axes, mapped the way the axes map their coordinates.
/// A frame with no pixels when the plot has no such axes.
PlotFrame frameOf(const QCustomPlot& plot);

/// One arrow of the direction field, in pixels.
struct FieldArrow {
    QPointF at;       ///< the grid point (N1, N2) the arrow describes, as a pixel position
    QPointF tail;     ///< the arrow is centred on `at`
    QPointF head;     ///< points the way one day's step moves both populations from `at`
    QPointF barbs[2]; ///< the back corners of the filled head, whose tip is `head`
};

/// Grid points per side of the direction field.
constexpr int kFieldPointsPerSide = 15;
/// The shortest head an arrow gets, in pixels, so that its direction can be read.
constexpr double kMinimumHeadLength = 4.0;

/// The direction field over `frame`: a grid of `perSide` x `perSide` points at the centres of
/// equal cells, each with the change that one day's model step (stepOneDay) makes from that point,
/// drawn in pixels. Every arrow shows its direction: it is at least half the smaller side of a
/// cell long and has a head of at least kMinimumHeadLength pixels. Its length tells the speed on a
/// compressed scale: the fastest arrow is 90 % of the smaller side of a cell, and each tenfold
/// slower change is a fixed step shorter, down to that minimum at a thousandth of the fastest.
/// Points where the step leaves the double range or changes nothing get no arrow. An empty frame
/// gives no arrows.
std::vector<FieldArrow> directionArrows(const ModelParameters& parameters, const PlotFrame& frame,
                                        int perSide = kFieldPointsPerSide);

/// The direction field drawn on a QCustomPlot, under its series (on the grid layer, after the grid
/// lines), clipped to the axis rectangle. It reads the axes' range at every replot, so it follows
/// every new chart and range. The plot owns it; deleting it takes it off the plot entirely.
class DirectionField : public QCPLayerable {
    Q_OBJECT
public:
    DirectionField(QCustomPlot* plot, const ModelParameters& parameters);

    void setParameters(const ModelParameters& parameters) { m_parameters = parameters; }
    const ModelParameters& parameters() const { return m_parameters; }
    /// The arrows as drawn at the last replot.
    const std::vector<FieldArrow>& drawnArrows() const { return m_drawn; }

    /// The colour of the arrows: a light blue grey that stays behind the series.
    static QColor colour() { return QColor(150, 175, 215); }
    /// How to read the arrows, for the chart's tooltip.
    static QString legend();

protected:
    QRect clipRect() const override;
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    ModelParameters m_parameters;
    std::vector<FieldArrow> m_drawn;
};

/// The direction field on `plot`, or nullptr when none is shown.
DirectionField* findDirectionField(const QCustomPlot& plot);

/// Puts the direction field for `parameters` on `plot` (or updates the one there), or takes it off
/// when `shown` is false. Queues a replot when something changed.
void ShowDirectionField(QCustomPlot& plot, bool shown, const ModelParameters& parameters);

} // namespace vorlenza
