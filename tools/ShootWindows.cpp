// Takes a picture of every window of the program in a fixed series of states, so that two builds
// can be compared pixel by pixel (tools/take-shots, tools/compare-shots):
//
//     vorlenza-shots <output folder>
//
// It runs the real windows on the offscreen platform, in English, with a clock that stands still
// and every desktop dialog answered "cancel" without being shown. Each picture is the window's
// own grab(), named "<number>-<window class>-<state>.png", taken once all posted events (queued
// chart replots among them) have been handled.

#include "AppSetup.h"
#include "AppWindows.h"
#include "Language.h"
#include "Session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStyleHints>
#include <QTextStream>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>
#include <memory>

namespace vorlenza {
}
using namespace vorlenza;

namespace {

const QDateTime FixedNow(QDate(2026, 3, 4), QTime(10, 20, 30));

class Shooter {
public:
    Shooter(Session& session, const QString& folder) : m_session(session), m_out(folder)
    {
        Platform& p = session.platform();
        p.chooseSaveFile = [](QWidget*, const QString&, QString*) { return QString(); };
        p.defaultPrinter = [] { return std::unique_ptr<QPrinter>(); };
        p.printerRefusal = [](const QPrinter&) { return QString(); };
        p.jobRefusal = [](const QPrinter&) { return QString(); };
        // What the program tells the user is only logged: it is part of the states taken.
        p.reportProblem = [](QWidget*, const QString& title, const QString& text) {
            std::fprintf(stderr, "vorlenza-shots: told: %s: %s\n", qPrintable(title), qPrintable(text));
        };
        p.offerSaveAsPdf = [](QWidget*, const QString& title, const QString& text) {
            std::fprintf(stderr, "vorlenza-shots: offered: %s: %s\n", qPrintable(title), qPrintable(text));
            return false;
        };
        p.chooseExportFile = [](QWidget*, const QString&, const QString&, QString*) { return QString(); };
        p.runMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            // an item as it reads, without the mark of its access key
            for (QAction* a : menu.actions())
                if (!a->isSeparator() && QString(a->text()).remove(QLatin1Char('&')) == m_menuChoice)
                    return a;
            note(QStringLiteral("the chart menu has no item \"%1\"").arg(m_menuChoice));
            return nullptr;
        };
        p.now = [this] { return m_now; };
        session.windows().setExitFunction([this] { note(QStringLiteral("the program asked to end")); });
    }

    QWidget* window(WindowId id) const { return m_session.windows().window(id); }

    template <class T = QWidget> T* child(WindowId id, const char* name) const
    {
        QWidget* w = window(id);
        T* c = w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
        if (c == nullptr)
            note(QStringLiteral("no control %1").arg(QLatin1String(name)));
        return c;
    }

    /// Handles everything that is waiting: posted events, zero timers, the queued replots.
    static void settle()
    {
        for (int i = 0; i < 4; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

    /// Saves the window's grab as the next picture.
    void shoot(WindowId id, const QString& state)
    {
        settle();
        QWidget* w = window(id);
        if (w == nullptr || !w->isVisible()) {
            note(QStringLiteral("window %1 is not up for %2").arg(static_cast<int>(id)).arg(state));
            if (w == nullptr)
                return;
        }
        const QString name =
            QStringLiteral("%1-%2-%3.png")
                .arg(++m_count, 3, 10, QLatin1Char('0'))
                .arg(QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1), state);
        if (!w->grab().save(m_out.filePath(name)))
            note(QStringLiteral("could not write %1").arg(name));
    }

    void click(WindowId id, const char* name)
    {
        if (QWidget* w = child(id, name)) {
            if (!w->isEnabled())
                note(QStringLiteral("%1 is disabled").arg(QLatin1String(name)));
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        }
    }

    /// Takes an item of the chart's own menu, opened with the Menu key.
    void menu(WindowId id, const QString& item)
    {
        m_menuChoice = item;
        if (QWidget* chart = child(id, "MSChart1"))
            QTest::keyClick(chart, Qt::Key_Menu);
        m_menuChoice.clear();
    }

    /// Replaces a field's text by typing, then presses Enter in it.
    void typeAndEnter(const char* name, const QString& typed)
    {
        if (auto* e = child<QLineEdit>(WindowId::Main, name)) {
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, typed);
            QTest::keyClick(e, Qt::Key_Return);
        }
    }

    /// Waits for the main window's clock to have ticked once: from then on it shows the fixed time.
    void clockShown()
    {
        auto* clock = child<QLabel>(WindowId::Main, "lblLabel6");
        if (clock && !QTest::qWaitFor([clock] { return !clock->text().isEmpty(); }, 5000))
            note(QStringLiteral("the clock did not tick"));
    }

    /// One tick of the title window at the given second of the clock (its own timer is stopped).
    void titleTick(int second)
    {
        m_now = FixedNow.addSecs(second - FixedNow.time().second());
        if (auto* timer = child<QTimer>(WindowId::Title, "tmrTimer1")) {
            timer->stop();
            QMetaObject::invokeMethod(timer, "timeout");
        }
        m_now = FixedNow;
    }

    /// Something that keeps the series from being what it should be: the run ends with status 1.
    void note(const QString& text) const
    {
        std::fprintf(stderr, "vorlenza-shots: %s\n", qPrintable(text));
        ++m_notes;
    }
    int notes() const { return m_notes; }
    int count() const { return m_count; }

private:
    Session& m_session;
    QDir m_out;
    QDateTime m_now = FixedNow;
    QString m_menuChoice;
    int m_count = 0;
    mutable int m_notes = 0;
};

