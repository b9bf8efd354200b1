#include "ResultsFile.h"

#include "ModelState.h"
#include "NumberText.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <string>

namespace vorlenza {

namespace {

const char* const Header = "t, N1, dN1, N2, dN2, x of isocline A, y of isocline A, "
                           "x of isocline B, y of isocline B";
const char* const LineEnd = "\r\n";
const QString DerivedSuffix = QStringLiteral("-N1N2dN.txt");

/// One species' quoted parameter line, e.g. "N1(0) =10, r1 =0.2, alpha = 1, K1 = 200" in quotes:
/// no blank after the first two "=", one after the last two.
void appendParameterLine(std::string& out, char species, double start, double rate, const char* coefficientName,
                         double coefficient, double capacity)
{
    out += "\"N";
    out += species;
    out += "(0) =";
    out += formatNumber(start);
    out += ", r";
    out += species;
    out += " =";
    out += formatNumber(rate);
    out += ", ";
    out += coefficientName;
    out += " = ";
    out += formatNumber(coefficient);
    out += ", K";
    out += species;
    out += " = ";
    out += formatNumber(capacity);
    out += '"';
    out += LineEnd;
}

bool isFolderSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
#else
    return c == QLatin1Char('/');
#endif
}

} // namespace

QByteArray resultsFileContents(const ModelState& state)
{
    const int lastDay = std::clamp<int>(state.simTime, 0, ModelState::MaxDay);

    std::string head;
    appendParameterLine(head, '1', state.N1[0], state.r1, "alpha", state.alpha, state.K1);
    appendParameterLine(head, '2', state.N2[0], state.r2, "beta", state.beta, state.K2);
    head += '"';
    head += Header;
    head += '"';
    head += LineEnd;

    // A day line holds at most 5 digits of day, 8 numbers of at most MaxNumberText characters
    // with their commas, and CR LF.
    constexpr qsizetype MaxDayLine = 5 + 8 * (1 + MaxNumberText) + 2;
    QByteArray out;
    out.resize(static_cast<qsizetype>(head.size()) + (lastDay + 1) * MaxDayLine);
    char* const begin = out.data();
    char* p = std::copy(head.begin(), head.end(), begin);

    for (int day = 0; day <= lastDay; ++day) {
        const auto i = static_cast<std::size_t>(day);
        p = std::to_chars(p, p + 5, day).ptr;
        for (const double value : {state.N1[i], state.dN1[i], state.N2[i], state.dN2[i], state.isoclineAX[i],
                                   state.isoclineAY[i], state.isoclineBX[i], state.isoclineBY[i]}) {
            *p++ = ',';
            p = writeNumberText(p, value);
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    out.truncate(p - begin);
    return out;
}

QString derivedResultsName(const QString& chosen)
{
    qsizetype nameStart = chosen.size();
    while (nameStart > 0 && !isFolderSeparator(chosen.at(nameStart - 1)))
        --nameStart;

    // Drop four characters (not four UTF-16 units: a character outside the basic plane is two).
    qsizetype cut = chosen.size();
    for (int dropped = 0; dropped < 4; ++dropped) {
        if (cut <= nameStart)
            return {};
        --cut;
        if (cut > nameStart && chosen.at(cut).isLowSurrogate() && chosen.at(cut - 1).isHighSurrogate())
            --cut;
    }
    return chosen.left(cut) + DerivedSuffix;
}

QString resultsNameTooShort(const QString& chosen)
{
    return QCoreApplication::translate(
               "ResultsFile", "The file name “%1” is too short. The results file is named after it with its last "
                              "four characters replaced by “%2”, so please choose a name of at least four "
                              "characters, such as results.txt. Nothing was saved.")
        .arg(QFileInfo(chosen).fileName(), DerivedSuffix);
}

Outcome writeResultsFile(const QString& path, const ModelState& state)
{
    return writeWholeFile(path, resultsFileContents(state));
}

} // namespace vorlenza
