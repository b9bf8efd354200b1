#include "LessonMarking.h"

#include "ContinuousSolution.h"
#include "NumberText.h"
#include "StepCheck.h"
#include "StrictNumber.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vorlenza {

namespace {

QString number(double value) { return QString::fromStdString(formatNumber(roundedForSentence(value))); }

QString relation(double value, double boundary)
{
    return value < boundary ? QStringLiteral("<") : value > boundary ? QStringLiteral(">") : QStringLiteral("=");
}

QString speciesName(Species s) { return s == Species::A ? QStringLiteral("A") : QStringLiteral("B"); }

/// Why the run ends as it does: alpha and beta against their boundaries, then what that makes of
/// the isoclines.
QString outcomeExplanation(const ModelParameters& p)
{
    QString consequence;
    switch (outcomeOf(p)) {
    case CompetitionOutcome::Coexistence:
        consequence = QCoreApplication::translate(
            "Lesson", "the isoclines cross at a stable point, so both species live on together.");
        break;
    case CompetitionOutcome::AWins:
        consequence = QCoreApplication::translate("Lesson", "A's isocline lies above B's, so A wins.");
        break;
    case CompetitionOutcome::BWins:
        consequence = QCoreApplication::translate("Lesson", "B's isocline lies above A's, so B wins.");
        break;
    case CompetitionOutcome::EitherWins:
        consequence = QCoreApplication::translate(
            "Lesson", "the isoclines cross at a saddle, so where the run starts decides who wins.");
        break;
    case CompetitionOutcome::Neutral:
        consequence = QCoreApplication::translate("Lesson", "the isoclines lie on one another, so nobody wins.");
        break;
    }
    return QCoreApplication::translate("Lesson", "alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7")
        .arg(number(p.alpha), relation(p.alpha, p.K1 / p.K2), number(p.K1 / p.K2), number(p.beta),
             relation(p.beta, p.K2 / p.K1), number(p.K2 / p.K1), consequence);
}

/// The one-day steps of the run up to `day`.
DailyPath daysOf(const std::array<double, 9>& run, int day)
{
    return dailyPath(parametersOfValues(run), run[1], run[5], std::max(day, 0));
}

TaskMarking markPrediction(const LessonTask& task, const std::array<double, 9>& run, const QString& answer)
{
    TaskMarking m;
    if (task.question == PredictQuestion::Outcome) {
        const ModelParameters p = parametersOfValues(run);
        const CompetitionOutcome outcome = outcomeOf(p);
        m.explanation = outcomeExplanation(p);
        if (outcome != CompetitionOutcome::Neutral)
            m.mark = answer == outcomeName(outcome) ? Mark::Right : Mark::Wrong;
        return m;
    }
    const DailyPath path = daysOf(run, task.day);
    const double a = path.n1.back(), b = path.n2.back();
    m.explanation = QCoreApplication::translate("Lesson", "On day %1 the run has N1 = %2 and N2 = %3.")
                        .arg(task.day)
                        .arg(number(a), number(b));
    if (a != b)
        m.mark = answer == (a > b ? QStringLiteral("A") : QStringLiteral("B")) ? Mark::Right : Mark::Wrong;
    return m;
}

TaskMarking markReach(const LessonTask& task, const std::array<double, 9>& run)
{
    TaskMarking m;
    const ModelParameters p = parametersOfValues(run);
    bool reached = false;
    switch (task.goal) {
    case ReachGoal::Outcome:
        reached = outcomeOf(p) == task.outcome;
        m.explanation = outcomeExplanation(p);
        break;
    case ReachGoal::Above: {
        const DailyPath path = daysOf(run, task.day);
        const std::vector<double>& n = task.species == Species::A ? path.n1 : path.n2;
        const double largest = *std::max_element(n.begin(), n.end());
        reached = largest > task.size;
        m.explanation = QCoreApplication::translate(
                            "Lesson", "Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.")
                            .arg(task.day)
                            .arg(speciesName(task.species), number(largest), number(task.size));
        break;
    }
    case ReachGoal::Steps: {
        // the run as the main window makes it, and the equations from the same start
        auto state = std::make_unique<ModelState>();
        Scenario s;
        s.values = run;
        if (!RunSimulation(*state, scenarioFieldTexts(s)).ok()) {
            m.mark = Mark::Wrong;
            m.explanation = QCoreApplication::translate(
                "Lesson", "The run with these values fails, so there are no one-day steps to compare.");
            return m;
        }
        const StepCheck check = checkOneDaySteps(*state, solveContinuous(*state));
        reached = check.coarse == task.misleading;
        m.explanation =
            check.coarse
                ? QCoreApplication::translate(
                      "Lesson",
                      "On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the "
                      "steps mislead.")
                      .arg(check.day)
                      .arg(number(check.dailyN1), number(check.dailyN2), number(check.continuousN1),
                           number(check.continuousN2))
                : QCoreApplication::translate("Lesson",
                                              "The one-day steps follow the equations closely (r1 = %1, r2 = %2).")
                      .arg(number(p.r1), number(p.r2));
        break;
    }
    }
    m.mark = reached ? Mark::Right : Mark::Wrong;
    return m;
}

double readValue(const LessonTask& task, const std::array<double, 9>& run)
{
    switch (task.quantity) {
    case ReadQuantity::N1: return daysOf(run, task.day).n1.back();
    case ReadQuantity::N2: return daysOf(run, task.day).n2.back();
    case ReadQuantity::ContinuousN1:
    case ReadQuantity::ContinuousN2: {
        const ContinuousSolution s = solveContinuous(parametersOfValues(run), run[1], run[5], task.day);
        if (s.solvedDays < task.day)
            return std::nan("");
        return task.quantity == ReadQuantity::ContinuousN1 ? s.N1[task.day] : s.N2[task.day];
    }
    case ReadQuantity::EquilibriumN1:
    case ReadQuantity::EquilibriumN2:
        for (const Equilibrium& e : equilibriaOf(parametersOfValues(run)))
            if (e.kind == EquilibriumKind::Coexistence)
                return task.quantity == ReadQuantity::EquilibriumN1 ? e.n1 : e.n2;
        return std::nan("");
    }
    return std::nan("");
}

TaskMarking markReading(const LessonTask& task, const std::array<double, 9>& run, const QString& answer,
                        const QLocale& locale)
{
    TaskMarking m;
    const double truth = readValue(task, run);
    if (!std::isfinite(truth)) {
        m.explanation = QCoreApplication::translate("Lesson", "This run has no such value to read.");
        return m;
    }
    const RegionalNumber given = readRegionalNumber(answer, locale);
    m.explanation = QCoreApplication::translate("Lesson", "The run gives %1; an answer within %2 of it is right.")
                        .arg(number(truth), number(task.tolerance));
    if (given.kind != RegionalNumber::Kind::Number) {
        m.mark = Mark::Wrong;
        m.explanation = QCoreApplication::translate("Lesson", "\"%1\" is not a number.").arg(answer.trimmed()) +
                        QLatin1Char(' ') + m.explanation;
        return m;
    }
    m.mark = std::abs(given.value - truth) <= task.tolerance ? Mark::Right : Mark::Wrong;
    return m;
}

} // namespace

