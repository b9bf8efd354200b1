// The results as a spreadsheet: read back by LibreOffice in German and English, both charts in the
// file, the names the save dialog's choices give, and failures, of the target or of the temporary
// folder the workbook is made in, that leave the earlier file alone.

#include "FileTrouble.h"
#include "ModelFixtures.h"
#include "PrivateMount.h"
#include "ResultsSpreadsheet.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <memory>

using namespace vorlenza;

namespace {

/// The text LibreOffice makes of a sheet: UTF-8, cells separated by tabs, numbers as numbers and as
/// stored, not as shown (the decimal sign is the language's own all the same).
const QString CsvFilter = QStringLiteral("csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,false,true,false");

/// Equal within 1e-12 of the value; LibreOffice's text writes at most 20 decimals without an
/// exponent, so a value below 1e-8 can only come within half the last of them.
bool close(double expected, double read)
{
    const double off = std::abs(expected - read);
    return off <= 1e-12 * std::abs(expected) || off <= 5e-21;
}

/// A cell as a number, with a decimal point or comma; NaN when it is text.
double number(QByteArray field)
{
    bool ok = false;
    const double value = field.replace(',', '.').toDouble(&ok);
    return ok ? value : std::nan("");
}

/// Compares LibreOffice's CSV of the sheet with the run, cell by cell; empty when all agree.
QString differences(const QByteArray& csv, const ModelState& m)
{
    const QList<QByteArray> lines = csv.trimmed().split('\n');
    if (lines.size() != m.simTime + 4)
        return QStringLiteral("%1 lines for %2 days").arg(lines.size()).arg(m.simTime);
    const auto fields = [&](int line) { return lines[line].trimmed().split('\t'); };
    const QList<QByteArray> a = fields(0), b = fields(1);
    const double parametersA[] = {m.N1[0], m.r1, m.alpha, m.K1}, parametersB[] = {m.N2[0], m.r2, m.beta, m.K2};
    if (a.value(0) != "N1(0)" || b.value(4) != "beta")
        return QStringLiteral("parameter labels: ") + QString::fromUtf8(lines[0]);
    for (int i = 0; i < 4; ++i)
        if (!close(parametersA[i], number(a.value(2 * i + 1))) || !close(parametersB[i], number(b.value(2 * i + 1))))
            return QStringLiteral("parameter %1").arg(i);
    if (fields(2).size() != 9 || fields(2).last() != "y of isocline B")
        return QStringLiteral("header: ") + QString::fromUtf8(lines[2]);
    for (int day = 0; day <= m.simTime; ++day) {
        const auto i = static_cast<std::size_t>(day);
        const double expected[] = {double(day),     m.N1[i],         m.dN1[i],        m.N2[i],        m.dN2[i],
                                   m.isoclineAX[i], m.isoclineAY[i], m.isoclineBX[i], m.isoclineBY[i]};
        const QList<QByteArray> cells = fields(day + 3);
        for (int c = 0; c < 9; ++c)
            if (!close(expected[c], number(cells.value(c))))
                return QStringLiteral("day %1, column %2: %3 for %4")
                    .arg(day)
                    .arg(c + 1)
                    .arg(QString::fromUtf8(cells.value(c)))
                    .arg(expected[c], 0, 'g', 17);
    }
    return {};
}

} // namespace

