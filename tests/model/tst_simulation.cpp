#include "ModelFixtures.h"
#include "NumberText.h"
#include "Presets.h"
#include "Simulation.h"

#include <QtTest>

#include <cmath>
#include <memory>

using namespace vorlenza;

namespace {

FieldTexts withLength(const char* simut)
{
    FieldTexts f;
    f.simut = simut;
    return f;
}

bool sameState(const ModelState& a, const ModelState& b)
{
    return a.K1 == b.K1 && a.K2 == b.K2 && a.alpha == b.alpha && a.beta == b.beta && a.r1 == b.r1 && a.r2 == b.r2 &&
           a.simTime == b.simTime && a.N1 == b.N1 && a.N2 == b.N2 && a.dN1 == b.dN1 && a.dN2 == b.dN2 &&
           a.isoclineAX == b.isoclineAX && a.isoclineAY == b.isoclineAY && a.isoclineBX == b.isoclineBX &&
           a.isoclineBY == b.isoclineBY;
}

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT
private slots:
    void startsAllZero()
    {
        auto s = std::make_unique<ModelState>();
        QCOMPARE(s->simTime, 0);
        QCOMPARE(s->K1, 0.0);
        QCOMPARE(s->N1.size(), std::size_t(10001));
        for (const auto* a :
             {&s->N1, &s->N2, &s->dN1, &s->dN2, &s->isoclineAX, &s->isoclineAY, &s->isoclineBX, &s->isoclineBY})
            for (double v : *a)
                QCOMPARE(v, 0.0);
    }

    void workedValuesOfTheDefaultRun()
    {
        auto s = std::make_unique<ModelState>();
        const RunResult r = RunSimulation(*s, FieldTexts{});
        QVERIFY(r.ok());
        QCOMPARE(s->simTime, 100); // the parameters kept are checked through the results file
        QCOMPARE(s->N1[0], 10.0);
        QCOMPARE(s->N2[0], 10.0);
        QCOMPARE(formatNumber(s->dN1[0]), std::string("1.936158"));
        QCOMPARE(formatNumber(s->dN2[0]), std::string("2.850549"));
        QCOMPARE(formatNumber(s->N1[1]), std::string("11.936158"));
        QCOMPARE(formatNumber(s->N2[1]), std::string("12.850549"));
        QVERIFY(std::abs(s->N1[100] - 165.312) < 0.001);
        QVERIFY(std::abs(s->N2[100] - 34.3084) < 0.0001);
        QCOMPARE(r.lastN1, s->N1[101]);
        QCOMPARE(r.lastN2, s->N2[101]);
        QVERIFY(s->N1[101] != 0.0);
        QCOMPARE(s->N1[102], 0.0);  // nothing written past day T+1
        QCOMPARE(s->dN1[101], 0.0); // increments only for days 0..T
        QCOMPARE(int(r.error), int(RunError::None));
        QCOMPARE(int(r.field), int(ParameterField::None));
    }

