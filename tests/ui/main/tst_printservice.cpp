// The print service asked off the window's thread. A service that never answers (a stand-in that
// waits until the test lets it go) is left after the time limit while the timers run, and is not
// asked again while it hangs; "Save window as PDF…" then writes the page on the region's paper at
// once. Every CUPS request of this process goes to a socket that never answers, so a printer made on
// the window's thread would hold it for minutes.

#include "frmLab.h"
#include "FileTrouble.h"
#include "MainSuite.h"
#include "PrintService.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLocalServer>
#include <QPageSize>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(WindowId)

namespace {

/// How long past its limit the wait may end: the machine may be busy with other tests.
constexpr int kMargin = 1500;

/// While it lives, counts the timer events of `ticker` (a timer the test runs) and of everything
/// else: whether timers run, and how often anything else wakes the program.
class TimerEvents : public QObject {
public:
    explicit TimerEvents(const QObject& ticker) : m_ticker(ticker) { qApp->installEventFilter(this); }
    ~TimerEvents() override { qApp->removeEventFilter(this); }
    int ticks = 0;
    /// The most timer events any other object got: a wait that polls wakes one object again and
    /// again, while the windows' own half-second timers (the clock, the title) tick now and then.
    int mostToOneOther() const
    {
        int most = 0;
        for (const int n : m_others)
            most = std::max(most, n);
        return most;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Timer) {
            if (o == &m_ticker)
                ++ticks;
            else
                ++m_others[o];
        }
        return false;
    }

private:
    const QObject& m_ticker;
    QHash<const QObject*, int> m_others;
};

} // namespace

class TestPrintService : public MainSuite {
    Q_OBJECT

    QTemporaryDir m_cupsFolder;
    QLocalServer m_cups; ///< takes every CUPS request and never answers

    /// The stand-in service answers at last; the next question is asked again.
    void letTheServiceAnswer()
    {
        h->hung->gate.release();
        QTRY_VERIFY(!printServiceOwesAnswer());
        h->hung.reset();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_cups.listen(m_cupsFolder.filePath(QStringLiteral("cups.sock"))));
        qputenv("CUPS_SERVER", QFile::encodeName(m_cups.fullServerName()));
    }

    void hungServiceIsLeftAfterItsLimit_data()
    {
        QTest::addColumn<QString>("job"); // empty: only the default printer is asked, for its page
        QTest::addColumn<int>("limit");
        QTest::newRow("printing") << QStringLiteral("Vorlenza - main window") << 300;
        QTest::newRow("the page for a PDF") << QString() << 300;
        QTest::newRow("a longer limit") << QStringLiteral("Vorlenza - large graph") << 900;
    }
    void hungServiceIsLeftAfterItsLimit()
    {
        QFETCH(QString, job);
        QFETCH(int, limit);
        h->hung = std::make_shared<MainHarness::HungService>();
        Platform& platform = h->session.platform();
        platform.printServiceWaitMs = limit;
        QTimer ticker;
        ticker.start(20);
        QElapsedTimer took;
        took.start();
        std::optional<PrinterAnswer> answer;
        {
            TimerEvents events(ticker);
            answer = askPrintService(platform, job);
            const qint64 waited = took.elapsed();
            QVERIFY(!answer);
            // A coarse timer may end the wait up to 5 % early.
            QVERIFY2(waited >= limit * 9 / 10 && waited < limit + kMargin, qPrintable(QString::number(waited)));
            // The timers ran all along (the windows paint by them), and the wait woke the program
            // only to end.
            QVERIFY2(events.ticks >= limit / 100, qPrintable(QString::number(events.ticks)));
            QVERIFY2(events.mostToOneOther() <= limit / 500 + 2, qPrintable(QString::number(events.mostToOneOther())));
        }
        QVERIFY(printServiceOwesAnswer());

        // Still hung: not asked again, nothing waited for.
        took.restart();
        QVERIFY(!askPrintService(platform, job));
        QVERIFY2(took.elapsed() < 100, qPrintable(QString::number(took.elapsed())));

        // Once it has answered, it is asked again (here: no printer is set up).
        letTheServiceAnswer();
        answer = askPrintService(platform, job);
        QVERIFY(answer);
        QVERIFY(!answer->printer);
    }

    // The page comes from the print service only through the same question and its limit; without
    // an answer (or a printer) it is the region's paper, made without a printer (the process's CUPS
    // never answers). The lab's menu saves its window the same way.
    void windowPdfNeedsNoAnswer_data()
    {
        QTest::addColumn<WindowId>("from");
        QTest::addColumn<bool>("hung"); // else no printer is set up
        QTest::newRow("main, service hangs") << WindowId::Main << true;
        QTest::newRow("large, service hangs") << WindowId::Large << true;
        QTest::newRow("lab, service hangs") << WindowId::Lab << true;
        QTest::newRow("main, no printer") << WindowId::Main << false;
    }
    void windowPdfNeedsNoAnswer()
    {
        QFETCH(WindowId, from);
        QFETCH(bool, hung);
        constexpr int limit = 300;
        h->session.platform().printServiceWaitMs = limit;
        h->click("cmdRun");
        QWidget* menuOn = h->main()->chart();
        if (from == WindowId::Large) {
            h->click("cmdLargeGraph");
            menuOn = h->large()->chart();
        } else if (from == WindowId::Lab) {
            h->menuChoice = QStringLiteral("Phase-plane lab…");
            menuOn->setFocus();
            QTest::keyClick(menuOn, Qt::Key_Menu);
            auto* lab = h->session.windows().window<frmLab>(WindowId::Lab);
            QVERIFY(lab && QTest::qWaitForWindowActive(lab));
            menuOn = lab->findChild<QCustomPlot*>();
        }
        QVERIFY(menuOn);
        if (hung)
            h->hung = std::make_shared<MainHarness::HungService>();
        QTemporaryDir dir;
        h->exportAnswer = dir.filePath(QStringLiteral("window.pdf"));
        h->menuChoice = QStringLiteral("Save window as PDF…");

        QElapsedTimer took;
        took.start();
        menuOn->setFocus();
        QTest::keyClick(menuOn, Qt::Key_Menu);
        QVERIFY2(took.elapsed() < limit + kMargin, qPrintable(QString::number(took.elapsed())));

        QCOMPARE(h->messages, QStringList());
        const QByteArray pdf = ReadBytes(h->exportAnswer);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(PdfPageIs(pdf, QPageSize(QPageSize::A4).size(QPageSize::Point))); // the C locale's paper
        if (hung)
            letTheServiceAnswer();
    }
};

QTEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
