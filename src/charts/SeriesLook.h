#pragma once

#include "ChartComponent.h"

#include <QColor>
#include <QString>

#include <optional>

class QCPCurve;

namespace vorlenza {

/// How one series is drawn, as the chart operations leave it.
///
/// Units: a marker size unit is 0.06 px (size 100 draws 6 px markers); a marker pen width unit is
/// 0.2 px with at least 1 px (width 5 draws a 1 px outline). Lines are 1.5 px wide.
struct SeriesLook {
    bool markersShown = false;
    bool markersAuto = true;
    bool lineShown = true;
    std::optional<bool> pointMarkers; ///< unset: follow markersShown
    int markerSize = 100;
    MarkerShape shape = MarkerShape::FilledSquare;
    MarkerShape autoShape = MarkerShape::FilledSquare;
    LineStyle markerPenStyle = LineStyle::Solid;
    int markerPenWidth = 5;
    QColor markerPen{0, 0, 0};
    QColor fill{0, 0, 0};
    QColor line{0, 0, 0};
    QString legendText;
};

/// The look series k (0-based) has until it is styled: a line without markers, in black, dark
/// red, dark green (0,128,0), orange (255,140,0), then purple and teal; marker fills and outlines
/// black; the automatic marker shape filled diamond, filled circle, filled triangle, square.
SeriesLook defaultSeriesLook(int k);

/// Sets one part of `colour` to `value`, kept within 0..255.
void setColourPart(QColor& colour, ColourPart part, int value);

/// The pen style that draws `style`.
Qt::PenStyle penStyleOf(LineStyle style);

/// Gives `curve` the line, the markers and the legend name of `look`; a curve with a name joins
/// the legend.
void applySeriesLook(QCPCurve& curve, const SeriesLook& look);

} // namespace vorlenza
