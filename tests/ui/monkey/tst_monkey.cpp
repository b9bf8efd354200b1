// A seeded random driver over the real windows: it types, presses Enter, runs, switches graphs,
// saves, prints and wanders through the companion windows, and after every event checks what
// must always hold. VORLENZA_MONKEY_EVENTS and VORLENZA_MONKEY_SEED override the count and seed;
// a failure prints the seed and event number so the run can be replayed. Long runs also need
// QTEST_FUNCTION_TIMEOUT (milliseconds) above Qt Test's five-minute limit.

#include "AppWindows.h"
#include "Look.h"
#include "NumberText.h"
#include "Session.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace vorlenza;

namespace {

const char* const kFields[] = {"txtRrateA", "txtA0", "txtK1", "txtU",    "txtRrateB",
                               "txtB0",     "txtK2", "txtV",  "txtSimut"};
const char* const kResultCommands[] = {"cmdShowN1vsN2", "cmdShowNvsT", "cmdShowDNvsT", "cmdLargeGraph"};

const WindowId kWorkingWindows[] = {WindowId::Main,         WindowId::Large,      WindowId::Title,
                                    WindowId::Introduction, WindowId::References, WindowId::HowTo,
                                    WindowId::About,        WindowId::Dedication, WindowId::Quiz};

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomEventsKeepEverythingSound();

private:
    // what the driver knows
    QWidget* main() { return m_session->windows().window(WindowId::Main); }
    template <class T = QWidget> T* child(QWidget* w, const char* name)
    {
        return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    QString randomText();
    QString randomSaveName();
    void act();
    void actOnMain(QWidget* w);
    void actOnLarge(QWidget* w);
    void actOnCompanion(WindowId id, QWidget* w);
    void click(QWidget* w, const char* name);
    void check();

    std::unique_ptr<Session> m_session;
    QTemporaryDir m_dir;
    QRandomGenerator m_rng;
    quint32 m_seed = 0;
    int m_event = 0;
    int m_exits = 0;
    int m_problems = 0;
    bool m_everRan = false;
    int m_visits[WindowCount] = {};
    QString m_lastAction;
};

void TestMonkey::initTestCase()
{
    look::installFontSubstitutions();
    QVERIFY(m_dir.isValid());
    QFile blocker(m_dir.filePath(QStringLiteral("notadir")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    m_seed = static_cast<quint32>(envInt("VORLENZA_MONKEY_SEED", 20261207));
    m_rng.seed(m_seed);

    m_session = std::make_unique<Session>();
    registerWindows(*m_session);
    m_session->windows().setExitFunction([this] { ++m_exits; });
    Platform& p = m_session->platform();
    p.chooseSaveFile = [this](QWidget*, const QString&, QString*) { return randomSaveName(); };
    p.defaultPrinter = [this]() -> std::unique_ptr<QPrinter> {
        if (m_rng.bounded(3) == 0)
            return nullptr; // no printer set up
        auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_rng.bounded(4) == 0 ? m_dir.filePath(QStringLiteral("gone/p.pdf"))
                                                         : m_dir.filePath(QStringLiteral("page.pdf")));
        return printer;
    };
    p.reportProblem = [this](QWidget*, const QString&, const QString& text) {
        ++m_problems;
        QVERIFY2(!text.isEmpty(), "a problem was reported without words");
    };
    p.offerSaveAsPdf = [this](QWidget*, const QString&, const QString& text) {
        ++m_problems;
        [&] { QVERIFY2(!text.isEmpty(), "a print failure was reported without words"); }();
        return m_rng.bounded(2) == 0; // sometimes the page goes to a PDF file instead
    };
    p.chooseExportFile = [this](QWidget*, const QString&, const QString&, QString*) { return randomSaveName(); };
    p.runMenu = [](QMenu&, const QPoint&) -> QAction* { return nullptr; };

    m_session->windows().load(WindowId::Main);
    QVERIFY(m_session->windows().isVisible(WindowId::Title));
    QVERIFY(!m_session->windows().isVisible(WindowId::Main));
    QTest::keyClick(m_session->windows().window(WindowId::Title), Qt::Key_Space);
    QVERIFY(m_session->windows().isVisible(WindowId::Main));
}

QString TestMonkey::randomText()
{
    static const char* const pieces[] = {
        "0",      "1",     "2",    "5",     "9",     "10",    "100", "0.2",  "0.4",  "200",     "-",   "+",
        ".",      ",",     "e",    "E",     " ",     "\t",    "x",   "abc",  "&H1F", "&O17",    "1e2", "1e308",
        "1e-308", "1e400", "9999", "10000", "50000", "32768", "-5",  "12.5", "0,5",  "1.000,5", "ä",   "\xe2\x82\xac"};
    QString s;
    const int n = static_cast<int>(m_rng.bounded(4));
    for (int i = 0; i < n; ++i)
        s += QString::fromUtf8(pieces[m_rng.bounded(static_cast<quint32>(std::size(pieces)))]);
    return s;
}

QString TestMonkey::randomSaveName()
{
    switch (m_rng.bounded(6)) {
    case 0: return {};                                                // cancelled
    case 1: return m_dir.filePath(QStringLiteral("ab"));              // name too short
    case 2: return m_dir.filePath(QStringLiteral("missing/run.txt")); // folder gone
    case 3: return m_dir.filePath(QStringLiteral("notadir/run.txt")); // folder is a file
    default: return m_dir.filePath(QStringLiteral("run%1.txt").arg(m_rng.bounded(3)));
    }
}

void TestMonkey::click(QWidget* w, const char* name)
{
    QWidget* c = child(w, name);
    if (!c || !c->isVisible())
        return;
    m_lastAction = QString::fromLatin1(name);
    QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
}

void TestMonkey::actOnMain(QWidget* w)
{
    const quint32 r = m_rng.bounded(100);
    if (r < 22) { // type into a field, sometimes replacing it
        auto* field = child<QLineEdit>(w, kFields[m_rng.bounded(9)]);
        m_lastAction = QStringLiteral("type into %1").arg(field->objectName());
        if (m_rng.bounded(2))
            field->clear();
        if (m_rng.bounded(5) == 0) { // sensible numbers most of the time they run
            field->setText(field->objectName() == QLatin1String("txtSimut")
                               ? QString::number(1 + m_rng.bounded(m_rng.bounded(8) == 0 ? 9999 : 300))
                               : QString::number(0.05 + m_rng.generateDouble() * 3, 'g', 4));
        } else {
            field->setFocus();
            const QString text = randomText();
            bool typeable = true; // the key simulator only knows printable ASCII; paste the rest
            for (QChar ch : text)
                typeable = typeable && ch.unicode() >= 0x20 && ch.unicode() < 0x7f;
            if (typeable && m_rng.bounded(2))
                QTest::keyClicks(field, text);
            else
                field->insert(text);
        }
    } else if (r < 38) { // Enter in a field
        auto* field = child<QLineEdit>(w, kFields[m_rng.bounded(9)]);
        m_lastAction = QStringLiteral("Enter in %1").arg(field->objectName());
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    } else if (r < 50) {
        click(w, "cmdRun");
    } else if (r < 56) {
        const char* presets[] = {"cmdUseData1", "cmdUseData2", "cmdUseData3"};
        click(w, presets[m_rng.bounded(3)]);
    } else if (r < 66) {
        const char* graphs[] = {"cmdShowN1vsN2", "cmdShowNvsT", "cmdShowDNvsT", "cmdIsoclines"};
        click(w, graphs[m_rng.bounded(4)]);
    } else if (r < 74) {
        click(w, "MSChart1");
    } else if (r < 82) {
        auto* bar = child<QScrollBar>(w, "VScroll1");
        m_lastAction = QStringLiteral("day selector");
        const int span = bar->maximum() - bar->minimum();
        bar->setValue(bar->minimum() + static_cast<int>(m_rng.bounded(static_cast<quint32>(span) + 1)));
    } else if (r < 86) {
        click(w, "cmdLargeGraph");
    } else if (r < 90) {
        click(w, "cmdSave");
    } else if (r < 91) {
        click(w, "cmdPrint");
    } else {
        const char* ways[] = {"cmdHowTo", "cmdQuiz", "lblLabel21", "lblLabel5", "picPicture1", "cmdQuit"};
        click(w, ways[m_rng.bounded(6)]);
    }
}

void TestMonkey::actOnLarge(QWidget* w)
{
    const quint32 r = m_rng.bounded(100);
    if (r < 45) {
        const char* graphs[] = {"Command1", "Command2", "Command3", "Command7", "cmdN1N2andIsoclines"};
        click(w, graphs[m_rng.bounded(5)]);
    } else if (r < 75) {
        click(w, "MSChart1");
    } else if (r < 85) {
        click(w, "command4");
    } else if (r < 92) {
        m_lastAction = QStringLiteral("close the large window");
        w->close();
    } else if (r < 94) {
        click(w, "Command6");
    } else {
        click(w, "Command5");
    }
}

void TestMonkey::actOnCompanion(WindowId id, QWidget* w)
{
    // Every way out but the two that end the program: the about window's OK leads on to the
    // dedication window, whose button ends it.
    if (m_rng.bounded(3) == 0) {
        m_lastAction = QStringLiteral("close %1").arg(w->objectName());
        w->close();
        return;
    }
    switch (id) {
    case WindowId::Introduction: click(w, m_rng.bounded(2) ? "cmdCommand1" : "cmdCommand2"); break;
    case WindowId::References: click(w, m_rng.bounded(2) ? "Command1" : "Command2"); break;
    case WindowId::HowTo: click(w, "cmdCommand1"); break;
    case WindowId::Quiz: click(w, "Command1"); break;
    default:
        m_lastAction = QStringLiteral("close %1").arg(w->objectName());
        w->close();
        break;
    }
}

void TestMonkey::act()
{
    for (WindowId id : kWorkingWindows) {
        QWidget* w = m_session->windows().window(id);
        if (!w || !w->isVisible())
            continue;
        ++m_visits[int(id)];
        if (id == WindowId::Main)
            actOnMain(w);
        else if (id == WindowId::Large)
            actOnLarge(w);
        else
            actOnCompanion(id, w);
        return;
    }
}

void TestMonkey::check()
{
    const QByteArray where =
        QStringLiteral("seed %1, event %2, after '%3'").arg(m_seed).arg(m_event).arg(m_lastAction).toUtf8();
    // exactly one working window, over the background, and the program still running
    int visible = 0;
    for (WindowId id : kWorkingWindows)
        visible += m_session->windows().isVisible(id) ? 1 : 0;
    QVERIFY2(visible == 1, where.constData());
    QVERIFY2(m_session->windows().isVisible(WindowId::Background), where.constData());
    QVERIFY2(m_exits == 0, where.constData());

    // the model always holds one whole run
    const ModelState& s = m_session->model();
    QVERIFY2(s.simTime >= 0 && s.simTime <= ModelState::MaxSimTime, where.constData());
    for (int i = 0; i <= s.simTime; ++i) {
        if (s.N1[i + 1] != s.dN1[i] + s.N1[i] || s.N2[i + 1] != s.dN2[i] + s.N2[i])
            QFAIL(where.constData());
        if (!std::isfinite(s.N1[i + 1]) || !std::isfinite(s.isoclineAY[i]) || !std::isfinite(s.isoclineBX[i]))
            QFAIL(where.constData());
    }
    if (s.simTime > 0) {
        QVERIFY2(s.isoclineAX[0] == 0.0 && s.isoclineBY[0] == s.K2, where.constData());
        QVERIFY2(std::abs(s.isoclineAX[s.simTime] - s.K1) <= std::abs(s.K1) * 1e-9, where.constData());
    }

    // the main window's commands and read-outs agree with the model and the selector
    QWidget* w = main();
    QVERIFY2(w, where.constData());
    auto* chart = child(w, "MSChart1");
    const bool ran = s.simTime > 0;
    QVERIFY2(ran || m_session->model().N1[0] == 0.0, where.constData());
    if (!ran) {
        QVERIFY2(chart->isHidden(), where.constData());
        for (const char* name : kResultCommands)
            QVERIFY2(!child(w, name)->isEnabled(), where.constData());
        QVERIFY2(!child(w, "cmdIsoclines")->isEnabled(), where.constData());
    } else {
        m_everRan = true;
        QVERIFY2(!chart->isHidden(), where.constData());
        QVERIFY2(child(w, "cmdIsoclines")->isEnabled(), where.constData());
        auto* bar = child<QScrollBar>(w, "VScroll1");
        QVERIFY2(bar->minimum() == 0 && bar->maximum() == s.simTime, where.constData());
        const int day = bar->value();
        const QString na = child<QLineEdit>(w, "txtNA")->text();
        const QString nb = child<QLineEdit>(w, "txtNB")->text();
        // empty after an edit; else the selected day, or day T+1 right after a run of the same length
        const bool dayShown = na == QString::fromStdString(formatNumber(s.N1[day])) &&
                              nb == QString::fromStdString(formatNumber(s.N2[day]));
        const bool lastShown = na == QString::fromStdString(formatNumber(s.N1[s.simTime + 1])) &&
                               nb == QString::fromStdString(formatNumber(s.N2[s.simTime + 1]));
        QVERIFY2((na.isEmpty() && nb.isEmpty()) || dayShown || lastShown, where.constData());
        QVERIFY2(child<QLineEdit>(w, "Text1")->text() == QString::number(day), where.constData());
    }
    // the result commands are never enabled while Run is locked by an edit with empty read-outs
    if (child<QLineEdit>(w, "txtNA")->text().isEmpty() && !child(w, "cmdRun")->isEnabled())
        for (const char* name : kResultCommands)
            QVERIFY2(!child(w, name)->isEnabled(), where.constData());
}

void TestMonkey::randomEventsKeepEverythingSound()
{
    const int events = envInt("VORLENZA_MONKEY_EVENTS", 10000);
    for (m_event = 1; m_event <= events; ++m_event) {
        act();
        QCoreApplication::processEvents();
        check();
        if (QTest::currentTestFailed()) {
            qWarning("monkey failed: replay with VORLENZA_MONKEY_SEED=%u (event %d)", m_seed, m_event);
            return;
        }
    }
    QVERIFY(m_everRan);
    QString visits;
    for (int i = 0; i < WindowCount; ++i)
        visits += QStringLiteral(" %1").arg(m_visits[i]);
    qInfo("monkey: %d events, seed %u, %d problems reported, events per window:%s", events, m_seed, m_problems,
          qPrintable(visits));
    // Every working window but the title and dedication windows must have been reached.
    if (events >= 2000)
        for (WindowId id : {WindowId::Large, WindowId::Introduction, WindowId::References, WindowId::HowTo,
                            WindowId::About, WindowId::Quiz})
            QVERIFY2(m_visits[int(id)] > 0, "the driver never reached one of the windows");
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
