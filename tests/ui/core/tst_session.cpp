// The session's one model: zeros before the first run, the same record for every reader, the one
// every run writes, and a run that fails leaves it as it was.

#include "Session.h"

#include <QtTest>

#include <algorithm>

using namespace vorlenza;

namespace {

bool allZero(const ModelState::Series& series)
{
    return std::all_of(series.begin(), series.end(), [](double v) { return v == 0.0; });
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void modelBeforeAnyRun_data()
    {
        QTest::addColumn<bool>("readConstFirst");
        QTest::newRow("read first for writing") << false;
        QTest::newRow("read first as const") << true;
    }
    void modelBeforeAnyRun()
    {
        QFETCH(bool, readConstFirst);
        Session session;
        const Session& reader = session;
        const ModelState* first = readConstFirst ? &reader.model() : &session.model();
        QCOMPARE(&session.model(), first);
        QCOMPARE(&reader.model(), first);
        const ModelState& m = *first;
        QCOMPARE(int(m.simTime), 0);
        QCOMPARE(session.runSerial(), std::uint64_t(0));
        for (double p : {m.K1, m.K2, m.alpha, m.beta, m.r1, m.r2})
            QCOMPARE(p, 0.0);
        for (const ModelState::Series* s :
             {&m.N1, &m.N2, &m.dN1, &m.dN2, &m.isoclineAX, &m.isoclineAY, &m.isoclineBX, &m.isoclineBY})
            QVERIFY(allZero(*s));
    }

    void runsWriteTheOneModel_data()
    {
        QTest::addColumn<QString>("simut");
        QTest::addColumn<bool>("ok");
        QTest::newRow("a run before anybody read the model") << "100" << true;
        QTest::newRow("a failed run before anybody read it") << "0" << false;
    }
    void runsWriteTheOneModel()
    {
        QFETCH(QString, simut);
        QFETCH(bool, ok);
        Session session;
        FieldTexts fields;
        fields.simut = simut.toStdString();
        QCOMPARE(session.runSimulation(fields).ok(), ok);
        QCOMPARE(session.runSerial(), std::uint64_t(ok ? 1 : 0));
        const ModelState& m = session.model();
        QCOMPARE(int(m.simTime), ok ? 100 : 0);
        QCOMPARE(m.N1[0], ok ? 10.0 : 0.0);
        QCOMPARE(m.N1[101] != 0.0, ok);
        // a second run writes the same record
        const ModelState* before = &session.model();
        fields.simut = "50";
        QVERIFY(session.runSimulation(fields).ok());
        QCOMPARE(&session.model(), before);
        QCOMPARE(int(session.model().simTime), 50);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