TaskMarking markTask(const LessonTask& task, const std::array<double, 9>& run, const QString& answer,
                     const QLocale& locale)
{
    switch (task.kind) {
    case TaskKind::Predict: return markPrediction(task, run, answer);
    case TaskKind::Reach: return markReach(task, run);
    case TaskKind::Read: return markReading(task, run, answer, locale);
    case TaskKind::Explain: break;
    }
    return {};
}

QString answerShown(TaskKind kind, const QString& answer)
{
    if (kind != TaskKind::Predict)
        return answer;
    if (answer == QLatin1String("A"))
        return QCoreApplication::translate("Lesson", "Species A");
    if (answer == QLatin1String("B"))
        return QCoreApplication::translate("Lesson", "Species B");
    switch (outcomeNamed(answer).value_or(CompetitionOutcome::Neutral)) {
    case CompetitionOutcome::Coexistence: return QCoreApplication::translate("Lesson", "Both species coexist");
    case CompetitionOutcome::AWins: return QCoreApplication::translate("Lesson", "Species A wins");
    case CompetitionOutcome::BWins: return QCoreApplication::translate("Lesson", "Species B wins");
    case CompetitionOutcome::EitherWins: return QCoreApplication::translate("Lesson", "The start decides");
    case CompetitionOutcome::Neutral: break;
    }
    return answer;
}

QStringList predictionChoices(const LessonTask& task)
{
    if (task.question == PredictQuestion::Larger)
        return {QStringLiteral("A"), QStringLiteral("B")};
    QStringList names;
    for (CompetitionOutcome o : {CompetitionOutcome::Coexistence, CompetitionOutcome::AWins, CompetitionOutcome::BWins,
                                 CompetitionOutcome::EitherWins})
        names << outcomeName(o);
    return names;
}

} // namespace vorlenza
