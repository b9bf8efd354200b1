// What a window manager shows of the windows: the caption of each window as the X server holds
// it, and the quiz picture placed with the frame the window really gets. Runs on Xvfb with
// openbox (see under-window-manager.sh); skips on other platforms.

#include "../windows/WindowsHarness.h"
#include "AppSetup.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

#include <memory>

using namespace vorlenza;

namespace {

/// The caption the window manager draws: the window's _NET_WM_NAME, read with xprop.
QString wmName(const QWidget* w)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(5000))
        return QStringLiteral("<xprop did not answer>");
    // _NET_WM_NAME(UTF8_STRING) = "References"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = out.indexOf(QLatin1Char('"'));
    const qsizetype last = out.lastIndexOf(QLatin1Char('"'));
    return first >= 0 && last > first ? out.mid(first + 1, last - first - 1) : out;
}

/// Whether the shown window has been framed by the window manager.
bool framed(const QWidget* w) { return w->frameGeometry().size() != w->size(); }

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowsHarness> h;

    QWidget* open(WindowId id)
    {
        if (id != WindowId::Main)
            h->windows().hide(WindowId::Main);
        QWidget* w = h->windows().show(id);
        if (w && !QTest::qWaitForWindowExposed(w))
            qWarning("window not exposed");
        return w;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display with a window manager (run through under-window-manager.sh)");
        setUpApplication();
    }
    void init()
    {
        h = std::make_unique<WindowsHarness>();
        h->reachMain();
    }
    void cleanup() { h.reset(); }

    void captions_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("caption");
        QTest::addRow("main") << WindowId::Main << "Vorlenza";
        QTest::addRow("large graph") << WindowId::Large << "Form2";
        QTest::addRow("introduction") << WindowId::Introduction << "Introduction";
        QTest::addRow("references") << WindowId::References << "References";
        QTest::addRow("how-to") << WindowId::HowTo << "How to";
        QTest::addRow("about") << WindowId::About << "Copyright";
        QTest::addRow("dedication") << WindowId::Dedication << "Dedication";
        QTest::addRow("quiz") << WindowId::Quiz << "Quiz";
    }
    void captions()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, caption);
        if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            QSKIP("xprop (x11-utils) is not installed");
        QWidget* w = open(id);
        QVERIFY(w);
        QTRY_COMPARE(wmName(w), caption);
    }

    void quizPictureWithTheRealFrame()
    {
        QPointer<QWidget> quiz = open(WindowId::Quiz);
        QVERIFY(quiz);
        QTRY_VERIFY_WITH_TIMEOUT(framed(quiz), 3000);
        const QSize frame = quiz->frameGeometry().size() - quiz->size();
        // The guessed frame would give the same place and prove nothing.
        QVERIFY2(frame != QSize(8, 30), "the window manager's frame is the guessed one");
        auto* img = quiz->findChild<QLabel*>(QStringLiteral("imgImage1"));
        QVERIFY(img);
        // Centred across the outer width, 400 twips above the middle of the outer height.
        const QSize outer = quiz->frameGeometry().size() * 15;
        const QPoint expected(qRound((outer.width() - 7200) / 2 / 15.0),
                              qRound(((outer.height() - 5064) / 2 - 400) / 15.0));
        QTRY_VERIFY2((img->pos() - expected).manhattanLength() <= 1,
                     qPrintable(QStringLiteral("at %1,%2, expected %3,%4 in a frame of %5x%6")
                                    .arg(img->x())
                                    .arg(img->y())
                                    .arg(expected.x())
                                    .arg(expected.y())
                                    .arg(frame.width())
                                    .arg(frame.height())));
        const QPoint first = img->pos();

        // Hidden and shown again: not placed anew. Closed and opened again: the same place.
        h->click(WindowId::Quiz, "Command1");
        open(WindowId::Quiz);
        QTest::qWait(200);
        QCOMPARE(img->pos(), first);
        WindowsHarness::closeByFrame(quiz);
        QVERIFY(!quiz);
        QWidget* again = open(WindowId::Quiz);
        QTRY_VERIFY(framed(again));
        QTRY_COMPARE(again->findChild<QLabel*>(QStringLiteral("imgImage1"))->pos(), first);
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
