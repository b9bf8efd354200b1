#include "SeriesLook.h"

#include <qcustomplot.h>

#include <algorithm>
#include <iterator>

namespace vorlenza {

namespace {

constexpr double kMarkerPxPerUnit = 0.06;
constexpr double kPenPxPerUnit = 0.2;
constexpr double kLineWidthPx = 1.5;

QCPScatterStyle::ScatterShape qcpShape(MarkerShape shape)
{
    switch (shape) {
    case MarkerShape::Square:
    case MarkerShape::FilledSquare: return QCPScatterStyle::ssSquare;
    case MarkerShape::Circle:
    case MarkerShape::FilledCircle: return QCPScatterStyle::ssCircle;
    case MarkerShape::Diamond:
    case MarkerShape::FilledDiamond: return QCPScatterStyle::ssDiamond;
    case MarkerShape::Triangle:
    case MarkerShape::FilledTriangle: return QCPScatterStyle::ssTriangle;
    }
    return QCPScatterStyle::ssSquare;
}

bool filled(MarkerShape shape)
{
    return shape == MarkerShape::FilledSquare || shape == MarkerShape::FilledCircle ||
           shape == MarkerShape::FilledDiamond || shape == MarkerShape::FilledTriangle;
}

} // namespace

SeriesLook defaultSeriesLook(int k)
{
    static const QColor lineColours[] = {QColor(0, 0, 0),     QColor(192, 0, 0),   QColor(0, 128, 0),
                                         QColor(255, 140, 0), QColor(128, 0, 128), QColor(0, 128, 128)};
    static const MarkerShape autoShapes[] = {MarkerShape::FilledDiamond, MarkerShape::FilledCircle,
                                             MarkerShape::FilledTriangle, MarkerShape::Square};
    SeriesLook look;
    look.line = lineColours[static_cast<std::size_t>(k) % std::size(lineColours)];
    look.autoShape = autoShapes[static_cast<std::size_t>(k) % std::size(autoShapes)];
    look.shape = look.autoShape;
    return look;
}

void setColourPart(QColor& colour, ColourPart part, int value)
{
    value = std::clamp(value, 0, 255);
    switch (part) {
    case ColourPart::Red: colour.setRed(value); break;
    case ColourPart::Green: colour.setGreen(value); break;
    case ColourPart::Blue: colour.setBlue(value); break;
    }
}

Qt::PenStyle penStyleOf(LineStyle style)
{
    switch (style) {
    case LineStyle::None: return Qt::NoPen;
    case LineStyle::Solid: return Qt::SolidLine;
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    }
    return Qt::SolidLine;
}

void applySeriesLook(QCPCurve& curve, const SeriesLook& look)
{
    curve.setLineStyle(look.lineShown ? QCPCurve::lsLine : QCPCurve::lsNone);
    curve.setPen(look.lineShown ? QPen(look.line, kLineWidthPx) : QPen(Qt::NoPen));
    if (look.pointMarkers.value_or(look.markersShown)) {
        const MarkerShape shape = look.markersAuto ? look.autoShape : look.shape;
        QPen pen(look.markerPen, std::max(1.0, look.markerPenWidth * kPenPxPerUnit), penStyleOf(look.markerPenStyle));
        pen.setJoinStyle(Qt::MiterJoin);
        const QBrush brush = filled(shape) ? QBrush(look.fill) : QBrush(Qt::NoBrush);
        curve.setScatterStyle(
            QCPScatterStyle(qcpShape(shape), pen, brush, std::max(1.0, look.markerSize * kMarkerPxPerUnit)));
    } else {
        curve.setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    }
    curve.setName(look.legendText);
    if (!look.legendText.isEmpty())
        curve.addToLegend();
}

} // namespace vorlenza