class TestResultsSpreadsheet : public QObject {
    Q_OBJECT
    QTemporaryDir m_profile; // one LibreOffice profile for every start

private slots:
    void resolvesTheDialogsChoice_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sheetChosen");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("spreadsheet");
        QTest::newRow("results file") << "/d/run1.txt" << false << "/d/run1-N1N2dN.txt" << false;
        QTest::newRow("typed .xlsx") << "/d/run1.xlsx" << false << "/d/run1.xlsx" << true;
        QTest::newRow("typed .XLSX") << "/d/Run1.XLSX" << false << "/d/Run1.XLSX" << true;
        QTest::newRow("type chosen") << "/d/run1" << true << "/d/run1.xlsx" << true;
        QTest::newRow("type chosen, .xlsx typed") << "/d/run1.xlsx" << true << "/d/run1.xlsx" << true;
        QTest::newRow("type chosen, other extension") << "/d/run1.csv" << true << "/d/run1.csv.xlsx" << true;
        QTest::newRow("too short for the results file") << "/d/ab" << false << "" << false;
        QTest::newRow("folder named .xlsx") << "/d.xlsx/run1.txt" << false << "/d.xlsx/run1-N1N2dN.txt" << false;
        QTest::newRow("cancelled") << "" << true << "" << false;
    }
    void resolvesTheDialogsChoice()
    {
        QFETCH(QString, typed);
        QFETCH(bool, sheetChosen);
        const ResultsTarget target =
            resolveResultsTarget(typed, sheetChosen ? resultsSpreadsheetFilter() : resultsFileFilter());
        QTEST(target.path, "path");
        QTEST(target.spreadsheet, "spreadsheet");
    }

    void libreOfficeReadsEveryNumber_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow("German") << QByteArray("de_DE.UTF-8");
        QTest::newRow("English") << QByteArray("en_US.UTF-8");
    }
    void libreOfficeReadsEveryNumber()
    {
        QFETCH(QByteArray, locale);
        if (!HaveTool(QStringLiteral("soffice")))
            QSKIP("LibreOffice (soffice) is not installed");
        QVERIFY(m_profile.isValid());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        // Written with the C library in that locale, as the program runs for a student there.
        const std::string before = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, locale.constData()) == nullptr)
            qWarning("the C library has no locale %s: the spreadsheet is written in %s", locale.constData(),
                     before.c_str());
        const auto shortRun = CompletedRun("100");
        const auto longRun = CompletedRun("9999");
        const Outcome shortSaved = writeResultsSpreadsheet(dir.filePath("t100.xlsx"), *shortRun);
        const Outcome longSaved = writeResultsSpreadsheet(dir.filePath("t9999.xlsx"), *longRun);
        std::setlocale(LC_ALL, before.c_str());
        QVERIFY2(shortSaved.ok, qPrintable(shortSaved.error));
        QVERIFY2(longSaved.ok, qPrintable(longSaved.error));

        QProcess office;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        office.setProcessEnvironment(env);
        office.start(QStringLiteral("soffice"),
                     {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_profile.path()).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--convert-to"), CsvFilter,
                      QStringLiteral("--outdir"), dir.path(), dir.filePath("t100.xlsx"), dir.filePath("t9999.xlsx")});
        QVERIFY(office.waitForFinished(120000));
        QCOMPARE(office.exitCode(), 0);
        QCOMPARE(differences(ReadBytes(dir.filePath("t100.csv")), *shortRun), QString());
        QCOMPARE(differences(ReadBytes(dir.filePath("t9999.csv")), *longRun), QString());

        if (!HaveTool(QStringLiteral("unzip")))
            QSKIP("unzip is not installed: the charts are not looked at");
        // The charts draw the whole run: the day column against N1 and N2, and the isoclines and
        // the path in the phase plane.
        bool ok = false;
        const QByteArray overTime = RunTool(
            QStringLiteral("unzip"), {QStringLiteral("-p"), dir.filePath("t9999.xlsx"), "xl/charts/chart1.xml"}, &ok);
        QVERIFY(ok);
        QCOMPARE(overTime.count("<c:ser>"), 2);
        QVERIFY(overTime.contains("$A$4:$A$10003") && overTime.contains("$B$4:$B$10003") &&
                overTime.contains("$D$4:$D$10003"));
        const QByteArray phase = RunTool(
            QStringLiteral("unzip"), {QStringLiteral("-p"), dir.filePath("t9999.xlsx"), "xl/charts/chart2.xml"}, &ok);
        QVERIFY(ok);
        QCOMPARE(phase.count("<c:ser>"), 3);
        for (const char* range :
             {"$F$4:$F$10003", "$G$4:$G$10003", "$H$4:$H$10003", "$I$4:$I$10003", "$B$4:$B$10003", "$D$4:$D$10003"})
            QVERIFY2(phase.contains(range), range);
    }

    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<Trouble>("trouble");
        QTest::addColumn<QString>("reason");
        QTest::newRow("name is a folder") << Trouble::NameIsFolder << "is a folder, not a file";
        QTest::newRow("read-only folder") << Trouble::ReadOnlyFolder << "you may not write in the folder";
        // The workbook is made in the temporary folder first, and the limit stops it there.
        QTest::newRow("file size limit")
            << Trouble::DiskFull
            << "it would be larger than the file size limit of this account (1000 bytes); any earlier file "
               "of that name is unchanged";
    }
    void failureKeepsTheOldFile()
    {
        QFETCH(Trouble, trouble);
        QFETCH(QString, reason);
        QTemporaryDir dir, temporary;
        QVERIFY(dir.isValid() && temporary.isValid());
        const TroubleSpot spot = PrepareTrouble(dir.path(), trouble, QStringLiteral("run.xlsx"));
        if (!spot.skip.isEmpty())
            QSKIP(qPrintable(spot.skip));
        const QStringList before = Listing(dir.path());
        const auto run = CompletedRun("100");

        // The spreadsheet is put together in the temporary folder: nothing may stay there either.
        const QByteArray oldTemporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        Outcome outcome;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (trouble == Trouble::DiskFull)
                limit = std::make_unique<FileSizeLimit>(1000);
            outcome = writeResultsSpreadsheet(spot.path, *run);
        }
        qputenv("TMPDIR", oldTemporary);
        Unlock(spot);

        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.startsWith(QStringLiteral("The file “") + QDir::toNativeSeparators(spot.path) +
                                          QStringLiteral("” could not be saved: ")),
                 qPrintable(outcome.error));
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QCOMPARE(Listing(dir.path()), before);
        if (!spot.earlier.isEmpty())
            QCOMPARE(ReadBytes(spot.path), spot.earlier);
        QCOMPARE(Listing(temporary.path()), QStringList());
    }

    // libxlsxwriter writes the long sheet through files in the temporary folder and does not see
    // those writes fail: a size limit or a full disk there cut the sheet short, in a zip that is
    // fine otherwise. A read-only temporary folder takes no workbook at all. The maker itself is a
    // plugin loaded at the first save: looked for in the (empty) temporary folder, it is missing.
    void temporaryFolderTroubleKeepsTheOldFile_data()
    {
        QTest::addColumn<rlim_t>("sizeLimit"); // 0: none
        QTest::addColumn<int>("kilobytes");    // of a tmpfs mounted over the temporary folder; 0: none
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason"); // %1: the temporary folder
        QTest::addColumn<bool>("noPlugin");
        QTest::newRow("file size limit of 100 kB")
            << rlim_t(102400) << 0 << false
            << "it would be larger than the file size limit of this account (102400 bytes)" << false;
        QTest::newRow("read-only temporary folder")
            << rlim_t(0) << 64 << true << "no temporary folder could be made in “%1” (" << false;
        QTest::newRow("spreadsheet plugin missing")
            << rlim_t(0) << 0 << false
            << "the part of Vorlenza that makes spreadsheets (%1/libvorlenza-spreadsheet.so) could not be loaded ("
            << true;
        // Full while the rows are written, which libxlsxwriter notices; full only once the sheet is
        // put together, which it does not.
        for (const int kilobytes : {256, 4096})
            QTest::addRow("temporary folder on a full disk of %d kB", kilobytes)
                << rlim_t(0) << kilobytes << false
                << "in the temporary folder “%1”, not all of it could be written, perhaps because the disk "
                   "is full"
                << false;
    }
    void temporaryFolderTroubleKeepsTheOldFile()
    {
        QFETCH(rlim_t, sizeLimit);
        QFETCH(int, kilobytes);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        QFETCH(bool, noPlugin);
        QTemporaryDir dir, temporary;
        QVERIFY(dir.isValid() && temporary.isValid());
        const QString path = dir.filePath(QStringLiteral("big.xlsx"));
        const QByteArray earlier("earlier contents, to be kept as they are\n");
        QVERIFY(WriteBytes(path, earlier));
        const auto run = CompletedRun("9999");

        const QByteArray oldTemporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        // What the save said and what it left in the temporary folder, from wherever it ran.
        const auto save = [&] {
            Outcome outcome;
            {
                std::unique_ptr<FileSizeLimit> limit;
                if (sizeLimit != 0)
                    limit = std::make_unique<FileSizeLimit>(sizeLimit);
                outcome = writeResultsSpreadsheet(path, *run);
            }
            QByteArray said;
            QDataStream(&said, QIODevice::WriteOnly) << outcome.ok << outcome.error << Listing(temporary.path());
            return said;
        };
        PrivateMountRun saved;
        if (noPlugin)
            spreadsheetPluginFolder(temporary.path());
        if (kilobytes == 0)
            saved.result = save();
        else
            saved = InPrivateTmpfs(temporary.path(), kilobytes, readOnly, save);
        spreadsheetPluginFolder(QString());
        qputenv("TMPDIR", oldTemporary);
        if (!saved.skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no folder of our own can be mounted here: ") + saved.skip));

        bool ok = true;
        QString error;
        QStringList left;
        QDataStream(saved.result) >> ok >> error >> left;
        QVERIFY(!saved.result.isEmpty());
        QVERIFY(!ok);
        const QString folder = QDir::toNativeSeparators(temporary.path());
        const QString expected =
            QStringLiteral("The file “%1” could not be saved: %2")
                .arg(QDir::toNativeSeparators(path), QString(reason).replace(QStringLiteral("%1"), folder));
        QVERIFY2(error.startsWith(expected), qPrintable(error));
        QVERIFY2(error.endsWith(QStringLiteral("; any earlier file of that name is unchanged.")), qPrintable(error));
        QCOMPARE(ReadBytes(path), earlier);
        QCOMPARE(Listing(dir.path()), QStringList{QStringLiteral("big.xlsx")});
        QCOMPARE(left, QStringList());
        // Found again, the plugin makes the next save (a failure to load it is not kept).
        if (noPlugin)
            QVERIFY(writeResultsSpreadsheet(path, *run).ok);
    }
};

QTEST_GUILESS_MAIN(TestResultsSpreadsheet)
#include "tst_resultsspreadsheet.moc"
