// Equilibria, their eigenvalues and types against closed forms; the outcome rule against the
// stability of the equilibria; starts on either side of the separatrix.

#include "ContinuousSolution.h"
#include "NumberText.h"
#include "PhasePlane.h"
#include "Presets.h"
#include "Simulation.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace vorlenza;

Q_DECLARE_METATYPE(ModelParameters)
Q_DECLARE_METATYPE(EquilibriumType)

namespace {

ModelParameters fromPreset(int set)
{
    const PresetValues& v = preset(set);
    return {v.K1, v.K2, v.alpha, v.beta, v.r1, v.r2};
}

ModelParameters defaults() { return constantsOf(FieldTexts()); }

const ModelParameters Bistable{100, 100, 1.5, 1.5, 0.2, 0.3};

bool near(std::complex<double> a, double re, double im = 0.0)
{
    return std::abs(a.real() - re) <= 1e-9 && std::abs(a.imag() - im) <= 1e-9;
}

const Equilibrium* find(const std::vector<Equilibrium>& all, EquilibriumKind kind)
{
    for (const Equilibrium& e : all)
        if (e.kind == kind)
            return &e;
    return nullptr;
}

/// Where the equations end from (n1, n2) after a long time: the outcome they show. The slow
/// approach on a boundary is algebraic, so "near" is a few per cent of K.
CompetitionOutcome endedAs(const ModelParameters& p, double n1, double n2)
{
    const ContinuousSolution s = solveContinuous(p, n1, n2, 5000);
    const double e1 = s.N1.back() / p.K1, e2 = s.N2.back() / p.K2;
    if (e2 < 0.03 && std::abs(e1 - 1.0) < 0.03)
        return CompetitionOutcome::AWins;
    if (e1 < 0.03 && std::abs(e2 - 1.0) < 0.03)
        return CompetitionOutcome::BWins;
    // on the line N1/K1 + N2/K2 = 1 where the isoclines lie on one another
    if (std::abs(e1 + e2 - 1.0) < 1e-6 && e1 > 0.0 && e2 > 0.0)
        return CompetitionOutcome::Neutral;
    return CompetitionOutcome::Coexistence;
}

} // namespace

