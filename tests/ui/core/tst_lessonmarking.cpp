// Marking a task against a run: each prediction right only for the outcome of the run, a reach task
// by the outcome rule over random constants, a reading within its tolerance in the regional format.

#include "LessonMarking.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace vorlenza;

namespace {

/// A run in the order of ScenarioValues: r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T.
std::array<double, 9> runOf(double K1, double K2, double alpha, double beta, double r = 0.2)
{
    return {r, 10, K1, alpha, r, 10, K2, beta, 100};
}

LessonTask predictTask()
{
    LessonTask t;
    t.kind = TaskKind::Predict;
    return t;
}

} // namespace

class TestLessonMarking : public QObject {
    Q_OBJECT
private slots:
    void predictionRightOnlyForTheRunsOutcome_data()
    {
        QTest::addColumn<double>("K1");
        QTest::addColumn<double>("K2");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("beta");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("because");
        QTest::newRow("coexistence") << 200.0 << 100.0 << 0.5 << 0.4 << "coexistence"
                                     << "alpha = 0.5 < K1/K2 = 2";
        QTest::newRow("A wins") << 200.0 << 100.0 << 1.0 << 0.6 << "A wins"
                                << "beta = 0.6 > K2/K1 = 0.5";
        QTest::newRow("B wins") << 100.0 << 100.0 << 1.2 << 0.5 << "B wins"
                                << "alpha = 1.2 > K1/K2 = 1";
        QTest::newRow("start decides") << 200.0 << 200.0 << 1.5 << 1.5 << "start decides"
                                       << "beta = 1.5 > K2/K1 = 1";
        // on a boundary the outcome rule decides: the isoclines touch at (0, K2), A's above
        QTest::newRow("A wins, alpha on its boundary") << 100.0 << 100.0 << 1.0 << 1.5 << "A wins"
                                                       << "alpha = 1 = K1/K2";
    }
    void predictionRightOnlyForTheRunsOutcome()
    {
        QFETCH(double, K1);
        QFETCH(double, K2);
        QFETCH(double, alpha);
        QFETCH(double, beta);
        QFETCH(QString, right);
        QFETCH(QString, because);
        const LessonTask task = predictTask();
        QCOMPARE(predictionChoices(task).size(), 4);
        for (const QString& answer : predictionChoices(task)) {
            const TaskMarking m = markTask(task, runOf(K1, K2, alpha, beta), answer);
            QCOMPARE(m.mark, answer == right ? Mark::Right : Mark::Wrong);
            QVERIFY2(m.explanation.contains(because), qPrintable(m.explanation));
        }
    }

    void predictionWhereNobodyWinsIsNotMarked()
    {
        for (const QString& answer : predictionChoices(predictTask()))
            QCOMPARE(markTask(predictTask(), runOf(200, 100, 2, 0.5), answer).mark, Mark::None);
    }

    void largerOnADay()
    {
        LessonTask task = predictTask();
        task.question = PredictQuestion::Larger;
        // B grows faster at first and A wins in the end
        task.day = 5;
        std::array<double, 9> run = runOf(200, 100, 1.0, 0.6);
        run[4] = 1.0;
        QCOMPARE(markTask(task, run, QStringLiteral("B")).mark, Mark::Right);
        QCOMPARE(markTask(task, run, QStringLiteral("A")).mark, Mark::Wrong);
        task.day = 100;
        QCOMPARE(markTask(task, run, QStringLiteral("A")).mark, Mark::Right);
        QCOMPARE(markTask(task, run, QStringLiteral("B")).mark, Mark::Wrong);
    }

    void reachByTheOutcomeRule()
    {
        QRandomGenerator random(33);
        const CompetitionOutcome outcomes[] = {CompetitionOutcome::Coexistence, CompetitionOutcome::AWins,
                                               CompetitionOutcome::BWins, CompetitionOutcome::EitherWins};
        LessonTask task;
        task.kind = TaskKind::Reach;
        task.goal = ReachGoal::Outcome;
        for (int i = 0; i < 200; ++i) {
            const double K1 = 10 + random.bounded(990.0), K2 = 10 + random.bounded(990.0);
            const double alpha = random.bounded(4.0), beta = random.bounded(4.0);
            // the textbook rule: A holds out against B when alpha < K1/K2, B against A when beta < K2/K1
            const bool aHolds = alpha < K1 / K2, bHolds = beta < K2 / K1;
            const CompetitionOutcome expected = aHolds && bHolds ? CompetitionOutcome::Coexistence
                                                : aHolds         ? CompetitionOutcome::AWins
                                                : bHolds         ? CompetitionOutcome::BWins
                                                                 : CompetitionOutcome::EitherWins;
            for (CompetitionOutcome goal : outcomes) {
                task.outcome = goal;
                QCOMPARE(markTask(task, runOf(K1, K2, alpha, beta), QString()).mark,
                         goal == expected ? Mark::Right : Mark::Wrong);
            }
        }
    }

    void reachAboveAndSteps_data()
    {
        QTest::addColumn<int>("goal");
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("reached");
        QTest::newRow("A above 150 by day 30, fast") << int(ReachGoal::Above) << 0.5 << true;
        QTest::newRow("A above 150 by day 30, slow") << int(ReachGoal::Above) << 0.05 << false;
        QTest::newRow("steps mislead at r = 2.5") << int(ReachGoal::Steps) << 2.5 << true;
        QTest::newRow("steps mislead at r = 0.2") << int(ReachGoal::Steps) << 0.2 << false;
    }
    void reachAboveAndSteps()
    {
        QFETCH(int, goal);
        QFETCH(double, r);
        QFETCH(bool, reached);
        LessonTask task;
        task.kind = TaskKind::Reach;
        task.goal = ReachGoal(goal);
        task.species = Species::A;
        task.size = 150;
        task.day = 30;
        task.misleading = true;
        QCOMPARE(markTask(task, runOf(200, 100, 0.5, 0.4, r), QString()).mark, reached ? Mark::Right : Mark::Wrong);
    }

    void readWithinTolerance_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("mark");
        // the crossing of the isoclines is at N1 = 187.5; the tolerance is 1
        QTest::newRow("German comma") << "de_DE"
                                      << "187,5" << int(Mark::Right);
        QTest::newRow("German, inside") << "de_DE"
                                        << " 188,4 " << int(Mark::Right);
        QTest::newRow("German, outside") << "de_DE"
                                         << "188,6" << int(Mark::Wrong);
        QTest::newRow("German, below") << "de_DE"
                                       << "186,4" << int(Mark::Wrong);
        QTest::newRow("German, point groups") << "de_DE"
                                              << "187.5" << int(Mark::Wrong);
        QTest::newRow("English point") << "en_US"
                                       << "187.5" << int(Mark::Right);
        QTest::newRow("no number") << "de_DE"
                                   << "etwa 187" << int(Mark::Wrong);
    }
    void readWithinTolerance()
    {
        QFETCH(QString, locale);
        QFETCH(QString, answer);
        QFETCH(int, mark);
        LessonTask task;
        task.kind = TaskKind::Read;
        task.quantity = ReadQuantity::EquilibriumN1;
        task.tolerance = 1;
        QCOMPARE(markTask(task, runOf(200, 100, 0.5, 0.4), answer, QLocale(locale)).mark, Mark(mark));
    }
};

QTEST_GUILESS_MAIN(TestLessonMarking)
#include "tst_lessonmarking.moc"
