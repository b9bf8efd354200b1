#include "PointReadout.h"

#include "ContinuousSolution.h"
#include "ModelState.h"
#include "NumberText.h"

#include <qcustomplot.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace vorlenza {

namespace {

bool isIsocline(ChartSource s)
{
    return s == ChartSource::IsoclineAX || s == ChartSource::IsoclineAY || s == ChartSource::IsoclineBX ||
           s == ChartSource::IsoclineBY;
}

/// The value a source holds for `day`, and its name; a day axis has no name.
const ModelState::Series* seriesOf(const ModelState& state, ChartSource s, const char** name)
{
    switch (s) {
    case ChartSource::N1: *name = "N1"; return &state.N1;
    case ChartSource::N2: *name = "N2"; return &state.N2;
    case ChartSource::dN1: *name = "dN1"; return &state.dN1;
    case ChartSource::dN2: *name = "dN2"; return &state.dN2;
    default: break;
    }
    *name = nullptr;
    return nullptr;
}

} // namespace

NearestPoint findNearestPoint(const std::vector<std::vector<QPointF>>& series, QPointF pointer)
{
    NearestPoint best;
    double bestSquare = std::numeric_limits<double>::infinity();
    for (std::size_t s = 0; s < series.size(); ++s) {
        const std::vector<QPointF>& points = series[s];
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double dx = points[i].x() - pointer.x();
            const double dy = points[i].y() - pointer.y();
            const double square = dx * dx + dy * dy;
            if (square < bestSquare) { // NaN never compares less
                bestSquare = square;
                best.series = static_cast<int>(s);
                best.index = static_cast<int>(i);
            }
        }
    }
    if (best.found())
        best.distance = std::sqrt(bestSquare);
    return best;
}

std::vector<int> runSeriesOf(const ChartDefinition& definition)
{
    std::vector<int> run;
    for (std::size_t k = 0; k < definition.series.size(); ++k) {
        const SeriesDefinition& s = definition.series[k];
        if (!isIsocline(s.x) && !isIsocline(s.y))
            run.push_back(static_cast<int>(k));
    }
    return run;
}

CurvePixels pixelsOfCurve(QCustomPlot& plot, int index)
{
    CurvePixels out;
    auto* curve = qobject_cast<QCPCurve*>(plot.plottable(index));
    if (curve == nullptr)
        return out;
    const QCPAxis* key = curve->keyAxis();
    const QCPAxis* value = curve->valueAxis();
    const auto data = curve->data();
    out.pixels.reserve(static_cast<std::size_t>(data->size()));
    out.days.reserve(static_cast<std::size_t>(data->size()));
    for (auto it = data->constBegin(); it != data->constEnd(); ++it) {
        out.pixels.emplace_back(key->coordToPixel(it->key), value->coordToPixel(it->value));
        out.days.push_back(static_cast<int>(std::lround(it->t)));
    }
    return out;
}

int nearestDayAt(QCustomPlot& plot, const ChartDefinition& definition, QPointF pointer)
{
    const std::vector<int> run = runSeriesOf(definition);
    const bool timeChart = !run.empty() && std::all_of(run.begin(), run.end(), [&](int k) {
        return definition.series[static_cast<std::size_t>(k)].x == ChartSource::Day;
    });
    if (timeChart) {
        // The day under the pointer: the nearest day on the time axis, whatever curve is nearest.
        auto* curve = qobject_cast<QCPCurve*>(plot.plottable(run.front()));
        if (curve == nullptr || curve->data()->isEmpty())
            return -1;
        const double first = curve->data()->constBegin()->key;
        const double last = (curve->data()->constEnd() - 1)->key;
        const double day = curve->keyAxis()->pixelToCoord(pointer.x());
        if (!std::isfinite(day))
            return -1;
        return static_cast<int>(std::lround(std::clamp(day, first, last)));
    }
    std::vector<std::vector<QPointF>> pixels;
    std::vector<std::vector<int>> days;
    for (int k : run) {
        CurvePixels c = pixelsOfCurve(plot, k);
        pixels.push_back(std::move(c.pixels));
        days.push_back(std::move(c.days));
    }
    const NearestPoint nearest = findNearestPoint(pixels, pointer);
    if (!nearest.found())
        return -1;
    return days[static_cast<std::size_t>(nearest.series)][static_cast<std::size_t>(nearest.index)];
}

namespace {

/// "name = value" of every run series the chart shows (each name once), with `valueOf(source,
/// daily value)` giving the value to show; a source it answers with nothing is left out.
template <class ValueOf>
QStringList namedValues(const ChartDefinition& definition, const ModelState& state, int day, ValueOf valueOf)
{
    QStringList values;
    for (int k : runSeriesOf(definition)) {
        const SeriesDefinition& s = definition.series[static_cast<std::size_t>(k)];
        for (ChartSource source : {s.x, s.y}) {
            const char* name = nullptr;
            const ModelState::Series* series = seriesOf(state, source, &name);
            if (series == nullptr)
                continue;
            const std::optional<double> value = valueOf(source, (*series)[static_cast<std::size_t>(day)]);
            if (!value)
                continue;
            const QString item =
                QStringLiteral("%1 = %2").arg(QLatin1String(name), QString::fromStdString(formatNumber(*value)));
            if (!values.contains(item))
                values << item;
        }
    }
    return values;
}

} // namespace

QString pointReadout(const ChartDefinition& definition, const ModelState& state, int day)
{
    if (day < 0 || day > ModelState::MaxDay)
        return {};
    const QStringList values =
        namedValues(definition, state, day, [](ChartSource, double daily) { return std::optional<double>(daily); });
    return QCoreApplication::translate("PointReadout", "Day %1: %2")
        .arg(QString::fromStdString(formatInteger(day)), values.join(QStringLiteral(", ")));
}

QString continuousReadout(const ChartDefinition& definition, const ModelState& state,
                          const ContinuousSolution& solution, int day)
{
    const double K = std::max(std::abs(state.K1), std::abs(state.K2));
    if (day < 0 || day > ModelState::MaxDay || day + 1 > solution.solvedDays)
        return {};
    const auto d = static_cast<std::size_t>(day);
    const QStringList values =
        namedValues(definition, state, day, [&](ChartSource source, double daily) -> std::optional<double> {
            const bool first = source == ChartSource::N1 || source == ChartSource::dN1;
            const std::vector<double>& n = first ? solution.N1 : solution.N2;
            const bool change = source == ChartSource::dN1 || source == ChartSource::dN2;
            const double value = change ? n[d + 1] - n[d] : n[d];
            if (!(std::abs(value - daily) > 1e-3 * K))
                return std::nullopt;
            return value;
        });
    if (values.isEmpty())
        return {};
    return QCoreApplication::translate("PointReadout", "Continuous solution: %1")
        .arg(values.join(QStringLiteral(", ")));
}

} // namespace vorlenza
