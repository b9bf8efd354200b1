#include "ChartDefinition.h"
#include "ChartProcedures.h"
#include "ChartSetup.h"

#include <QtGlobal>

namespace vorlenza {

namespace {

using S = ChartSource;

SeriesDefinition timeSeries(int xColumn, ChartSource y, SeriesStyle style = SeriesStyle::Line, const char* legend = "")
{
    return {xColumn, style, QString::fromUtf8(legend), S::Day, y};
}

ChartDefinition timeCourse(const char* title, ChartSource first, ChartSource second, const char* yTitle, bool main)
{
    ChartDefinition d;
    d.columns = 4;
    d.title = QString::fromUtf8(title);
    d.series = {timeSeries(1, first), timeSeries(3, second)};
    d.yTitle = QString::fromUtf8(yTitle);
    d.xTitle = QStringLiteral(QT_TRANSLATE_NOOP("Chart", "Time"));
    d.disablesRun = main;
    return d;
}

ChartDefinition populations(bool main)
{
    return timeCourse(QT_TRANSLATE_NOOP("Chart", "N1 and N2 vs. time"), S::N1, S::N2,
                      QT_TRANSLATE_NOOP("Chart", "N1 and N2"), main);
}

ChartDefinition changes(bool main)
{
    ChartDefinition d = timeCourse(QT_TRANSLATE_NOOP("Chart", "dN1 and dN2 vs. time"), S::dN1, S::dN2,
                                   QT_TRANSLATE_NOOP("Chart", "dN1 and dN2"), main);
    if (main)
        d.series[0].style = SeriesStyle::BlueLine;
    return d;
}

ChartDefinition speciesA(bool main)
{
    return timeCourse(QT_TRANSLATE_NOOP("Chart", "N1 and dN1/dt vs. time"), S::N1, S::dN1,
                      QT_TRANSLATE_NOOP("Chart", "N1 and dN1"), main);
}

ChartDefinition speciesB(bool main)
{
    ChartDefinition d = timeCourse(QT_TRANSLATE_NOOP("Chart", "N2 and dN2 vs. time"), S::N2, S::dN2,
                                   QT_TRANSLATE_NOOP("Chart", "N2 and dN2"), main);
    if (main) {
        d.legend = true;
        d.series[0] = timeSeries(1, S::N2, SeriesStyle::MarkedLine, "N2");
        d.series[1] = timeSeries(3, S::dN2, SeriesStyle::Line, "dN2");
    }
    return d;
}

ChartDefinition allGraphs(bool main)
{
    ChartDefinition d;
    d.columns = 8;
    d.title = QStringLiteral(QT_TRANSLATE_NOOP("Chart", "N and dN/dt vs. time"));
    d.series = {timeSeries(1, S::N1), timeSeries(3, S::dN1), timeSeries(5, S::N2, SeriesStyle::Unstyled),
                timeSeries(7, S::dN2, SeriesStyle::Unstyled)};
    d.yTitle = QStringLiteral(QT_TRANSLATE_NOOP("Chart", "N1, dN1, N2 and dN2"));
    d.xTitle = QStringLiteral(QT_TRANSLATE_NOOP("Chart", "Time"));
    d.disablesRun = main;
    return d;
}

ChartDefinition phasePlane(int columns, const char* title, std::vector<SeriesDefinition> series)
{
    ChartDefinition d;
    d.columns = columns;
    d.title = QString::fromUtf8(title);
    d.series = std::move(series);
    d.yTitle = QStringLiteral("N2");
    d.xTitle = QStringLiteral("N1");
    return d;
}

const SeriesDefinition kTrajectoryMarkers{1, SeriesStyle::Marker, {}, S::N1, S::N2};

ChartDefinition points() { return phasePlane(2, QT_TRANSLATE_NOOP("Chart", "N2 vs. N1"), {kTrajectoryMarkers}); }

ChartDefinition line()
{
    return phasePlane(2, QT_TRANSLATE_NOOP("Chart", "N2 vs. N1"), {{1, SeriesStyle::Line, {}, S::N1, S::N2}});
}

ChartDefinition isoclines(const char* title)
{
    return phasePlane(6, title,
                      {{1, SeriesStyle::Line, {}, S::IsoclineAX, S::IsoclineAY},
                       {3, SeriesStyle::Line, {}, S::IsoclineBX, S::IsoclineBY},
                       {5, SeriesStyle::Marker, {}, S::N1, S::N2}});
}

struct Entry {
    ChartProcedure procedure;
    const char* name;
    ChartDefinition definition;
};

const std::vector<Entry>& table()
{
    static const std::vector<Entry> entries = {
        {ChartProcedure::MainShowN1vsN2, "ShowN1vsN2", points()},
        {ChartProcedure::MainShowN2vsN1inLine, "ShowN2vsN1inLine", line()},
        {ChartProcedure::MainShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines",
         isoclines(QT_TRANSLATE_NOOP("Chart", "N2 vs. N1 with isoclines"))},
        {ChartProcedure::MainShowN1andN2vsT, "ShowN1andN2vsT", populations(true)},
        {ChartProcedure::MainShowN1anddN1vsT, "ShowN1anddN1vsT", speciesA(true)},
        {ChartProcedure::MainShowN2anddN2vsT, "ShowN2anddN2vsT", speciesB(true)},
        {ChartProcedure::MainShowdNvsT, "ShowdNvsT", changes(true)},
        {ChartProcedure::MainShowAllGraphs, "ShowAllGraphs", allGraphs(true)},
        {ChartProcedure::MainShowLargeN2vsN1withIsoclines, "ShowLargeN2vsN1withIsoclines",
         isoclines(QT_TRANSLATE_NOOP("Chart", "N2 vs. N1"))},
        {ChartProcedure::LargeShowN2vsN1, "ShowN2vsN1", points()},
        {ChartProcedure::LargeShowN2vsN1inLine, "ShowN2vsN1inLine", line()},
        {ChartProcedure::LargeShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines",
         isoclines(QT_TRANSLATE_NOOP("Chart", "N2 vs. N1 with isoclines"))},
        {ChartProcedure::LargeShowN1andN2vsT, "ShowN1andN2vsT", populations(false)},
        {ChartProcedure::LargeShowN1anddN1vsT, "ShowN1anddN1vsT", speciesA(false)},
        {ChartProcedure::LargeShowN2anddN2vsT, "ShowN2anddN2vsT", speciesB(false)},
        {ChartProcedure::LargeShowdNvsT, "ShowdNvsT", changes(false)},
        {ChartProcedure::LargeShowAllGraphs, "ShowAllGraphs", allGraphs(false)},
    };
    return entries;
}

const Entry& entryOf(ChartProcedure procedure)
{
    for (const Entry& e : table()) {
        if (e.procedure == procedure)
            return e;
    }
    return table().front(); // unreachable: every enumerator has an entry (checked by the tests)
}

} // namespace

const ChartDefinition& definitionOf(ChartProcedure procedure) { return entryOf(procedure).definition; }

QString procedureName(ChartProcedure procedure) { return QString::fromUtf8(entryOf(procedure).name); }

const std::vector<ChartProcedure>& allChartProcedures()
{
    static const std::vector<ChartProcedure> all = [] {
        std::vector<ChartProcedure> v;
        for (const Entry& e : table())
            v.push_back(e.procedure);
        return v;
    }();
    return all;
}

const ChartClickCycle& mainChartClickCycle()
{
    using P = ChartProcedure;
    static const ChartClickCycle cycle{
        P::MainShowN1andN2vsT, P::MainShowN1anddN1vsT,  P::MainShowN2anddN2vsT,         P::MainShowdNvsT,
        P::MainShowN1vsN2,     P::MainShowN2vsN1inLine, P::MainShowN2vsN1withIsoclines, P::MainShowAllGraphs};
    return cycle;
}

const ChartClickCycle& largeChartClickCycle()
{
    using P = ChartProcedure;
    static const ChartClickCycle cycle{
        P::LargeShowN1andN2vsT, P::LargeShowN1anddN1vsT,  P::LargeShowN2anddN2vsT,         P::LargeShowdNvsT,
        P::LargeShowN2vsN1,     P::LargeShowN2vsN1inLine, P::LargeShowN2vsN1withIsoclines, P::LargeShowAllGraphs};
    return cycle;
}

ChartProcedure nextInClickCycle(const ChartClickCycle& cycle, std::int16_t& counter)
{
    counter = static_cast<std::int16_t>(counter + 1);
    const auto last = static_cast<std::int16_t>(cycle.size() - 1);
    if (counter > last)
        counter = 0;
    return counter >= 0 ? cycle[static_cast<std::size_t>(counter)] : cycle.back();
}

bool drawChart(ChartComponent& chart, ChartProcedure procedure, const ModelState& state)
{
    const ChartDefinition& definition = definitionOf(procedure);
    applyChartDefinition(chart, definition, state);
    return definition.disablesRun;
}

} // namespace vorlenza
