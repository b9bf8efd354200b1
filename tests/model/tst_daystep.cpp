// One day of the model on its own: the step a run takes, bit for bit, and what it does at the edges.

#include "ModelFixtures.h"
#include "Simulation.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

using namespace vorlenza;

namespace {

/// FNV-1a over the bytes of the four daily series, so that any change in any bit of a run shows.
std::uint64_t fingerprint(const ModelState& s)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const ModelState::Series* a : {&s.N1, &s.N2, &s.dN1, &s.dN2}) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(a->data());
        for (std::size_t i = 0; i < a->size() * sizeof(double); ++i) {
            h ^= bytes[i];
            h *= 1099511628211ull;
        }
    }
    return h;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

class TestDayStep : public QObject {
    Q_OBJECT
private slots:
    void runsKeepTheirBits_data()
    {
        QTest::addColumn<int>("preset"); // 0: the fields as the program starts
        QTest::addColumn<quint64>("expected");
        // Taken from the runs as they were before the day's step became a function of its own.
        QTest::newRow("start-up fields") << 0 << quint64(0x3e7e42b94342fca2ull);
        QTest::newRow("coexistence") << 1 << quint64(0x3e7e42b94342fca2ull);
        QTest::newRow("A wins") << 2 << quint64(0x0948da17b1903164ull);
        QTest::newRow("B wins") << 3 << quint64(0xd4a7612037cfd060ull);
    }

    void runsKeepTheirBits()
    {
        QFETCH(int, preset);
        QFETCH(quint64, expected);
        FieldTexts fields;
        if (preset > 0)
            fields = presetFieldTexts(preset);
        fields.simut = "9999";
        const auto state = CompletedRun(fields);
        QCOMPARE(quint64(fingerprint(*state)), expected);
    }

    void everyDayOfARunIsOneStep_data()
    {
        QTest::addColumn<int>("preset");
        QTest::newRow("coexistence") << 1;
        QTest::newRow("A wins") << 2;
        QTest::newRow("B wins") << 3;
    }

    void everyDayOfARunIsOneStep()
    {
        QFETCH(int, preset);
        const auto s = CompletedRun(presetFieldTexts(preset, "500"));
        const ModelParameters p = parametersOf(*s);
        for (int i = 0; i <= s->simTime; ++i) {
            const DayStep step = stepOneDay(p, s->N1[i], s->N2[i]);
            QVERIFY(step.finite);
            QVERIFY2(sameBits(step.dN1, s->dN1[i]) && sameBits(step.dN2, s->dN2[i]), qPrintable(QString::number(i)));
            QVERIFY2(sameBits(step.n1, s->N1[i + 1]) && sameBits(step.n2, s->N2[i + 1]),
                     qPrintable(QString::number(i)));
        }
    }

    void stepAtTheEdges_data()
    {
        QTest::addColumn<double>("n1");
        QTest::addColumn<double>("n2");
        QTest::addColumn<double>("dN1");
        QTest::addColumn<double>("dN2");
        // K1 = 100, K2 = 50, alpha = 2, beta = 0.5, r1 = 1.5, r2 = 0.5
        QTest::newRow("nothing to grow from") << 0.0 << 0.0 << 0.0 << 0.0;
        // at the two carrying capacities with the other species absent nothing changes
        QTest::newRow("A alone at K1") << 100.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("B alone at K2") << 0.0 << 50.0 << 0.0 << 0.0;
        // a1 = -900 predicts -600, used as 0, so the corrector slope is 0 and the change is -450
        QTest::newRow("predictor clamped, change kept") << 300.0 << 0.0 << -450.0 << 0.0;
        // a1 = 1.5 * 10 * 0.9 = 13.5 to 23.5, b1 = 1.5 * 23.5 * 0.765 = 26.966..., the mean of both
        QTest::newRow("A grows alone") << 10.0 << 0.0 << (13.5 + 1.5 * 23.5 * (1.0 - 0.235)) / 2.0 << 0.0;
    }

    void stepAtTheEdges()
    {
        QFETCH(double, n1);
        QFETCH(double, n2);
        QFETCH(double, dN1);
        QFETCH(double, dN2);
        const ModelParameters p{100.0, 50.0, 2.0, 0.5, 1.5, 0.5};
        const DayStep step = stepOneDay(p, n1, n2);
        QVERIFY(step.finite);
        QCOMPARE(step.dN1, dN1);
        QCOMPARE(step.dN2, dN2);
        QCOMPARE(step.n1, n1 + dN1);
        QCOMPARE(step.n2, n2 + dN2);
    }

    void stepThatOverflowsSaysSo()
    {
        const ModelParameters p{1.0, 1.0, 1.0, 1.0, 1e300, 1.0};
        QVERIFY(!stepOneDay(p, 1e10, 1.0).finite);
        QVERIFY(!stepOneDay(p, std::numeric_limits<double>::infinity(), 1.0).finite);
        QVERIFY(stepOneDay(p, 0.0, 1.0).finite);
    }
};

QTEST_APPLESS_MAIN(TestDayStep)
#include "tst_daystep.moc"
