#pragma once

// What each of the chart procedures must draw, written out independently of the
// definitions in the code; shared by the recording and the real-widget chart tests.

#include "ChartProcedures.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

using namespace vorlenza;

/// `series`: "xColumn style xSource ySource [legend text]" joined by "|"; styles: L line,
/// B line whose colour gets blue 255, ML line with markers shown, M markers, U not styled.
struct Expected {
    ChartProcedure procedure;
    const char* name;
    int columns;
    const char* title;
    bool legend;
    const char* series;
    const char* yTitle;
    const char* xTitle;
    bool disablesRun;
};

inline const std::vector<Expected>& expectations()
{
    using P = ChartProcedure;
    // series
    const char *pts = "1 M N1 N2", *line = "1 L N1 N2", *iso = "1 L AX AY|3 L BX BY|5 M N1 N2";
    const char *all = "1 L t N1|3 L t dN1|5 U t N2|7 U t dN2", *nn = "1 L t N1|3 L t N2";
    const char *n1 = "1 L t N1|3 L t dN1", *n2 = "1 L t N2|3 L t dN2", *dn = "1 L t dN1|3 L t dN2";
    // titles
    const char *pp = "N2 vs. N1", *ppIso = "N2 vs. N1 with isoclines", *allT = "N and dN/dt vs. time";
    const char *nnT = "N1 and N2 vs. time", *n1T = "N1 and dN1/dt vs. time", *n2T = "N2 and dN2 vs. time";
    const char *dnT = "dN1 and dN2 vs. time", *allY = "N1, dN1, N2 and dN2", *t = "Time";
    static const std::vector<Expected> table = {
        {P::MainShowN1vsN2, "ShowN1vsN2", 2, pp, false, pts, "N2", "N1", false},
        {P::MainShowN2vsN1inLine, "ShowN2vsN1inLine", 2, pp, false, line, "N2", "N1", false},
        {P::MainShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines", 6, ppIso, false, iso, "N2", "N1", false},
        {P::MainShowN1andN2vsT, "ShowN1andN2vsT", 4, nnT, false, nn, "N1 and N2", t, true},
        {P::MainShowN1anddN1vsT, "ShowN1anddN1vsT", 4, n1T, false, n1, "N1 and dN1", t, true},
        {P::MainShowN2anddN2vsT, "ShowN2anddN2vsT", 4, n2T, true, "1 ML t N2 N2|3 L t dN2 dN2", "N2 and dN2", t, true},
        {P::MainShowdNvsT, "ShowdNvsT", 4, dnT, false, "1 B t dN1|3 L t dN2", "dN1 and dN2", t, true},
        {P::MainShowAllGraphs, "ShowAllGraphs", 8, allT, false, all, allY, t, true},
        {P::MainShowLargeN2vsN1withIsoclines, "ShowLargeN2vsN1withIsoclines", 6, pp, false, iso, "N2", "N1", false},
        {P::LargeShowN2vsN1, "ShowN2vsN1", 2, pp, false, pts, "N2", "N1", false},
        {P::LargeShowN2vsN1inLine, "ShowN2vsN1inLine", 2, pp, false, line, "N2", "N1", false},
        {P::LargeShowN2vsN1withIsoclines, "ShowN2vsN1withIsoclines", 6, ppIso, false, iso, "N2", "N1", false},
        {P::LargeShowN1andN2vsT, "ShowN1andN2vsT", 4, nnT, false, nn, "N1 and N2", t, false},
        {P::LargeShowN1anddN1vsT, "ShowN1anddN1vsT", 4, n1T, false, n1, "N1 and dN1", t, false},
        {P::LargeShowN2anddN2vsT, "ShowN2anddN2vsT", 4, n2T, false, n2, "N2 and dN2", t, false},
        {P::LargeShowdNvsT, "ShowdNvsT", 4, dnT, false, dn, "dN1 and dN2", t, false},
        {P::LargeShowAllGraphs, "ShowAllGraphs", 8, allT, false, all, allY, t, false},
    };
    return table;
}

inline const Expected& expectationFor(ChartProcedure p)
{
    for (const Expected& e : expectations())
        if (e.procedure == p)
            return e;
    qFatal("no expectation");
}

struct SeriesExpectation {
    int xColumn;
    QString style;
    QString x;
    QString y;
    QString legend;
};

inline std::vector<SeriesExpectation> seriesOf(const Expected& e)
{
    std::vector<SeriesExpectation> out;
    for (const QString& part : QString::fromUtf8(e.series).split(QLatin1Char('|'))) {
        const QStringList w = part.split(QLatin1Char(' '));
        out.push_back({w[0].toInt(), w[1], w[2], w[3], w.value(4)});
    }
    return out;
}

/// A row name for a procedure: its window and its name.
inline QByteArray rowName(const Expected& e)
{
    const bool main = int(e.procedure) <= int(ChartProcedure::MainShowLargeN2vsN1withIsoclines);
    return QByteArray(main ? "main " : "large ") + e.name;
}
