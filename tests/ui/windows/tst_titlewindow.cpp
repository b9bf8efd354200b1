// The start of the program: background and title windows, the jumping word, and the ways past
// the title window to the main window.

#include "WindowsHarness.h"
#include "frmTitlform.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <tuple>

using namespace vorlenza;

namespace {
const char* const kWordLabels[] = {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label1_4"};

QLabel* word(const WindowsHarness& h, int index) { return h.child<QLabel>(WindowId::Title, kWordLabels[index]); }

/// The places where the word is visible now.
QList<int> shownPlaces(const WindowsHarness& h)
{
    QList<int> shown;
    for (int i = 0; i < frmTitlform::Places; ++i)
        if (word(h, i) && word(h, i)->isVisible())
            shown << i;
    return shown;
}

void tick(QWidget* title) { QVERIFY(QMetaObject::invokeMethod(title, "tmrTimer1_Timer")); }
} // namespace

class TstTitleWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowsHarness> h;
    QStringList startUpSteps;

private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void init()
    {
        h = std::make_unique<WindowsHarness>();
        WindowTrail trail(h->session);
        h->startUp();
        startUpSteps = trail.known();
    }
    void cleanup() { h.reset(); }

    void startUpShowsBackgroundAndTitleWithMainHidden()
    {
        // The main window's load puts up the background, then the title window, and stays hidden.
        QCOMPARE(startUpSteps, QStringList({"show Background", "show Title"}));
        QVERIFY(h->window(WindowId::Main));
        QCOMPARE(h->upNow(), QList<WindowId>{WindowId::Title});

        QWidget* back = h->window(WindowId::Background);
        QVERIFY(back->isVisible());
        QVERIFY(back->windowState() & Qt::WindowMaximized);
        QVERIFY(back->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(back->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
        QCOMPARE(back->geometry(), back->screen()->availableGeometry());
        QCOMPARE(back->palette().color(QPalette::Window), QColor(0, 0, 0x40));

        QWidget* title = h->window(WindowId::Title);
        QVERIFY(title->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!title->isMaximized());
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 0, 0x40));
        const QPoint off = title->geometry().center() - title->screen()->availableGeometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, "title window not centred");
        QVERIFY(shownPlaces(*h).isEmpty());
        auto* prompt = h->child<QLabel>(WindowId::Title, "Label2");
        QVERIFY(prompt && prompt->isVisible());
        QCOMPARE(prompt->text(), QStringLiteral("Press any key or click mouse to start."));
    }

    void backgroundRefusesCloseRequests()
    {
        QWidget* back = h->window(WindowId::Background);
        QVERIFY(!back->close());
        QVERIFY(h->visible(WindowId::Background));
    }

    void clickOnTheBackgroundBringsTheWorkingWindowBack()
    {
        QWidget* back = h->window(WindowId::Background);
        QWidget* title = h->window(WindowId::Title);
        back->activateWindow();
        QTRY_VERIFY(back->isActiveWindow());
        QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(title->isActiveWindow());
        QVERIFY(h->visible(WindowId::Title));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twipsRect");
        QTest::addRow("prompt") << "Label2" << QRect(1080, 1920, 1935, 1215);
        QTest::addRow("place 0") << "Label1_0" << QRect(5160, 1920, 5172, 972);
        QTest::addRow("place 1") << "Label1_1" << QRect(2640, 360, 6132, 1332);
        QTest::addRow("place 2") << "Label1_2" << QRect(240, 3840, 5652, 1332);
        QTest::addRow("place 3") << "Label1_3" << QRect(4320, 5400, 5892, 1332);
        QTest::addRow("place 4") << "Label1_4" << QRect(5040, 3240, 5172, 972);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twipsRect);
        auto* l = h->child<QLabel>(WindowId::Title, name.toLatin1().constData());
        QVERIFY(l);
        QVERIFY2(misplaced(l, twipsRect).isEmpty(), qPrintable(misplaced(l, twipsRect)));
        if (name.startsWith(QLatin1String("Label1_")))
            QCOMPARE(l->text(), QStringLiteral("Vorlenza"));
        // The custom pointer shows over the label too.
        QCOMPARE(l->cursor().hotSpot(), QPoint(12, 1));
        // Every stroke of the text lies inside the label (the word has no descenders, so its
        // line may be taller than the label).
        const QFontMetrics fm(l->font());
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = fm.boundingRect(QRect(0, 0, l->contentsRect().width(), 10000), flags, l->text());
        QVERIFY(needed.width() <= l->contentsRect().width());
        const int lines = needed.height() / fm.lineSpacing();
        const int inkBottom = (lines - 1) * fm.lineSpacing() + fm.ascent() + fm.tightBoundingRect(l->text()).bottom();
        QVERIFY2(inkBottom <= l->contentsRect().height(), qPrintable(QString::number(inkBottom)));
    }

    void noWordUntilTheFirstTickThenExactlyOne()
    {
        auto* timer = h->window(WindowId::Title)->findChild<QTimer*>(QStringLiteral("tmrTimer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        QTest::qWait(420);
        QVERIFY(shownPlaces(*h).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(shownPlaces(*h).size(), 1, 600);
        QCOMPARE(shownPlaces(*h).first(), int(h->session.titleCurrentIndex));
    }

    void wordNeverStaysInPlace_data()
    {
        QTest::addColumn<QList<int>>("seconds"); // the clock's second at each tick
        // The first word never shows at place 0, where the previous place starts.
        for (int s = 0; s < 60; ++s)
            QTest::addRow("first tick at second %d", s) << QList<int>{s};
        QTest::addRow("one clock second") << QList<int>(40, 33);
        QTest::addRow("second 0 throughout") << QList<int>(40, 0);
        QList<int> running;
        for (int i = 0; i < 120; ++i)
            running << (i / 2) % 60;
        QTest::addRow("two ticks a second") << running;
    }
    void wordNeverStaysInPlace()
    {
        QFETCH(QList<int>, seconds);
        QWidget* title = h->window(WindowId::Title);
        int before = 0;
        for (int s : seconds) {
            h->now.setTime(QTime(7, 8, s));
            tick(title);
            const QList<int> shown = shownPlaces(*h);
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown.first() != before);
            QCOMPARE(shown.first(), int(h->session.titleCurrentIndex));
            QCOMPARE(h->session.titlePreviousIndex, h->session.titleCurrentIndex);
            before = shown.first();
        }
    }

    void roundingHalfToEven_data()
    {
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("place");
        QTest::addRow("zero") << 0.0 << 0;
        QTest::addRow("just under 0.5") << 0.124999 << 0;
        QTest::addRow("0.5 to even 0") << 0.125 << 0;
        QTest::addRow("just over 0.5") << 0.125001 << 1;
        QTest::addRow("1.5 to even 2") << 0.375 << 2;
        QTest::addRow("2.5 to even 2") << 0.625 << 2;
        QTest::addRow("just over 2.5") << 0.625001 << 3;
        QTest::addRow("3.5 to even 4") << 0.875 << 4;
        QTest::addRow("just under 3.5") << 0.874999 << 3;
        QTest::addRow("just under 1") << 0.9999999 << 4;
    }
    void roundingHalfToEven()
    {
        QFETCH(double, u);
        QFETCH(int, place);
        QCOMPARE(titlePlaceFor(u), place);
    }

    void everySecondGivesAnotherPlace()
    {
        // Reseeded with the second, the 32-bit Mersenne Twister (std::mt19937) gives these next
        // places: row = the second, column = the previous place (computed independently of the program).
        const char* const known[60] = {
            "22322", "22422", "22122", "22022", "44442", "10111", "44441", "10000", "33303", "10000", "33313", "10111",
            "12111", "33323", "22422", "33313", "12111", "12111", "33303", "20000", "22422", "30000", "13111", "22322",
            "44441", "33323", "13111", "22322", "33313", "33313", "33343", "10111", "33303", "13111", "10000", "22122",
            "33303", "44441", "22422", "22022", "22322", "13111", "13111", "20000", "33323", "44441", "33313", "30000",
            "20000", "12111", "22122", "33313", "33303", "33323", "22122", "30000", "44440", "20000", "13111", "44443",
        };
        for (int second = 0; second < 60; ++second)
            for (int previous = 0; previous < 5; ++previous) {
                const int place = nextTitlePlace(second, previous);
                QVERIFY(place >= 0 && place <= 4 && place != previous);
                QCOMPARE(place, known[second][previous] - '0');
            }
    }

    void waysPast_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("dismisses");
        // Keys that produce a character dismiss; arrows, function keys and a modifier alone do not.
        const std::tuple<const char*, Qt::Key, bool> keys[] = {{"Enter", Qt::Key_Return, true},
                                                               {"keypad Enter", Qt::Key_Enter, true},
                                                               {"Escape", Qt::Key_Escape, true},
                                                               {"Space", Qt::Key_Space, true},
                                                               {"letter", Qt::Key_Q, true},
                                                               {"digit", Qt::Key_7, true},
                                                               {"left arrow", Qt::Key_Left, false},
                                                               {"down arrow", Qt::Key_Down, false},
                                                               {"F1", Qt::Key_F1, false},
                                                               {"F5", Qt::Key_F5, false},
                                                               {"Shift alone", Qt::Key_Shift, false}};
        for (const auto& [name, key, dismisses] : keys)
            QTest::addRow("%s", name) << QStringLiteral("key %1").arg(int(key)) << dismisses;
        // Any click or double-click: on the window, on the prompt, where a word is not shown (the
        // window gets it) or on the word shown after a tick; and a close request from the system.
        for (const char* how : {"click window", "double window", "click Label2", "double Label2", "click Label1_2",
                                "double Label1_4", "click shown", "double shown", "close"})
            QTest::addRow("%s", how) << how << true;
        QTest::addRow("press without release") << "press" << false;
    }
    void waysPast()
    {
        QFETCH(QString, how);
        QFETCH(bool, dismisses);
        QWidget* title = h->window(WindowId::Title);
        const QStringList part = how.split(QLatin1Char(' '));
        if (part[0] == QLatin1String("key")) {
            QTest::keyClick(title, Qt::Key(part[1].toInt()));
        } else if (how == QLatin1String("press")) {
            QTest::mousePress(title, Qt::LeftButton, {}, QPoint(20, 20));
        } else if (how == QLatin1String("close")) {
            QVERIFY(!title->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            QWidget* target = title;
            QPoint at(20, title->height() - 20);
            if (part[1] == QLatin1String("shown")) {
                tick(title);
                target = word(*h, h->session.titleCurrentIndex);
                at = target->rect().center();
                QVERIFY(target->isVisible());
            } else if (part[1] != QLatin1String("window")) {
                auto* l = h->child<QLabel>(WindowId::Title, qPrintable(part[1]));
                QVERIFY(l);
                target = l->isVisible() ? static_cast<QWidget*>(l) : title;
                at = l->isVisible() ? l->rect().center() : l->geometry().center();
                // Where nothing is drawn the click lands on the window itself.
                QVERIFY(l->isVisible() || title->childAt(at) == nullptr);
            }
            if (part[0] == QLatin1String("double")) {
                // The double-click alone, without the click that comes before it.
                QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), target->mapToGlobal(QPointF(at)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(target, &dbl);
            } else {
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
            }
        }
        QCOMPARE(h->visible(WindowId::Title), !dismisses);
        QCOMPARE(h->visible(WindowId::Main), dismisses);
        // Hidden, not destroyed, and the word stops moving.
        QCOMPARE(h->window(WindowId::Title), title);
        QVERIFY(h->visible(WindowId::Background));
        QCOMPARE(title->findChild<QTimer*>(QStringLiteral("tmrTimer1"))->isActive(), !dismisses);
        if (dismisses) { // the main window comes up ready, Run focused
            QWidget* main = h->window(WindowId::Main);
            QVERIFY(QTest::qWaitForWindowActive(main));
            QVERIFY(main->focusWidget() && main->focusWidget()->isEnabled());
            QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("cmdRun"));
        }
        if (how == QLatin1String("press")) { // the release completes the click
            QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(20, 20));
            QVERIFY(!h->visible(WindowId::Title));
        }
    }
};

QTEST_MAIN(TstTitleWindow)
#include "tst_titlewindow.moc"
