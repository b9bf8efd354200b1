// The scenario reader against bad files, in memory and on disk; the round trip of every number and
// text; and the examples: each readable, in every language, with the outcome its title promises.

#include "FileTrouble.h"
#include "ModelFixtures.h"
#include "PhasePlane.h"
#include "Scenario.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

using namespace vorlenza;

namespace {

/// A scenario as a teacher saves it, before any row spoils it.
QJsonObject goodScenario()
{
    return QJsonDocument::fromJson(R"json({"format": "vorlenza-scenario", "version": 1,
        "values": {"T": 100, "r1": 0.2, "N1(0)": 10, "K1": 250.5, "alpha": 1, "r2": 0.3, "N2(0)": 10,
                   "K2": 100, "beta": 0.4},
        "chart": "ShowN1andN2vsT", "continuous": true,
        "lab": {"open": true, "dailySteps": false, "starts": [[10, 10], [200, 5]]},
        "title": {"en": "Weak competition", "de": "Schwache Konkurrenz"}, "note": "Look at day 20."})json")
        .object();
}

/// The good scenario with the entry `path` ("values.K1") set to `value`, or taken out when it is
/// undefined.
QByteArray spoiled(const QString& path, const QJsonValue& value)
{
    QJsonObject root = goodScenario();
    const QStringList keys = path.split(QLatin1Char('.'));
    QJsonObject inner = keys.size() == 2 ? root.value(keys[0]).toObject() : root;
    if (value.isUndefined())
        inner.remove(keys.last());
    else
        inner.insert(keys.last(), value);
    if (keys.size() == 2)
        root.insert(keys[0], inner);
    else
        root = inner;
    return QJsonDocument(root).toJson();
}

const QString kAll[] = {"en", "de", "fr", "es", "pt_BR", "zh_CN"};

/// An entry taken out of the file.
const QJsonValue kGone(QJsonValue::Undefined);

} // namespace

Q_DECLARE_METATYPE(ScenarioFault)
Q_DECLARE_METATYPE(ParameterField)

