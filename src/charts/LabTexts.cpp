#include "LabTexts.h"

#include "NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace vorlenza {

namespace {

QString number(double value) { return QString::fromStdString(formatNumber(value)); }

/// A value rounded to 4 significant digits, for reading off a tooltip.
QString shortNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::abs(value))));
    return number(std::round(value * scale) / scale);
}

QString eigenvalueText(std::complex<double> l)
{
    if (l.imag() == 0.0)
        return shortNumber(l.real());
    return shortNumber(l.real()) + (l.imag() < 0.0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) +
           shortNumber(std::abs(l.imag())) + QStringLiteral("i");
}

QString typeName(EquilibriumType type)
{
    switch (type) {
    case EquilibriumType::StableNode: return QCoreApplication::translate("Lab", "stable node");
    case EquilibriumType::Saddle: return QCoreApplication::translate("Lab", "saddle");
    case EquilibriumType::UnstableNode: return QCoreApplication::translate("Lab", "unstable node");
    case EquilibriumType::StableFocus: return QCoreApplication::translate("Lab", "stable focus");
    case EquilibriumType::UnstableFocus: return QCoreApplication::translate("Lab", "unstable focus");
    case EquilibriumType::Degenerate: return QCoreApplication::translate("Lab", "not decided by the eigenvalues");
    }
    return {};
}

/// Where the eigenvalues do not decide: what runs near the point do.
QString howRunsMeet(const Equilibrium& e)
{
    if (e.onEquilibriumLine)
        return QCoreApplication::translate("Lab", "It ends a line of equilibria: runs nearby stop on the line.");
    if (!e.slow())
        return {};
    return e.attracts ? QCoreApplication::translate("Lab", "Runs settle here, slowly.")
                      : QCoreApplication::translate("Lab", "Runs leave it, slowly.");
}

} // namespace

QString equilibriumLine(const Equilibrium& e)
{
    const QString forEquations = e.onEquilibriumLine ? QCoreApplication::translate("Lab", "neutral")
                                 : e.attracts        ? QCoreApplication::translate("Lab", "stable")
                                                     : QCoreApplication::translate("Lab", "unstable");
    const QString forSteps = e.dailyStepStable               ? QCoreApplication::translate("Lab", "stable")
                             : e.dailyStepSlow && e.attracts ? QCoreApplication::translate("Lab", "converging slowly")
                                                             : QCoreApplication::translate("Lab", "unstable");
    //: an equilibrium: its place, its type, its stability for the equations and for one-day steps
    return QCoreApplication::translate("Lab", "(%1, %2): %3; for the equations %4, for one-day steps %5")
        .arg(number(e.n1), number(e.n2), typeName(e.type), forEquations, forSteps);
}

QString outcomeSentence(CompetitionOutcome outcome, IsoclinesTouch touch)
{
    const bool atA = touch == IsoclinesTouch::AtAAlone, atB = touch == IsoclinesTouch::AtBAlone;
    if (outcome == CompetitionOutcome::AWins && atB)
        return QCoreApplication::translate("Lab", "Species A wins from every start with some A, slowly near (0, K2): "
                                                  "its isocline lies above B's and touches it there.");
    if (outcome == CompetitionOutcome::AWins && atA)
        return QCoreApplication::translate("Lab", "Species A wins and settles slowly: its isocline lies above B's "
                                                  "and touches it at (K1, 0), where A lives alone.");
    if (outcome == CompetitionOutcome::BWins && atA)
        return QCoreApplication::translate("Lab", "Species B wins from every start with some B, slowly near (K1, 0): "
                                                  "its isocline lies above A's and touches it there.");
    if (outcome == CompetitionOutcome::BWins && atB)
        return QCoreApplication::translate("Lab", "Species B wins and settles slowly: its isocline lies above A's "
                                                  "and touches it at (0, K2), where B lives alone.");
    switch (outcome) {
    case CompetitionOutcome::Coexistence:
        return QCoreApplication::translate(
            "Lab", "Both species coexist: the isoclines cross at a stable equilibrium, because each species "
                   "limits itself more than it limits the other.");
    case CompetitionOutcome::AWins:
        return QCoreApplication::translate("Lab", "Species A wins: its isocline lies above B's everywhere.");
    case CompetitionOutcome::BWins:
        return QCoreApplication::translate("Lab", "Species B wins: its isocline lies above A's everywhere.");
    case CompetitionOutcome::EitherWins:
        return QCoreApplication::translate(
            "Lab", "Either species wins, depending on the start: the isoclines cross at a saddle, and the "
                   "separatrix divides the starts.");
    case CompetitionOutcome::Neutral:
        return QCoreApplication::translate(
            "Lab", "Neither species wins: the isoclines lie on one another, every point of them is an "
                   "equilibrium, and the run stops where it meets the line.");
    }
    return {};
}

QString regionName(CompetitionOutcome outcome)
{
    switch (outcome) {
    case CompetitionOutcome::Coexistence: return QCoreApplication::translate("Lab", "Coexistence");
    case CompetitionOutcome::AWins: return QCoreApplication::translate("Lab", "A wins");
    case CompetitionOutcome::BWins: return QCoreApplication::translate("Lab", "B wins");
    case CompetitionOutcome::EitherWins: return QCoreApplication::translate("Lab", "Either wins,\nby the start");
    case CompetitionOutcome::Neutral: return QCoreApplication::translate("Lab", "Nobody wins");
    }
    return {};
}

QString describeEquilibrium(const Equilibrium& e)
{
    QString text = QStringLiteral("(%1, %2)\n").arg(number(e.n1), number(e.n2));
    text += QCoreApplication::translate("Lab", "Eigenvalues per day: %1 and %2")
                .arg(eigenvalueText(e.eigenvalues[0]), eigenvalueText(e.eigenvalues[1]));
    text += QLatin1Char('\n') + typeName(e.type) + QLatin1Char('\n');
    if (const QString how = howRunsMeet(e); !how.isEmpty())
        text += how + QLatin1Char('\n');
    text += e.dailyStepStable ? QCoreApplication::translate("Lab", "The one-day step keeps it stable.")
            : e.dailyStepSlow && e.attracts
                ? QCoreApplication::translate("Lab", "The one-day step converges to it, slowly.")
                : QCoreApplication::translate("Lab", "The one-day step does not keep it stable.");
    return text;
}

} // namespace vorlenza
