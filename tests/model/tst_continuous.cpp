// The equations solved continuously: against the closed-form logistic, a known end point, and
// where the solver has to stop.

#include "ContinuousSolution.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace vorlenza;

class TestContinuous : public QObject {
    Q_OBJECT
private slots:
    // A species alone follows N(t) = K / (1 + (K − N0)/N0 · e^(−rt)) at every day, whatever r;
    // the one-day step does not at r > 2.
    // Two like species, alpha = beta = 0.5, from one start: each follows the logistic with the
    // capacity K / 1.5, at any size of K (the solver's tolerance follows the populations' size).
    void tinyAndHugeCapacities_data()
    {
        QTest::addColumn<double>("K");
        for (const double K : {1e-10, 1e-9, 1e-8, 1.0, 1e6})
            QTest::newRow(qPrintable(QStringLiteral("K %1").arg(K))) << K;
    }
    void tinyAndHugeCapacities()
    {
        QFETCH(double, K);
        const double r = 0.05, n0 = K / 10.0, capacity = K / 1.5;
        const ContinuousSolution s = solveContinuous({K, K, 0.5, 0.5, r, r}, n0, n0, 100);
        QVERIFY(s.complete());
        for (int t = 0; t <= 100; ++t) {
            const double exact = capacity / (1.0 + (capacity - n0) / n0 * std::exp(-r * t));
            const double got = s.N1[std::size_t(t)];
            QVERIFY2(std::abs(got - exact) <= 1e-6 * exact,
                     qPrintable(QStringLiteral("day %1: %2 against %3").arg(t).arg(got).arg(exact)));
            QCOMPARE(s.N2[std::size_t(t)], got);
        }
    }

    void loneSpeciesIsLogistic_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("K");
        QTest::addColumn<double>("n0");
        QTest::newRow("r 0.1") << 0.1 << 200.0 << 10.0;
        QTest::newRow("r 1") << 1.0 << 100.0 << 1.0;
        QTest::newRow("r 2.2") << 2.2 << 100.0 << 10.0;
        QTest::newRow("r 3.8 from above K") << 3.8 << 500.0 << 900.0;
    }
    void loneSpeciesIsLogistic()
    {
        QFETCH(double, r);
        QFETCH(double, K);
        QFETCH(double, n0);
        const int lastDay = 9999;
        for (const bool speciesA : {true, false}) {
            ModelParameters p{K, K, 0.5, 0.5, speciesA ? r : 0.3, speciesA ? 0.3 : r};
            const ContinuousSolution s = solveContinuous(p, speciesA ? n0 : 0.0, speciesA ? 0.0 : n0, lastDay);
            QVERIFY(s.complete());
            QCOMPARE(int(s.N1.size()), lastDay + 1);
            const auto& alone = speciesA ? s.N1 : s.N2;
            const auto& absent = speciesA ? s.N2 : s.N1;
            double worst = 0.0;
            for (int t = 0; t <= lastDay; ++t) {
                const double exact = K / (1.0 + (K - n0) / n0 * std::exp(-r * t));
                worst = std::max(worst, std::abs(alone[std::size_t(t)] - exact));
                QCOMPARE(absent[std::size_t(t)], 0.0);
            }
            QVERIFY2(worst < 1e-6 * K, qPrintable(QString::number(worst)));
        }
    }

    // Coexistence ends at N1* = (K1 − alpha·K2)/(1 − alpha·beta), N2* = (K2 − beta·K1)/(1 − alpha·beta).
    void coexistenceReachesTheCrossing_data()
    {
        QTest::addColumn<double>("K1");
        QTest::addColumn<double>("K2");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("beta");
        QTest::addColumn<double>("r");
        QTest::newRow("classic set, r 2.2") << 500.0 << 700.0 << 0.6 << 0.7 << 2.2;
        QTest::newRow("slow") << 200.0 << 150.0 << 0.5 << 0.4 << 0.05;
    }
    void coexistenceReachesTheCrossing()
    {
        QFETCH(double, K1);
        QFETCH(double, K2);
        QFETCH(double, alpha);
        QFETCH(double, beta);
        QFETCH(double, r);
        const ContinuousSolution s = solveContinuous({K1, K2, alpha, beta, r, r}, 10.0, 10.0, 9999);
        QVERIFY(s.complete());
        const double d = 1.0 - alpha * beta;
        QVERIFY(std::abs(s.N1.back() - (K1 - alpha * K2) / d) < 1e-6);
        QVERIFY(std::abs(s.N2.back() - (K2 - beta * K1) / d) < 1e-6);
    }

    // Negative rates with a start far beyond K blow up in finite time: the days before stay.
    void stopsWhereValuesLeaveTheRange()
    {
        const ContinuousSolution s = solveContinuous({100, 100, 0.5, 0.5, -1.0, -1.0}, 1e6, 1e6, 100);
        QVERIFY(!s.complete());
        QVERIFY(s.solvedDays >= 0 && s.solvedDays < 100);
        for (int t = 0; t <= s.solvedDays; ++t)
            QVERIFY(std::isfinite(s.N1[std::size_t(t)]));
        QVERIFY(!solveContinuous({100, 100, 0.5, 0.5, 1.0, 1.0}, 10.0, 10.0, -1).complete());
        // Rates of ten million a day make the equations stiff: the solver stops on its budget
        // instead of creeping on for minutes, and keeps what it solved.
        const ContinuousSolution stiff = solveContinuous({100, 100, 0.5, 0.5, 1e7, 1e7}, 10.0, 10.0, 9999);
        QVERIFY(!stiff.complete());
        QVERIFY(stiff.solvedDays >= 0);
    }
};

QTEST_APPLESS_MAIN(TestContinuous)
#include "tst_continuous.moc"