class TestScenario : public QObject {
    Q_OBJECT
private slots:
    void refusesBadContents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ScenarioFault>("fault");
        QTest::addColumn<QString>("about"); // the field's name in the file, the entry, or "line:column"
        using F = ScenarioFault;
        QTest::newRow("good") << spoiled("version", 1) << F::None << "";
        QTest::newRow("an older, smaller file: the values alone")
            << QByteArray(R"json({"format":"vorlenza-scenario","version":1,"values":{"T":5,"r1":1,"N1(0)":1,)json"
                          R"json("K1":1,"alpha":1,"r2":1,"N2(0)":1,"K2":1,"beta":1}})json")
            << F::None << "";
        QTest::newRow("not JSON: a comma too many")
            << QByteArray("{\n  \"format\": \"vorlenza-scenario\",\n  \"version\": 1,,\n}") << F::NotJson << "3:17";
        QTest::newRow("not JSON: after a character of two bytes")
            << QByteArray("{\"title\": \"Größe\" \"x\"}") << F::NotJson << "1:20";
        QTest::newRow("not JSON: empty") << QByteArray() << F::NotJson << "1:1";
        QTest::newRow("a list") << QByteArray("[1, 2]") << F::NotScenario << "";
        QTest::newRow("another format") << spoiled("format", "something-else") << F::NotScenario << "";
        QTest::newRow("no version") << spoiled("version", kGone) << F::NotScenario << "";
        QTest::newRow("version 1.5") << spoiled("version", 1.5) << F::NotScenario << "";
        QTest::newRow("a newer version") << spoiled("version", 2) << F::Newer << "2";
        QTest::newRow("K1 missing") << spoiled("values.K1", kGone) << F::ValueMissing << "K1";
        QTest::newRow("K1 as a German text") << spoiled("values.K1", "250,5") << F::ValueNotNumber << "K1";
        QTest::newRow("K1 true") << spoiled("values.K1", true) << F::ValueNotNumber << "K1";
        QTest::newRow("K1 null") << spoiled("values.K1", QJsonValue()) << F::ValueNotNumber << "K1";
        QTest::newRow("alpha 0") << spoiled("values.alpha", 0) << F::ValueOutOfRange << "alpha";
        QTest::newRow("N2(0) below 0") << spoiled("values.N2(0)", -1) << F::ValueOutOfRange << "N2(0)";
        QTest::newRow("T a fraction") << spoiled("values.T", 100.5) << F::ValueOutOfRange << "T";
        QTest::newRow("T too long") << spoiled("values.T", 10000) << F::ValueOutOfRange << "T";
        QTest::newRow("values a list") << spoiled("values", QJsonArray{1, 2}) << F::BadEntry << "values";
        QTest::newRow("chart a number") << spoiled("chart", 3) << F::BadEntry << "chart";
        QTest::newRow("chart no procedure") << spoiled("chart", "rm -rf") << F::BadEntry << "chart";
        QTest::newRow("continuous a text") << spoiled("continuous", "yes") << F::BadEntry << "continuous";
        QTest::newRow("lab.open a number") << spoiled("lab.open", 1) << F::BadEntry << "lab.open";
        QTest::newRow("a start below 0") << spoiled("lab.starts", QJsonArray{QJsonArray{-1, 2}}) << F::BadEntry
                                         << "lab.starts";
        QTest::newRow("a start of three numbers")
            << spoiled("lab.starts", QJsonArray{QJsonArray{1, 2, 3}}) << F::BadEntry << "lab.starts";
        QJsonArray thirteen;
        for (int i = 0; i < 13; ++i)
            thirteen.append(QJsonArray{i, i});
        QTest::newRow("thirteen starts") << spoiled("lab.starts", thirteen) << F::BadEntry << "lab.starts";
        QTest::newRow("a title too long") << spoiled("title", QString(201, QLatin1Char('x'))) << F::BadEntry << "title";
        QTest::newRow("a note by language, not a text")
            << spoiled("note", QJsonObject{{"de", 5}}) << F::BadEntry << "note";
    }
    void refusesBadContents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ScenarioFault, fault);
        QFETCH(QString, about);
        const ScenarioProblem p = readScenario(bytes).problem;
        QCOMPARE(p.fault, fault);
        QString named;
        for (const ScenarioValue& v : ScenarioValues)
            if (v.field == p.field)
                named = QLatin1String(v.key);
        if (fault == ScenarioFault::NotJson)
            QCOMPARE(QStringLiteral("%1:%2").arg(p.line).arg(p.column), about);
        else if (fault == ScenarioFault::Newer)
            QCOMPARE(QString::number(p.version), about);
        else if (fault == ScenarioFault::BadEntry)
            QCOMPARE(p.entry, about);
        else
            QCOMPARE(named, about);
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ScenarioFault>("fault");
        QTest::newRow("a folder") << "folder" << ScenarioFault::Folder;
        QTest::newRow("no such file") << "missing" << ScenarioFault::NotThere;
        QTest::newRow("a link to a file that is gone") << "dangling" << ScenarioFault::NotThere;
        QTest::newRow("one byte over 1 MB") << "large" << ScenarioFault::TooLarge;
        QTest::newRow("a device that never ends") << "/dev/zero" << ScenarioFault::NotAFile;
        QTest::newRow("a pipe nobody writes") << "fifo" << ScenarioFault::NotAFile;
        QTest::newRow("a file whose reading fails") << "/proc/self/mem" << ScenarioFault::Unreadable;
        QTest::newRow("no permission") << "locked" << ScenarioFault::NoPermission;
    }
    void refusesBadFiles()
    {
        QFETCH(QString, kind);
        QFETCH(ScenarioFault, fault);
        QTemporaryDir dir;
        QString path = dir.filePath(kind);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(kind));
        } else if (kind == QLatin1String("dangling")) {
            QVERIFY(QFile::link(dir.filePath("gone"), path));
        } else if (kind == QLatin1String("large")) {
            QByteArray bytes = spoiled("version", 1);
            bytes.append(scenario::MaxBytes + 1 - bytes.size(), ' '); // still a good scenario, but too long
            QVERIFY(WriteBytes(path, bytes));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("locked")) {
            if (geteuid() == 0)
                QSKIP("permissions do not stop the superuser from reading");
            QVERIFY(WriteBytes(path, spoiled("version", 1)));
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        } else if (kind.startsWith(QLatin1Char('/'))) {
            path = kind;
        }
        QCOMPARE(readScenarioFile(path).problem.fault, fault);
    }

    void writesWhatItReadsAndReadsWhatItWrites_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("good") << spoiled("version", 1);
        QTest::newRow("awkward numbers") << spoiled("values", QJsonObject{{"T", 9999},
                                                                          {"r1", 0.1 + 0.2},
                                                                          {"N1(0)", 5e-324},
                                                                          {"K1", 1.0 / 3.0},
                                                                          {"alpha", 1e300},
                                                                          {"r2", 123456789012345678.0},
                                                                          {"N2(0)", 0.999999999999999},
                                                                          {"K2", 250.5},
                                                                          {"beta", 2.0 / 3.0}});
        QTest::newRow("no lab; the note one text for all") << spoiled("lab", kGone);
        for (const QString& example : QDir(VORLENZA_EXAMPLES_DIR).entryList({"*.vorlenza"}))
            QTest::newRow(qPrintable(example)) << ReadBytes(QDir(VORLENZA_EXAMPLES_DIR).filePath(example));
    }
    void writesWhatItReadsAndReadsWhatItWrites()
    {
        QFETCH(QByteArray, bytes);
        const ScenarioReading first = readScenario(bytes);
        QVERIFY(first.problem.ok());
        const QByteArray written = scenarioBytes(first.scenario);
        const ScenarioReading second = readScenario(written);
        QVERIFY(second.problem.ok());
        QCOMPARE(scenarioBytes(second.scenario), written);
        // the values to the last bit, through the texts the fields get
        QCOMPARE(second.scenario.values, first.scenario.values);
        QCOMPARE(scenarioValuesOf(scenarioFieldTexts(second.scenario)), first.scenario.values);
        QCOMPARE(second.scenario.title, first.scenario.title);
        QCOMPARE(second.scenario.note, first.scenario.note);
    }

    void takesTheTextOfTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("its own") << "fr"
                                 << "fr";
        QTest::newRow("the same language elsewhere") << "pt_BR"
                                                     << "pt";
        QTest::newRow("English when missing") << "zh_CN"
                                              << "en";
        QTest::newRow("English by its code") << "en"
                                             << "en";
        QTest::newRow("the program in English") << ""
                                                << "en";
    }
    void takesTheTextOfTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        const ScenarioText text{{"en", "en"}, {"fr", "fr"}, {"pt", "pt"}, {"de", "de"}};
        QCOMPARE(scenarioTextIn(text, language), shown);
        QCOMPARE(scenarioTextIn(ScenarioText{{QString(), "one"}}, language), QStringLiteral("one"));
    }

    void examplesShowWhatTheySay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("outcome"); // CompetitionOutcome, or -1 where the steps are the point
        QTest::addColumn<bool>("labOpen");
        QTest::newRow("coexistence") << "coexistence" << int(CompetitionOutcome::Coexistence) << false;
        QTest::newRow("A wins") << "a-wins" << int(CompetitionOutcome::AWins) << false;
        QTest::newRow("B wins") << "b-wins" << int(CompetitionOutcome::BWins) << false;
        QTest::newRow("the start decides") << "bistable" << int(CompetitionOutcome::EitherWins) << true;
        QTest::newRow("false plateau") << "false-plateau" << -1 << false;
        QTest::newRow("chaos") << "chaos" << -1 << false;
    }
    void examplesShowWhatTheySay()
    {
        QFETCH(QString, file);
        QFETCH(int, outcome);
        QFETCH(bool, labOpen);
        const ScenarioReading r = readScenarioFile(QStringLiteral(VORLENZA_EXAMPLES_DIR "/%1.vorlenza").arg(file));
        QVERIFY(r.problem.ok());
        const Scenario& s = r.scenario;
        for (const QString& language : kAll) {
            QVERIFY2(!s.title.value(language).isEmpty(), qPrintable(language));
            QVERIFY2(!s.note.value(language).isEmpty(), qPrintable(language));
        }
        const auto run = CompletedRun(scenarioFieldTexts(s));
        const ModelParameters p = parametersOf(*run);
        QCOMPARE(s.lab.has_value() && s.lab->open, labOpen);
        if (outcome < 0) {
            // the daily run is not where the equations settle: the continuous solution shows it
            QVERIFY(s.continuous);
            QVERIFY(std::fabs(run->N1[std::size_t(run->simTime)] - 99.0) > 10.0);
            return;
        }
        QCOMPARE(int(outcomeOf(p)), outcome);
        QVERIFY(s.lab && s.lab->starts.size() >= 4);
        if (outcome == int(CompetitionOutcome::EitherWins)) {
            // starts on both sides of the separatrix
            const PhaseCurve separatrix = separatrixOf(p, 1.2 * p.K1, 1.2 * p.K2);
            int sides[3] = {};
            for (const QPointF& start : s.lab->starts)
                ++sides[sideOfSeparatrix(separatrix, start.x(), start.y()) + 1];
            QVERIFY(sides[0] >= 3 && sides[2] >= 3);
        }
    }
};

QTEST_MAIN(TestScenario)
#include "tst_scenario.moc"
