#include "FileTrouble.h"
#include "ModelFixtures.h"
#include "ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <csignal>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

using namespace vorlenza;

namespace {

/// The file's lines without their CR LF; empty, with a failure noted, on any other line end.
QList<QByteArray> crlfLines(const QByteArray& file)
{
    QList<QByteArray> lines = file.split('\n');
    if (lines.size() < 2 || !lines.last().isEmpty()) {
        QTest::qFail("the file does not end with a line end", __FILE__, __LINE__);
        return {};
    }
    lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r') || line.chopped(1).contains('\r')) {
            QTest::qFail("a line does not end with exactly CR LF", __FILE__, __LINE__);
            return {};
        }
        line.chop(1);
    }
    return lines;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray Header = "\"t, N1, dN1, N2, dN2, x of isocline A, y of isocline A, x of isocline B, y of isocline B\"";

} // namespace

class TestResultsFile : public QObject {
    Q_OBJECT
private slots:
    void defaultRunLines_data()
    {
        QTest::addColumn<int>("line"); // counted from 0; -1 is the last line
        QTest::addColumn<QByteArray>("begins");
        QTest::addColumn<QByteArray>("ends"); // empty: `begins` is the whole line

        QTest::newRow("species A parameters")
            << 0 << QByteArray("\"N1(0) =10, r1 =0.2, alpha = 1, K1 = 200\"") << QByteArray();
        QTest::newRow("species B parameters")
            << 1 << QByteArray("\"N2(0) =10, r2 =0.3, beta = 0.4, K2 = 100\"") << QByteArray();
        QTest::newRow("header") << 2 << Header << QByteArray();
        QTest::newRow("day 0") << 3 << QByteArray("0,10,1.936158,10,2.850549,0,200,0,100") << QByteArray();
        QTest::newRow("day 1") << 4 << QByteArray("1,11.936158,") << QByteArray(",2,198,2.5,99");
        QTest::newRow("day 100 last") << -1 << QByteArray("100,") << QByteArray(",200,0,250,0");
    }

