// The one whole-or-nothing writer: a file size limit and names too long for QSaveFile's temporary
// name. How the results file and the exports meet the other troubles is in their own tests.

#include "FileTrouble.h"
#include "WholeFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace vorlenza;

namespace {

/// The process's file size limit set to `bytes` while it lives, nothing else changed: without
/// surviveFileSizeLimit a write past it would end the test program.
class SizeLimit {
public:
    explicit SizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    SizeLimit(const SizeLimit&) = delete;
    SizeLimit& operator=(const SizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
};

} // namespace

class TestWholeFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { surviveFileSizeLimit(); }

    void fileSizeLimit_data()
    {
        QTest::addColumn<bool>("throughWriter"); // else a plain QFile write, as a printer's spool file
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("saved");
        QTest::newRow("writer, over the limit") << true << 1000 << false;
        QTest::newRow("writer, just at the limit") << true << 4000 << true;
        QTest::newRow("plain write, over the limit") << false << 1000 << false;
    }
    void fileSizeLimit()
    {
        QFETCH(bool, throughWriter);
        QFETCH(int, limit);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("results-N1N2dN.txt"));
        const QByteArray earlier = "earlier\r\n";
        QVERIFY(WriteBytes(path, earlier));
        const QByteArray bytes(4000, 'x');
        Outcome outcome;
        {
            SizeLimit sizeLimit(static_cast<rlim_t>(limit));
            QVERIFY(sizeLimit.active());
            if (throughWriter) {
                outcome = writeWholeFile(path, bytes);
            } else {
                QFile plain(dir.filePath(QStringLiteral("spool")));
                QVERIFY(plain.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
                outcome.ok = plain.write(bytes) == bytes.size();
            }
        }
        // Still here: no signal ended the program.
        QCOMPARE(outcome.ok, saved);
        if (!throughWriter)
            return;
        QCOMPARE(ReadBytes(path), saved ? bytes : earlier);
        QCOMPARE(Listing(dir.path()), QStringList{"results-N1N2dN.txt"});
        if (!saved) {
            QVERIFY2(outcome.error.contains(QDir::toNativeSeparators(path)), qPrintable(outcome.error));
            QVERIFY2(outcome.error.contains(QStringLiteral("file size limit of this account (%1 bytes)").arg(limit)),
                     qPrintable(outcome.error));
        }
    }

    void longNameReplacesTheEarlierFile_data()
    {
        QTest::addColumn<int>("length"); // of the file name, in bytes
        QTest::newRow("248: QSaveFile's own temporary name fits") << 248;
        QTest::newRow("249") << 249;
        QTest::newRow("252, with a two-byte character") << 252;
        QTest::newRow("255: the longest name") << 255;
    }
    void longNameReplacesTheEarlierFile()
    {
        QFETCH(int, length);
        QTemporaryDir dir;
        QString name = QStringLiteral(".pdf");
        if (QByteArray(QTest::currentDataTag()).contains("two-byte"))
            name.prepend(QStringLiteral("é"));
        while (QFile::encodeName(name).size() < length)
            name.prepend(QLatin1Char('n'));
        QCOMPARE(QFile::encodeName(name).size(), length);
        const QString path = dir.filePath(name);
        QVERIFY(WriteBytes(path, "earlier"));
        const QFileDevice::Permissions kept = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(path, kept));

        const Outcome outcome = writeWholeFile(path, "%PDF- the new file");
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(ReadBytes(path), QByteArray("%PDF- the new file"));
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), kept);
        QCOMPARE(Listing(dir.path()), QStringList{name}); // no temporary file left

        // A new file of that name is made as well, and a failure leaves the earlier file.
        QVERIFY(QFile::remove(path));
        QVERIFY(writeWholeFile(path, "new").ok);
        QCOMPARE(ReadBytes(path), QByteArray("new"));
        QVERIFY(!writeWholeFile(dir.filePath(name + QStringLiteral("/x")), "other").ok);
        QCOMPARE(ReadBytes(path), QByteArray("new"));
        QCOMPARE(Listing(dir.path()), QStringList{name});
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
