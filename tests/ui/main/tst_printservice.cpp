// The print service asked off the window's thread. A service that never answers (a stand-in that
// waits until the test lets it go) is left after the time limit while the timers run, and is not
// asked again while it hangs.

#include "MainSuite.h"
#include "PrintService.h"

#include <QElapsedTimer>

#include <memory>

namespace {

/// How long past its limit the wait may end: the machine may be busy with other tests.
constexpr int kMargin = 1500;

/// While it lives, counts the timer events of `ticker` (a timer the test runs) and of everything
/// else: whether timers run, and how often anything else wakes the program.
class TimerEvents : public QObject {
public:
    explicit TimerEvents(const QObject& ticker) : m_ticker(ticker) { qApp->installEventFilter(this); }
    ~TimerEvents() override { qApp->removeEventFilter(this); }
    int ticks = 0, others = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Timer)
            ++(o == &m_ticker ? ticks : others);
        return false;
    }

private:
    const QObject& m_ticker;
};

} // namespace

class TestPrintService : public MainSuite {
    Q_OBJECT

    /// The stand-in service answers at last; the next question is asked again.
    void letTheServiceAnswer()
    {
        h->hung->gate.release();
        QTRY_VERIFY(!printServiceOwesAnswer());
        h->hung.reset();
    }

private slots:
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
            QVERIFY2(events.others <= 3, qPrintable(QString::number(events.others)));
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
};

QTEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