    void defaultRunLines()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, begins);
        QFETCH(QByteArray, ends);

        const auto state = CompletedRun(FieldTexts{});
        const QList<QByteArray> lines = crlfLines(resultsFileContents(*state));
        QCOMPARE(lines.size(), 104);
        const QByteArray& text = line < 0 ? lines.last() : lines.at(line);
        if (ends.isEmpty())
            QCOMPARE(text, begins);
        QVERIFY2(text.startsWith(begins) && text.endsWith(ends), text.constData());
    }

    void shapeOfTheFile_data()
    {
        QTest::addColumn<QString>("days");
        QTest::newRow("one day") << "1";
        QTest::newRow("default length") << "100";
        QTest::newRow("longest run") << "9999";
    }

    void shapeOfTheFile()
    {
        QFETCH(QString, days);
        FieldTexts texts;
        texts.simut = days.toStdString();
        const auto state = CompletedRun(texts);
        const int t = state->simTime;

        const QByteArray file = resultsFileContents(*state);
        for (const char c : file)
            QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f), "only printable ASCII and line ends");
        const QList<QByteArray> lines = crlfLines(file);
        QCOMPARE(lines.size(), t + 4);
        QCOMPARE(lines.at(2), Header);

        const ModelState::Series* columns[] = {&state->N1,         &state->dN1,        &state->N2,
                                               &state->dN2,        &state->isoclineAX, &state->isoclineAY,
                                               &state->isoclineBX, &state->isoclineBY};
        for (int day = 0; day <= t; ++day) {
            const QList<QByteArray> fields = lines.at(day + 3).split(',');
            QCOMPARE(fields.size(), 9);
            QCOMPARE(fields.at(0), QByteArray::number(day));
            for (int c = 0; c < 8; ++c) {
                const double stored = (*columns[c])[static_cast<std::size_t>(day)];
                QCOMPARE(fields.at(c + 1).toStdString(), formatNumber(stored));
                // 15 significant digits read back within their rounding.
                const double readBack = fields.at(c + 1).toDouble();
                QVERIFY(std::fabs(readBack - stored) <= std::fabs(stored) * 1e-14);
            }
        }
    }

    void zeroFileBeforeAnyRun()
    {
        const auto state = std::make_unique<ModelState>();
        QCOMPARE(resultsFileContents(*state), QByteArray("\"N1(0) =0, r1 =0, alpha = 0, K1 = 0\"\r\n"
                                                         "\"N2(0) =0, r2 =0, beta = 0, K2 = 0\"\r\n") +
                                                  Header + QByteArray("\r\n0,0,0,0,0,0,0,0,0\r\n"));
    }

    void numberForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");

        // The writer's signs and longest texts; the display format itself is tested with the model.
        QTest::newRow("negative increment") << -2.5 << QByteArray("-2.5");
        QTest::newRow("negative zero") << -0.0 << QByteArray("0");
        QTest::newRow("longest text") << -DBL_MAX << QByteArray("-1.79769313486231E+308");
        QTest::newRow("very small negative") << -2.25e-7 << QByteArray("-2.25E-07");
        QTest::newRow("subnormal") << 5e-324 << QByteArray("4.94065645841247E-324");
    }

    void numberForms()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, text);

        auto state = std::make_unique<ModelState>();
        state->dN1[0] = value;
        state->isoclineBY[0] = value;
        state->alpha = value;
        const QList<QByteArray> lines = crlfLines(resultsFileContents(*state));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(3), "0,0," + text + ",0,0,0,0,0," + text);
        QCOMPARE(lines.at(0), "\"N1(0) =0, r1 =0, alpha = " + text + ", K1 = 0\"");
    }

    void independentOfTheLocale()
    {
        const auto state = CompletedRun(presetFieldTexts(3, "250"));
        const QByteArray plain = resultsFileContents(*state);
        QVERIFY(plain.contains('.'));

        const QLocale oldDefault;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::string oldNumeric = std::setlocale(LC_NUMERIC, nullptr);
        bool commaLocale = false;
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                commaLocale = std::localeconv()->decimal_point[0] == ',';
                break;
            }
        }
        const QByteArray german = resultsFileContents(*state);
        std::setlocale(LC_ALL, "");
        std::setlocale(LC_NUMERIC, oldNumeric.c_str());
        QLocale::setDefault(oldDefault);

        QCOMPARE(german, plain);
        if (!commaLocale)
            qInfo("no German C locale is installed here: only the Qt default locale was German");
    }

    void derivedName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("derived");

        QTest::newRow("three-letter extension") << "/tmp/x/run1.txt"
                                                << "/tmp/x/run1-N1N2dN.txt";
        QTest::newRow("csv in the current folder") << "x.csv"
                                                   << "x-N1N2dN.txt";
        QTest::newRow("no extension loses four letters") << "/tmp/x/results"
                                                         << "/tmp/x/res-N1N2dN.txt";
        QTest::newRow("four-letter extension keeps its dot") << "/tmp/x/a.json"
                                                             << "/tmp/x/a.-N1N2dN.txt";
        QTest::newRow("dot in a folder name") << "/tmp/x.d/run.dat"
                                              << "/tmp/x.d/run-N1N2dN.txt";
        QTest::newRow("exactly four characters") << "/tmp/x/abcd"
                                                 << "/tmp/x/-N1N2dN.txt";
        QTest::newRow("characters outside the basic plane")
            << QString::fromUtf8("/tmp/x/r\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80")
            << "/tmp/x/r-N1N2dN.txt";
        QTest::newRow("accented name") << QString::fromUtf8("/tmp/x/\xC3\xA9t\xC3\xA9.txt")
                                       << QString::fromUtf8("/tmp/x/\xC3\xA9t\xC3\xA9-N1N2dN.txt");
        QTest::newRow("two characters") << "/tmp/x/ab" << QString();
        QTest::newRow("three characters") << "/tmp/x/abc" << QString();
        QTest::newRow("three characters, no folder") << "abc" << QString();
        QTest::newRow("three wide characters")
            << QString::fromUtf8("/tmp/x/\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80") << QString();
        QTest::newRow("folder only") << "/tmp/x/" << QString();
        QTest::newRow("root") << "/" << QString();
        QTest::newRow("nothing chosen") << QString() << QString();
    }

    void derivedName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, derived);
        QCOMPARE(derivedResultsName(chosen), derived);
    }

    void writesTheWholeFileAndReplacesIt()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("run1-N1N2dN.txt");
        const auto longRun = CompletedRun(FieldTexts{});
        const auto shortRun = CompletedRun(presetFieldTexts(2, "5"));

        const Outcome outcome = writeResultsFile(path, *longRun);
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QVERIFY(outcome.error.isEmpty());
        QCOMPARE(readAll(path), resultsFileContents(*longRun));
        QVERIFY(writeResultsFile(path, *shortRun).ok);
        QCOMPARE(readAll(path), resultsFileContents(*shortRun)); // no tail of the longer file left
        QCOMPARE(entries(dir.path()), QStringList{"run1-N1N2dN.txt"});
    }

    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the test folder; "\\0" stands for a NUL
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("needsUser"); // permissions do not stop the superuser
        QTest::addColumn<bool>("diskFull");

        const char* const notFile = "“%1/old-N1N2dN.txt” is a file, not a folder";
        QTest::newRow("folder gone") << "gone/x-N1N2dN.txt"
                                     << "the folder “%1/gone” does not exist" << false << false;
        QTest::newRow("folder is a file") << "old-N1N2dN.txt/x-N1N2dN.txt" << notFile << false << false;
        QTest::newRow("below a file") << "old-N1N2dN.txt/sub/x-N1N2dN.txt" << notFile << false << false;
        QTest::newRow("name is a folder") << "sub"
                                          << "“%1/sub” is a folder, not a file" << false << false;
        QTest::newRow("NUL in the name") << "old-N1N2dN.txt\\0.txt"
                                         << "a character that is not allowed in file names" << false << false;
        QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << "the file name is too long" << false
                                       << false;
        QTest::newRow("file size limit") << "old-N1N2dN.txt"
                                         << "it would be larger than the file size limit of this account (1000 bytes)"
                                         << false << true;
        QTest::newRow("read-only folder") << "locked/old-N1N2dN.txt"
                                          << "you may not write in the folder “%1/locked”" << true << false;
        QTest::newRow("read-only file") << "old-N1N2dN.txt"
                                        << "the file is read-only" << true << false;
    }

    void failureKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QFETCH(bool, needsUser);
        QFETCH(bool, diskFull);
        if (needsUser && geteuid() == 0)
            QSKIP("permissions do not stop the superuser from writing");

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray old = "\"an earlier save\"\r\n1,2,3\r\n";
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(writeRaw(dir.filePath("old-N1N2dN.txt"), old));
        QVERIFY(writeRaw(dir.filePath("locked/old-N1N2dN.txt"), old));
        QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        if (QTest::currentDataTag() == QLatin1String("read-only file"))
            QFile::setPermissions(dir.filePath("old-N1N2dN.txt"), QFile::ReadOwner);
        const QStringList before = entries(dir.path());
        const QStringList lockedBefore = entries(dir.filePath("locked"));

        const auto state = CompletedRun(FieldTexts{});
        const QString path = dir.path() + QLatin1Char('/') + QString(target).replace("\\0", QString(QChar(0)));
        Outcome outcome;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (diskFull) {
                limit = std::make_unique<FileSizeLimit>(1000); // far below the ~8 KB of the file
                QVERIFY(limit->active());
            }
            outcome = writeResultsFile(path, *state);
        }
        QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(dir.filePath("old-N1N2dN.txt"), QFile::ReadOwner | QFile::WriteOwner);

        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.startsWith(QStringLiteral("The file “")), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(QDir::toNativeSeparators(dir.path())), qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(QString(reason).replace("%1", QDir::toNativeSeparators(dir.path()))),
                 qPrintable(outcome.error));
        QVERIFY2(!outcome.error.contains(QChar(0)), "the message shows no control characters");
        QCOMPARE(readAll(dir.filePath("old-N1N2dN.txt")), old);
        QCOMPARE(readAll(dir.filePath("locked/old-N1N2dN.txt")), old);
        QCOMPARE(entries(dir.path()), before); // no temporary file left behind
        QCOMPARE(entries(dir.filePath("locked")), lockedBefore);
        QVERIFY(entries(dir.filePath("sub")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResultsFile)
#include "tst_resultsfile.moc"