class TestPhasePlane : public QObject {
    Q_OBJECT
private slots:
    // Closed forms: at (0,0) r1 and r2; at (K1,0) −r1 and r2(1 − beta·K1/K2); at (0,K2)
    // r1(1 − alpha·K2/K1) and −r2; at the crossing the trace and determinant of
    // [[−r1·N1/K1, −r1·alpha·N1/K1], [−r2·beta·N2/K2, −r2·N2/K2]].
    void equilibria_data()
    {
        QTest::addColumn<ModelParameters>("p");
        QTest::addColumn<EquilibriumType>("aAlone");
        QTest::addColumn<EquilibriumType>("bAlone");
        QTest::addColumn<int>("interior"); // -1 none, else its EquilibriumType
        QTest::addColumn<int>("outcome");
        QTest::newRow("set 1") << fromPreset(1) << EquilibriumType::Saddle << EquilibriumType::Saddle
                               << int(EquilibriumType::StableNode) << int(CompetitionOutcome::Coexistence);
        // Set 2's isoclines cross: A wins from its own start, but B wins from others.
        QTest::newRow("set 2") << fromPreset(2) << EquilibriumType::StableNode << EquilibriumType::StableNode
                               << int(EquilibriumType::Saddle) << int(CompetitionOutcome::EitherWins);
        QTest::newRow("set 3") << fromPreset(3) << EquilibriumType::Saddle << EquilibriumType::StableNode << -1
                               << int(CompetitionOutcome::BWins);
        QTest::newRow("defaults") << defaults() << EquilibriumType::Saddle << EquilibriumType::Saddle
                                  << int(EquilibriumType::StableNode) << int(CompetitionOutcome::Coexistence);
        QTest::newRow("bistable") << Bistable << EquilibriumType::StableNode << EquilibriumType::StableNode
                                  << int(EquilibriumType::Saddle) << int(CompetitionOutcome::EitherWins);
    }
    void equilibria()
    {
        QFETCH(ModelParameters, p);
        QFETCH(EquilibriumType, aAlone);
        QFETCH(EquilibriumType, bAlone);
        QFETCH(int, interior);
        QFETCH(int, outcome);
        const std::vector<Equilibrium> all = equilibriaOf(p);
        QCOMPARE(int(all.size()), interior < 0 ? 3 : 4);
        QCOMPARE(int(outcomeOf(p)), outcome);

        const Equilibrium* o = find(all, EquilibriumKind::Extinction);
        QVERIFY(o && o->n1 == 0.0 && o->n2 == 0.0);
        QVERIFY(near(o->eigenvalues[0], std::min(p.r1, p.r2)) && near(o->eigenvalues[1], std::max(p.r1, p.r2)));
        QCOMPARE(o->type, EquilibriumType::UnstableNode);

        const Equilibrium* a = find(all, EquilibriumKind::AAlone);
        QVERIFY(a && a->n1 == p.K1 && a->n2 == 0.0);
        const double aOther = p.r2 * (1.0 - p.beta * p.K1 / p.K2);
        QVERIFY(near(a->eigenvalues[0], std::min(-p.r1, aOther)) && near(a->eigenvalues[1], std::max(-p.r1, aOther)));
        QCOMPARE(a->type, aAlone);

        const Equilibrium* b = find(all, EquilibriumKind::BAlone);
        QVERIFY(b && b->n1 == 0.0 && b->n2 == p.K2);
        const double bOther = p.r1 * (1.0 - p.alpha * p.K2 / p.K1);
        QVERIFY(near(b->eigenvalues[0], std::min(-p.r2, bOther)) && near(b->eigenvalues[1], std::max(-p.r2, bOther)));
        QCOMPARE(b->type, bAlone);

        if (interior >= 0) {
            const Equilibrium* c = find(all, EquilibriumKind::Coexistence);
            QVERIFY(c);
            const double d = 1.0 - p.alpha * p.beta;
            const double n1 = (p.K1 - p.alpha * p.K2) / d;
            const double n2 = (p.K2 - p.beta * p.K1) / d;
            QVERIFY(std::abs(c->n1 - n1) < 1e-9 && std::abs(c->n2 - n2) < 1e-9);
            const double j11 = -p.r1 * n1 / p.K1, j12 = -p.r1 * p.alpha * n1 / p.K1;
            const double j21 = -p.r2 * p.beta * n2 / p.K2, j22 = -p.r2 * n2 / p.K2;
            const double tr = j11 + j22, det = j11 * j22 - j12 * j21;
            const double disc = tr * tr / 4.0 - det;
            QVERIFY(disc >= 0.0); // competition: always real
            QVERIFY(near(c->eigenvalues[0], tr / 2.0 - std::sqrt(disc)));
            QVERIFY(near(c->eigenvalues[1], tr / 2.0 + std::sqrt(disc)));
            QCOMPARE(int(c->type), interior);
        }
    }