    void presetTexts_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("length");
        // txtRrateA, txtA0, txtU, txtK1, txtRrateB, txtB0, txtV, txtK2 and the length, as written
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("1") << 1 << "100" << QStringList({"0.2", "10", "1", "200", "0.3", "10", "0.4", "100", "100"});
        QTest::newRow("2") << 2 << "7" << QStringList({"0.2", "10", "2", "300", "0.3", "10", "2", "200", "7"});
        QTest::newRow("3") << 3 << "250" << QStringList({"0.2", "10", "2", "150", "0.3", "10", "1", "200", "250"});
        QTest::newRow("0 is 1") << 0 << "x" << QStringList({"0.2", "10", "1", "200", "0.3", "10", "0.4", "100", "x"});
        QTest::newRow("4 is 1") << 4 << "" << QStringList({"0.2", "10", "1", "200", "0.3", "10", "0.4", "100", ""});
    }

    void presetTexts()
    {
        QFETCH(int, preset);
        QFETCH(QString, length);
        QFETCH(QStringList, texts);
        const FieldTexts f = presetFieldTexts(preset, length.toStdString());
        QStringList written;
        for (const std::string& t : {f.rrateA, f.a0, f.u, f.K1, f.rrateB, f.b0, f.v, f.K2, f.simut})
            written << QString::fromStdString(t);
        QCOMPARE(written, texts);
        // The preset writes the members in the order of its values.
        QStringList inOrder;
        for (std::string FieldTexts::*member : PresetFieldOrder)
            inOrder << QString::fromStdString(f.*member);
        QCOMPARE(inOrder, texts.mid(0, 8));
    }

    void startUpTextsAreTheFirstPreset()
    {
        const FieldTexts start;
        const FieldTexts first = presetFieldTexts(1);
        for (std::string FieldTexts::*member : PresetFieldOrder)
            QCOMPARE(start.*member, first.*member);
        QCOMPARE(first.simut, start.simut);
    }

    void presetsReachTheirOutcomesDayByDay_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("length");
        QTest::addColumn<double>("n1"); // the populations the run settles at
        QTest::addColumn<double>("n2");
        QTest::newRow("coexistence") << 1 << "2000" << 500.0 / 3.0 << 100.0 / 3.0;
        QTest::newRow("A wins, longest run") << 2 << "9999" << 300.0 << 0.0;
        QTest::newRow("B wins") << 3 << "2000" << 0.0 << 200.0;
    }

    void presetsReachTheirOutcomesDayByDay()
    {
        QFETCH(int, preset);
        QFETCH(QString, length);
        QFETCH(double, n1);
        QFETCH(double, n2);
        auto s = std::make_unique<ModelState>();
        QVERIFY(RunSimulation(*s, presetFieldTexts(preset, length.toLatin1().constData())).ok());
        // Each next day is the increment plus the day, bit for bit.
        for (int i = 0; i <= s->simTime; ++i) {
            QCOMPARE(s->N1[i + 1], s->dN1[i] + s->N1[i]);
            QCOMPARE(s->N2[i + 1], s->dN2[i] + s->N2[i]);
        }
        const std::size_t last = static_cast<std::size_t>(s->simTime);
        QVERIFY2(std::abs(s->N1[last] - n1) < 0.01, formatNumber(s->N1[last]).c_str());
        QVERIFY2(std::abs(s->N2[last] - n2) < 0.01, formatNumber(s->N2[last]).c_str());
    }

    void oneDayRunFillsDaysZeroToTwo()
    {
        auto s = std::make_unique<ModelState>();
        QVERIFY(RunSimulation(*s, withLength("1")).ok());
        QCOMPARE(s->simTime, 1);
        QVERIFY(s->N1[2] != 0.0 && s->N2[2] != 0.0);
        QCOMPARE(s->N1[3], 0.0);
        QVERIFY(s->dN1[1] != 0.0);
        QCOMPARE(s->dN1[2], 0.0);
        QCOMPARE(s->isoclineAX[2], 0.0); // two isocline points, the end points (see the isocline table)
    }

    void absentSpeciesStaysAbsent()
    {
        auto s = std::make_unique<ModelState>();
        FieldTexts f;
        f.a0 = "0";
        QVERIFY(RunSimulation(*s, f).ok());
        for (int i = 0; i <= 101; ++i)
            QCOMPARE(s->N1[i], 0.0);
        // B then grows logistically towards K2 on its own
        QVERIFY(std::abs(s->N2[101] - 100.0) < 0.01);
    }

    void predictorIsClampedButStoredValueIsNot()
    {
        // x = 300 far above K1 = 100 with r1 = 1.5: a1 = -900, so the predictor P1 = -600 is used as 0,
        // the corrector slope is then 0 and the stored day 1 is 300 + (-900 + 0) / 2 = -150.
        auto s = std::make_unique<ModelState>();
        FieldTexts f;
        f.simut = "1";
        f.a0 = "300";
        f.K1 = "100";
        f.rrateA = "1.5";
        f.b0 = "0";
        QVERIFY(RunSimulation(*s, f).ok());
        QCOMPARE(s->dN1[0], -450.0);
        QCOMPARE(s->N1[1], -150.0);
        // The negative population is stored and carried on as computed.
        QVERIFY(s->N1[2] != 0.0);
    }

    void shorterRunLeavesTheTail()
    {
        auto s = std::make_unique<ModelState>();
        QVERIFY(RunSimulation(*s, withLength("100")).ok());
        const auto longRun = std::make_unique<ModelState>(*s);
        FieldTexts f = withLength("50");
        f.rrateA = "0.5";
        QVERIFY(RunSimulation(*s, f).ok());
        QCOMPARE(s->simTime, 50);
        QVERIFY(s->N1[50] != longRun->N1[50]);
        for (int i = 52; i <= 101; ++i) {
            QCOMPARE(s->N1[i], longRun->N1[i]);
            QCOMPARE(s->N2[i], longRun->N2[i]);
        }
        for (int i = 51; i <= 100; ++i) {
            QCOMPARE(s->dN1[i], longRun->dN1[i]);
            QCOMPARE(s->isoclineAX[i], longRun->isoclineAX[i]);
            QCOMPARE(s->isoclineBY[i], longRun->isoclineBY[i]);
        }
    }

    void isoclines_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("point");
        QTest::addColumn<double>("ax");
        QTest::addColumn<double>("ay");
        QTest::addColumn<double>("bx");
        QTest::addColumn<double>("by");
        QTest::newRow("defaults point 0") << 1 << "100" << 0 << 0.0 << 200.0 << 0.0 << 100.0;
        QTest::newRow("defaults point 1") << 1 << "100" << 1 << 2.0 << 198.0 << 2.5 << 99.0;
        QTest::newRow("defaults point 100") << 1 << "100" << 100 << 200.0 << 0.0 << 250.0 << 0.0;
        QTest::newRow("set 2 point 0") << 2 << "100" << 0 << 0.0 << 150.0 << 0.0 << 200.0;
        QTest::newRow("set 2 point 100") << 2 << "100" << 100 << 300.0 << 0.0 << 100.0 << 0.0;
        QTest::newRow("set 3 point 50") << 3 << "100" << 50 << 75.0 << 37.5 << 100.0 << 100.0;
        QTest::newRow("one day, point 0") << 1 << "1" << 0 << 0.0 << 200.0 << 0.0 << 100.0;
        QTest::newRow("one day, point 1") << 1 << "1" << 1 << 200.0 << 0.0 << 250.0 << 0.0;
    }

    void isoclines()
    {
        QFETCH(int, preset);
        QFETCH(QString, days);
        QFETCH(int, point);
        QFETCH(double, ax);
        QFETCH(double, ay);
        QFETCH(double, bx);
        QFETCH(double, by);
        const auto s = CompletedRun(presetFieldTexts(preset, days.toLatin1().constData()));
        const std::size_t i = static_cast<std::size_t>(point);
        const double eps = 1e-9;
        QVERIFY(std::abs(s->isoclineAX[i] - ax) < eps && std::abs(s->isoclineAY[i] - ay) < eps);
        QVERIFY(std::abs(s->isoclineBX[i] - bx) < eps && std::abs(s->isoclineBY[i] - by) < eps);
    }

    void lenientFieldTextsAreRead()
    {
        auto typed = std::make_unique<ModelState>();
        FieldTexts f;
        f.b0 = "5x";
        f.K1 = " 2 00 ";
        f.simut = "1e2";
        QVERIFY(RunSimulation(*typed, f).ok());
        QCOMPARE(typed->N2[0], 5.0);
        QCOMPARE(typed->K1, 200.0);
        QCOMPARE(typed->simTime, 100);
    }

    void lengthIsRoundedHalfToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::newRow("2.5 to 2") << "2.5" << 2;
        QTest::newRow("3.5 to 4") << "3.5" << 4;
        QTest::newRow("12.4 to 12") << "12.4" << 12;
        QTest::newRow("9999.4 to 9999") << "9999.4" << 9999;
        QTest::newRow("1.5 to 2") << "1.5" << 2;
    }

    void lengthIsRoundedHalfToEven()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        auto s = std::make_unique<ModelState>();
        QVERIFY(RunSimulation(*s, withLength(text.toLatin1().constData())).ok());
        QCOMPARE(int(s->simTime), length);
    }

    void failuresLeaveThePreviousRunWhole_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("about"); // the field the failure names: "K2", "none"; "" = not checked here

        const int overflow = int(RunError::LengthOverflow);
        const int range = int(RunError::LengthOutOfRange);
        const int zero = int(RunError::ZeroDivisor);
        const int large = int(RunError::ParameterTooLarge);
        const int arithmetic = int(RunError::Arithmetic);
        const int isocline = int(RunError::IsoclineArithmetic);
        QTest::newRow("T 10000") << "simut"
                                 << "10000" << range << 0 << "";
        QTest::newRow("T 50000") << "simut"
                                 << "50000" << overflow << 0
                                 << "The simulation length must be a whole number of days from 1 to 9999.";
        QTest::newRow("T 32767") << "simut"
                                 << "32767" << range << 0 << "";
        QTest::newRow("T 32768") << "simut"
                                 << "32768" << overflow << 0 << "";
        QTest::newRow("T -32769") << "simut"
                                  << "-32769" << overflow << 0 << "";
        QTest::newRow("T 0") << "simut"
                             << "0" << range << 0 << "";
        QTest::newRow("T 0.5 rounds to 0") << "simut"
                                           << "0.5" << range << 0 << "";
        QTest::newRow("T 9999.5 rounds to 10000") << "simut"
                                                  << "9999.5" << range << 0 << "";
        QTest::newRow("T negative") << "simut"
                                    << "-5" << range << 0 << "";
        QTest::newRow("T junk") << "simut"
                                << "abc" << range << 0 << "";
        QTest::newRow("T 1e400") << "simut"
                                 << "1e400" << overflow << 0 << "";
        QTest::newRow("K1 zero") << "K1"
                                 << "0" << zero << 0 << "";
        QTest::newRow("K2 zero") << "K2"
                                 << "x" << zero << 0 << "K2";
        QTest::newRow("alpha zero") << "u"
                                    << "0" << zero << 0 << "";
        QTest::newRow("beta zero") << "v"
                                   << "" << zero << 0 << "";
        QTest::newRow("r1 beyond double") << "rrateA"
                                          << "1e999" << large << 0 << "";
        QTest::newRow("N2(0) beyond double") << "b0"
                                             << "-1e999" << large << 0 << "";
        QTest::newRow("huge rate overflows") << "rrateA"
                                             << "1e200" << arithmetic << 1 << "none";
        QTest::newRow("oscillation overflows later") << "rrateA"
                                                     << "5" << arithmetic << -1 << "";
        QTest::newRow("isocline beyond double") << "v"
                                                << "1e-320" << isocline << 0 << "";
    }

    void failuresLeaveThePreviousRunWhole()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(int, day);
        QFETCH(QString, about);

        auto s = std::make_unique<ModelState>();
        FieldTexts good;
        good.simut = "300";
        good.rrateA = "0.25";
        QVERIFY(RunSimulation(*s, good).ok());
        const auto before = std::make_unique<ModelState>(*s);

        FieldTexts bad;
        const std::string t = text.toStdString();
        if (field == "simut")
            bad.simut = t;
        if (field == "K1")
            bad.K1 = t;
        if (field == "K2")
            bad.K2 = t;
        if (field == "u")
            bad.u = t;
        if (field == "v")
            bad.v = t;
        if (field == "rrateA")
            bad.rrateA = t;
        if (field == "b0")
            bad.b0 = t;
        if (error == int(RunError::Arithmetic) && day < 0)
            bad.simut = "9999";

        const RunResult r = RunSimulation(*s, bad);
        QCOMPARE(int(r.error), error);
        if (day > 0)
            QCOMPARE(r.day, day);
        if (day < 0)
            QVERIFY(r.day > 1 && r.day <= 10000);
        QVERIFY(!r.ok());
        QVERIFY(sameState(*s, *before));
        // The failure is a value; the window words it (runFailureText).
        if (about == "K2")
            QCOMPARE(int(r.field), int(ParameterField::K2));
        if (about == "none")
            QCOMPARE(int(r.field), int(ParameterField::None));
    }
};

QTEST_APPLESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