void shootAll(Shooter& s, Session& session)
{
    using W = WindowId;
    WindowRegistry& windows = session.windows();

    // Start-up: the background and the title window, the main window loaded but hidden.
    windows.load(W::Main);
    if (auto* timer = s.child<QTimer>(W::Title, "tmrTimer1"))
        timer->stop();
    s.shoot(W::Background, QStringLiteral("startup"));
    s.titleTick(30);
    s.shoot(W::Title, QStringLiteral("second30"));
    s.titleTick(47);
    s.shoot(W::Title, QStringLiteral("second47"));
    if (QWidget* title = s.window(W::Title))
        QTest::keyClick(title, Qt::Key_Space);

    s.clockShown();
    s.shoot(W::Main, QStringLiteral("fresh"));
    s.click(W::Main, "cmdRun");
    s.shoot(W::Main, QStringLiteral("run"));
    for (int i = 1; i <= 8; ++i) {
        s.click(W::Main, "MSChart1");
        s.shoot(W::Main, QStringLiteral("chartclick%1").arg(i));
    }
    for (const char* button : {"cmdShowNvsT", "cmdShowDNvsT", "cmdIsoclines", "cmdShowN1vsN2"}) {
        s.click(W::Main, button);
        s.shoot(W::Main, QLatin1String(button));
    }
    s.menu(W::Main, QStringLiteral("Direction arrows"));
    s.shoot(W::Main, QStringLiteral("arrows"));
    s.click(W::Main, "cmdIsoclines");
    s.shoot(W::Main, QStringLiteral("arrows-cmdIsoclines"));
    s.menu(W::Main, QStringLiteral("Direction arrows"));
    s.shoot(W::Main, QStringLiteral("arrows-off"));
    for (int set = 1; set <= 3; ++set) {
        s.click(W::Main, QStringLiteral("cmdUseData%1").arg(set).toLatin1().constData());
        s.shoot(W::Main, QStringLiteral("preset%1").arg(set));
        s.click(W::Main, "cmdRun");
        s.shoot(W::Main, QStringLiteral("preset%1-run").arg(set));
    }

    // The large graph window, drawn from the last run.
    s.click(W::Main, "cmdLargeGraph");
    s.shoot(W::Large, QStringLiteral("open"));
    for (int i = 1; i <= 8; ++i) {
        s.click(W::Large, "MSChart1");
        s.shoot(W::Large, QStringLiteral("chartclick%1").arg(i));
    }
    for (const char* button : {"Command2", "Command3", "Command7", "cmdN1N2andIsoclines", "Command1"}) {
        s.click(W::Large, button);
        s.shoot(W::Large, QLatin1String(button));
    }
    s.menu(W::Large, QStringLiteral("Direction arrows"));
    s.shoot(W::Large, QStringLiteral("arrows"));
    s.menu(W::Large, QStringLiteral("Direction arrows"));
    s.click(W::Large, "command4");
    s.shoot(W::Main, QStringLiteral("back-from-large"));

    // From the first data set, in each of the nine fields: a text no field accepts, then a number
    // with a tail that only the lenient fields accept, each confirmed with Enter; then a run.
    s.click(W::Main, "cmdUseData1");
    for (const char* field :
         {"txtRrateA", "txtA0", "txtK1", "txtU", "txtRrateB", "txtB0", "txtK2", "txtV", "txtSimut"}) {
        s.typeAndEnter(field, QStringLiteral("x"));
        s.shoot(W::Main, QStringLiteral("bad-%1").arg(QLatin1String(field)));
        s.typeAndEnter(field, QStringLiteral("7x"));
        s.shoot(W::Main, QStringLiteral("tail-%1").arg(QLatin1String(field)));
    }
    s.click(W::Main, "cmdRun");
    s.shoot(W::Main, QStringLiteral("bad-run"));
    // A number with an exponent, confirmed with Enter.
    s.typeAndEnter("txtK1", QStringLiteral("1e3"));
    s.shoot(W::Main, QStringLiteral("txtK1-1e3"));

    // The companion windows, each put up on its own.
    const std::pair<W, const char*> companions[] = {
        {W::Introduction, "introduction"},
        {W::References, "references"},
        {W::HowTo, "howto"},
        {W::About, "about"},
        {W::Dedication, "dedication"},
        {W::Quiz, "quiz"},
    };
    for (const auto& [id, state] : companions) {
        windows.show(id);
        s.shoot(id, QLatin1String(state));
        windows.hide(id);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The pictures must not depend on the machine: offscreen, English, the C locale.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANGUAGE", "en");
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlenza-shots <output folder>\n");
        return 2;
    }
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vorlenza-shots: cannot make %s\n", argv[1]);
        return 2;
    }
    Translations translations;
    translations.use(QLocale::system().uiLanguages());
    setUpApplication();
    // A focused text field's cursor is drawn steadily instead of blinking with the wall clock.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    QElapsedTimer clock;
    clock.start();
    int notes = 0;
    int count = 0;
    {
        Session session;
        registerWindows(session);
        Shooter shooter(session, QString::fromLocal8Bit(argv[1]));
        shootAll(shooter, session);
        notes = shooter.notes();
        count = shooter.count();
        session.windows().destroyAll();
    }
    std::fprintf(stderr, "vorlenza-shots: %d pictures in %s (%lld ms), %d notes\n", count, argv[1],
                 static_cast<long long>(clock.elapsed()), notes);
    return notes == 0 ? 0 : 1;
}