    // Complex pairs, zero eigenvalues and the one-day step's stability on hand-made matrices.
    void typesAndDailyStep_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("d");
        QTest::addColumn<EquilibriumType>("type");
        QTest::addColumn<bool>("stepStable");
        QTest::newRow("stable focus") << -0.1 << -1.0 << 1.0 << -0.1 << EquilibriumType::StableFocus << true;
        QTest::newRow("unstable focus") << 0.1 << -1.0 << 1.0 << 0.1 << EquilibriumType::UnstableFocus << false;
        QTest::newRow("node too fast for a day") << -2.5 << 0.0 << 0.0 << -0.5 << EquilibriumType::StableNode << false;
        QTest::newRow("node at the edge, -2") << -2.0 << 0.0 << 0.0 << -0.5 << EquilibriumType::StableNode << false;
        QTest::newRow("node just inside") << -1.99 << 0.0 << 0.0 << -0.5 << EquilibriumType::StableNode << true;
        QTest::newRow("zero eigenvalue") << 0.0 << 0.0 << 0.0 << -0.5 << EquilibriumType::Degenerate << false;
        QTest::newRow("saddle") << 0.3 << 0.0 << 0.0 << -0.5 << EquilibriumType::Saddle << false;
    }
    void typesAndDailyStep()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(double, d);
        QFETCH(EquilibriumType, type);
        QFETCH(bool, stepStable);
        const auto ev = eigenvaluesOf({{{a, b}, {c, d}}});
        QCOMPARE(typeOf(ev), type);
        const bool stable = std::abs(heunMultiplier(ev[0])) < 1.0 && std::abs(heunMultiplier(ev[1])) < 1.0;
        QCOMPARE(stable, stepStable);
        QVERIFY(std::abs(ev[0] + ev[1] - (a + d)) < 1e-12 && std::abs(ev[0] * ev[1] - (a * d - b * c)) < 1e-12);
    }

    // The rule on alpha and beta agrees with the stability of the equilibria, and the map puts
    // (alpha, beta) into the region of that outcome, for 1,000 random sets.
    void outcomeAgreesWithStability()
    {
        std::mt19937 random(24);
        std::uniform_real_distribution<double> k(10.0, 1000.0), r(0.05, 1.0), unit(0.0, 1.0);
        for (int i = 0; i < 1000; ++i) {
            const double K1 = k(random), K2 = k(random);
            const double reach = outcomeMapReach(K1, K2);
            ModelParameters p{K1, K2, unit(random) * reach, unit(random) * reach, r(random), r(random)};
            const std::vector<Equilibrium> all = equilibriaOf(p);
            const Equilibrium* c = find(all, EquilibriumKind::Coexistence);
            const bool aStable = find(all, EquilibriumKind::AAlone)->stable();
            const bool bStable = find(all, EquilibriumKind::BAlone)->stable();
            CompetitionOutcome byStability = CompetitionOutcome::EitherWins;
            if (c && c->stable() && !aStable && !bStable)
                byStability = CompetitionOutcome::Coexistence;
            else if (aStable && !bStable && !c)
                byStability = CompetitionOutcome::AWins;
            else if (bStable && !aStable && !c)
                byStability = CompetitionOutcome::BWins;
            else
                QVERIFY(aStable && bStable && c && c->type == EquilibriumType::Saddle);
            const QByteArray where = QByteArray::number(i);
            QVERIFY2(outcomeOf(p) == byStability, where);
            int regions = 0;
            for (const OutcomeRegion& region : outcomeRegions(K1, K2, reach, reach))
                if (region.contains(p.alpha, p.beta)) {
                    ++regions;
                    QVERIFY2(region.outcome == byStability, where);
                }
            QCOMPARE(regions, 1);
        }
    }

    // alpha or beta exactly on its boundary: the winner said and its point filled, "slowly" where
    // an eigenvalue is 0, a line of equilibria where the isoclines lie on one another.
    void boundaries_data()
    {
        QTest::addColumn<ModelParameters>("p");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("touch");
        QTest::addColumn<bool>("aAttracts");
        QTest::addColumn<bool>("bAttracts");
        const auto row = [](const char* name, ModelParameters p, CompetitionOutcome o, IsoclinesTouch t, bool a,
                            bool b) { QTest::newRow(name) << p << int(o) << int(t) << a << b; };
        row("alpha on K1/K2, beta above", {100, 100, 1, 2, 0.2, 0.3}, CompetitionOutcome::AWins,
            IsoclinesTouch::AtBAlone, true, false);
        row("beta on K2/K1, alpha above", {100, 100, 2, 1, 0.2, 0.3}, CompetitionOutcome::BWins,
            IsoclinesTouch::AtAAlone, false, true);
        row("alpha on K1/K2, beta below", {100, 100, 1, 0.5, 0.2, 0.3}, CompetitionOutcome::BWins,
            IsoclinesTouch::AtBAlone, false, true);
        row("beta on K2/K1, alpha below", {300, 100, 1, 1.0 / 3.0, 0.2, 0.3}, CompetitionOutcome::AWins,
            IsoclinesTouch::AtAAlone, true, false);
        row("isoclines on one another", {100, 100, 1, 1, 0.2, 0.3}, CompetitionOutcome::Neutral,
            IsoclinesTouch::Everywhere, false, false);
        row("isoclines on one another, K1 = 2 K2", {200, 100, 2, 0.5, 0.2, 0.3}, CompetitionOutcome::Neutral,
            IsoclinesTouch::Everywhere, false, false);
    }
    void boundaries()
    {
        QFETCH(ModelParameters, p);
        QFETCH(int, outcome);
        QFETCH(int, touch);
        QFETCH(bool, aAttracts);
        QFETCH(bool, bAttracts);
        QCOMPARE(int(outcomeOf(p)), outcome);
        QCOMPARE(int(isoclinesTouch(p)), touch);
        const std::vector<Equilibrium> all = equilibriaOf(p);
        QCOMPARE(find(all, EquilibriumKind::AAlone)->attracts, aAttracts);
        QCOMPARE(find(all, EquilibriumKind::BAlone)->attracts, bAttracts);
        QVERIFY(!find(all, EquilibriumKind::Coexistence));
        const bool line = outcome == int(CompetitionOutcome::Neutral);
        QCOMPARE(find(all, EquilibriumKind::AAlone)->onEquilibriumLine, line);
        QVERIFY(!find(all, EquilibriumKind::Extinction)->onEquilibriumLine);
        // the point where the isoclines touch is the one an eigenvalue of 0 leaves undecided
        const EquilibriumKind touched =
            touch == int(IsoclinesTouch::AtAAlone) ? EquilibriumKind::AAlone : EquilibriumKind::BAlone;
        QVERIFY(find(all, touched)->slow());
    }

    // 200 random sets with alpha or beta placed exactly on K1/K2 or K2/K1 (as doubles): the
    // outcome named is the one the equations reach from 20 starts each.
    void boundariesAsTheEquationsBehave()
    {
        std::mt19937 random(31);
        std::uniform_real_distribution<double> k(10.0, 1000.0), r(0.3, 1.0), unit(0.0, 1.0);
        int counts[5] = {};
        for (int i = 0; i < 200; ++i) {
            const double K1 = std::round(k(random)), K2 = std::round(k(random));
            ModelParameters p{K1, K2, K1 / K2, K2 / K1, r(random), r(random)};
            // one exactly on its boundary, the other at most 0.7 of its own or at least 1.2 times it
            // (nearer, the slow end takes longer than a long run); a tenth with both on
            double& other = i % 2 ? p.alpha : p.beta;
            const int kind = i % 10;
            if (kind < 4)
                other *= 0.7 * unit(random);
            else if (kind < 9)
                other *= 1.2 + unit(random);
            const CompetitionOutcome named = outcomeOf(p);
            ++counts[int(named)];
            for (int s = 0; s < 20; ++s) {
                const double n1 = (0.05 + 1.2 * unit(random)) * K1, n2 = (0.05 + 1.2 * unit(random)) * K2;
                QVERIFY2(endedAs(p, n1, n2) == named,
                         qPrintable(QStringLiteral("set %1 (K1 %2, K2 %3, alpha %4, beta %5) from (%6, %7)")
                                        .arg(i)
                                        .arg(K1)
                                        .arg(K2)
                                        .arg(p.alpha)
                                        .arg(p.beta)
                                        .arg(n1)
                                        .arg(n2)));
            }
        }
        QVERIFY(counts[int(CompetitionOutcome::AWins)] > 50 && counts[int(CompetitionOutcome::BWins)] > 50);
        QCOMPARE(counts[int(CompetitionOutcome::Neutral)], 20);
    }

    // The separatrix comes down to (0, 0) however different the two rates, and the side of a start
    // is the side the equations take it to.
    void separatrixReachesTheOrigin_data()
    {
        QTest::addColumn<double>("r1");
        QTest::addColumn<double>("r2");
        QTest::newRow("0.01 and 1") << 0.01 << 1.0;
        QTest::newRow("1 and 0.01") << 1.0 << 0.01;
        QTest::newRow("0.2 and 3") << 0.2 << 3.0;
        QTest::newRow("3 and 0.2") << 3.0 << 0.2;
    }
    void separatrixReachesTheOrigin()
    {
        QFETCH(double, r1);
        QFETCH(double, r2);
        const double box = 120.0;
        const ModelParameters p{100, 100, 1.5, 1.5, r1, r2};
        const PhaseCurve s = separatrixOf(p, box, box);
        QVERIFY(s.size() > 10);
        QVERIFY2(std::hypot(s.front().first, s.front().second) <= 1e-9 * box,
                 qPrintable(QStringLiteral("starts at (%1, %2)").arg(s.front().first).arg(s.front().second)));
        QVERIFY(std::abs(s.back().first - box) < 1e-6 || std::abs(s.back().second - box) < 1e-6);
        for (const auto& [n1, n2] : {std::pair{12.0, 12.0}, {60.0, 20.0}, {20.0, 60.0}, {90.0, 110.0}}) {
            const ContinuousSolution end = solveContinuous(p, n1, n2, 20000);
            const int side = end.N2.back() > end.N1.back() ? 1 : -1;
            QCOMPARE(sideOfSeparatrix(s, n1, n2), side);
        }
    }

    // 200 random starts in the bistable set end at the equilibrium of their side of the drawn
    // separatrix.
    void separatrixSplitsTheStarts()
    {
        const double box = 130.0;
        const PhaseCurve s = separatrixOf(Bistable, box, box);
        QVERIFY(s.size() > 20);
        QCOMPARE(s.front().first, 0.0);
        QCOMPARE(s.front().second, 0.0);
        QVERIFY(std::abs(s.back().first - box) < 1e-6 || std::abs(s.back().second - box) < 1e-6);
        for (std::size_t i = 1; i < s.size(); ++i)
            QVERIFY(s[i].first >= s[i - 1].first && s[i].second >= s[i - 1].second);

        std::mt19937 random(7);
        std::uniform_real_distribution<double> u(0.5, box);
        int above = 0, below = 0;
        while (above + below < 200) {
            const double n1 = u(random), n2 = u(random);
            const int side = sideOfSeparatrix(s, n1, n2);
            const ContinuousSolution end = solveContinuous(Bistable, n1, n2, 3000);
            QVERIFY(end.complete());
            const double e1 = end.N1.back(), e2 = end.N2.back();
            const QByteArray start = QByteArray::number(n1) + ", " + QByteArray::number(n2);
            if (side > 0) {
                ++above;
                QVERIFY2(std::abs(e1) < 1e-3 && std::abs(e2 - 100.0) < 1e-3, start);
            } else {
                QVERIFY(side < 0);
                ++below;
                QVERIFY2(std::abs(e1 - 100.0) < 1e-3 && std::abs(e2) < 1e-3, start);
            }
        }
        QVERIFY(above > 30 && below > 30);
        QVERIFY(separatrixOf(fromPreset(1), 300, 300).empty());
        // set 2 starts on A's side
        const PresetValues& two = preset(2);
        QVERIFY(sideOfSeparatrix(separatrixOf(fromPreset(2), 330, 330), two.n1, two.n2) < 0);
    }
};

QTEST_APPLESS_MAIN(TestPhasePlane)
#include "tst_phaseplane.moc"
