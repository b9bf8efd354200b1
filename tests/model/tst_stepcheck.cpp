// When one-day steps mislead: the runs the check must flag, those it must leave alone, and the
// stability numbers it rests on.

#include "ModelFixtures.h"
#include "StepCheck.h"

#include <QtTest>

using namespace vorlenza;

namespace {

/// K1 = 100, alpha = beta = 0.01, species B starting from almost nothing; the rest as the defaults.
FieldTexts weakCompetition(const char* r1, const char* days = "100")
{
    FieldTexts f;
    f.simut = days;
    f.K1 = "100";
    f.u = "0.01";
    f.v = "0.01";
    f.rrateA = r1;
    f.b0 = "0.001";
    return f;
}

StepCheck checkOf(const FieldTexts& fields)
{
    const auto state = CompletedRun(fields);
    return checkOneDaySteps(*state, solveContinuous(*state));
}

} // namespace

Q_DECLARE_METATYPE(FieldTexts)

class TestStepCheck : public QObject {
    Q_OBJECT
private slots:
    void flagsTooCoarseSteps_data()
    {
        QTest::addColumn<FieldTexts>("fields");
        QTest::addColumn<bool>("unstable");     // the equilibrium repels the steps
        QTest::addColumn<bool>("settled");      // the run and the equations have both settled
        QTest::addColumn<double>("daily");      // N1 of the run on the last day, rounded
        QTest::addColumn<double>("continuous"); // N1 of the equations, rounded
        QTest::newRow("r1 2.2: a false plateau") << weakCompetition("2.2") << true << true << 75.3 << 99.0;
        QTest::newRow("r1 2.05: creeping") << weakCompetition("2.05") << true << false << 89.8 << 99.0;
        // (from day 8 on the run leaves the double range)
        QTest::newRow("r1 3.8: thrown below zero") << weakCompetition("3.8", "4") << false << false << -297.2 << 100.0;
        FieldTexts chaotic; // the defaults with r1 = 3.8: a two-day cycle
        chaotic.rrateA = "3.8";
        QTest::newRow("r1 3.8: cycling") << chaotic << true << false << 92.0 << 166.8;
        FieldTexts classic; // both rates high on a classic coexistence set
        classic.K1 = "500";
        classic.K2 = "700";
        classic.u = "0.6";
        classic.v = "0.7";
        classic.rrateA = classic.rrateB = "2.2";
        classic.simut = "300";
        QTest::newRow("coexistence, r 2.2") << classic << true << true << 102.9 << 137.9;
    }
    void flagsTooCoarseSteps()
    {
        QFETCH(FieldTexts, fields);
        QFETCH(bool, unstable);
        QFETCH(bool, settled);
        QFETCH(double, daily);
        QFETCH(double, continuous);
        const StepCheck c = checkOf(fields);
        QVERIFY(c.coarse);
        QCOMPARE(c.unstableForSteps, unstable);
        QCOMPARE(c.dailySettled && c.continuousSettled, settled);
        QVERIFY(c.speciesA);
        QCOMPARE(roundedForSentence(c.dailyN1), daily);
        QCOMPARE(roundedForSentence(c.continuousN1), continuous);
    }

    // Whatever the length of the run: every day of the presets and the defaults is close enough.
    void leavesGoodRunsAlone_data()
    {
        QTest::addColumn<FieldTexts>("fields");
        QTest::addColumn<int>("first"); // the shortest run checked; the longest is the fields' own
        for (int set = 1; set <= PresetCount; ++set)
            QTest::addRow("preset %d", set) << presetFieldTexts(set, "300") << 1;
        QTest::newRow("defaults") << FieldTexts{} << 1;
        // (the first days of r1 = 1.9 are far apart, but not day 100 nor after)
        QTest::newRow("r1 1.9") << weakCompetition("1.9", "300") << 100;
        // r = 2 exactly: the step's multiplier is 1, and the run converges, slowly (99 → 99.04 by day
        // 100): nothing drives it away
        for (const char* r2 : {"2", "1.999"}) {
            FieldTexts alone;
            alone.K2 = "100";
            alone.rrateB = r2;
            alone.a0 = "0";
            alone.b0 = "99";
            QTest::addRow("B alone from 99, r2 %s", r2) << alone << 1;
        }
    }
    void leavesGoodRunsAlone()
    {
        QFETCH(FieldTexts, fields);
        QFETCH(int, first);
        const int longest = std::stoi(fields.simut);
        for (int days = first; days <= longest; ++days) {
            fields.simut = std::to_string(days);
            QVERIFY2(!checkOf(fields).coarse, qPrintable(QString("day %1").arg(days)));
        }
    }

    // At (K1, 0) the eigenvalues are −r1 and r2·(1 − beta·K1/K2); Heun's multiplier reaches 1 at r = 2.
    void stabilityNumbers()
    {
        const auto l = eigenvaluesOf(jacobianAt({100, 50, 0.5, 0.25, 2.0, 0.4}, 100, 0));
        QCOMPARE(std::min(l[0].real(), l[1].real()), -2.0);
        QCOMPARE(std::max(l[0].real(), l[1].real()), 0.4 * (1 - 0.25 * 100 / 50));
        QCOMPARE(std::abs(heunMultiplier(-2.0)), 1.0);
        QVERIFY(std::abs(heunMultiplier(-1.9)) < 1.0);
        QCOMPARE(int(equilibriaOf({500, 700, 0.6, 0.7, 1, 1}).size()), 4);
        QCOMPARE(int(equilibriaOf({300, 100, 0.5, 0.5, 1, 1}).size()), 3); // no crossing inside
        QCOMPARE(roundedForSentence(0.012345), 0.0123);
        QCOMPARE(roundedForSentence(99.0099), 99.0);
    }
};

QTEST_APPLESS_MAIN(TestStepCheck)
#include "tst_stepcheck.moc"
