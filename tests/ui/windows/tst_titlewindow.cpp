// The start of the program: background and title windows, the jumping word, and the ways past
// the title window to the main window.

#include "WindowsHarness.h"
#include "frmTitlform.h"
#include "twips.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace {
const char* const kWordLabels[] = {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label1_4"};

QLabel* word(const WindowsHarness& h, int index)
{
    return h.child<QLabel>(WindowId::Title, kWordLabels[index]);
}

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

private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void init()
    {
        h = std::make_unique<WindowsHarness>();
        h->startUp();
    }
    void cleanup() { h.reset(); }

    void startUpShowsBackgroundAndTitleWithMainHidden()
    {
        QVERIFY(h->visible(WindowId::Background));
        QVERIFY(h->visible(WindowId::Title));
        QVERIFY(h->window(WindowId::Main));
        QVERIFY(!h->visible(WindowId::Main));

        QWidget* back = h->window(WindowId::Background);
        QVERIFY(back->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(back->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
        QCOMPARE(back->geometry(), back->screen()->availableGeometry());
        QCOMPARE(back->palette().color(QPalette::Window), QColor(0, 0, 0x40));

        QWidget* title = h->window(WindowId::Title);
        QVERIFY(title->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(title->size(), twips::size(10637, 7051));
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
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("back");
        QTest::addRow("prompt") << "Label2" << QRect(1080, 1920, 1935, 1215) << 14.4 << true
                                << int(Qt::AlignHCenter) << QColor(255, 0, 0);
        QTest::addRow("place 0") << "Label1_0" << QRect(5160, 1920, 5172, 972) << 36.0 << false
                                 << int(Qt::AlignRight) << QColor(0, 0, 0x80);
        QTest::addRow("place 1") << "Label1_1" << QRect(2640, 360, 6132, 1332) << 48.0 << true
                                 << int(Qt::AlignLeft) << QColor(0, 0, 0x80);
        QTest::addRow("place 2") << "Label1_2" << QRect(240, 3840, 5652, 1332) << 48.0 << false
                                 << int(Qt::AlignHCenter) << QColor(0, 0, 0x80);
        QTest::addRow("place 3") << "Label1_3" << QRect(4320, 5400, 5892, 1332) << 48.0 << false
                                 << int(Qt::AlignLeft) << QColor(0, 0, 0x80);
        QTest::addRow("place 4") << "Label1_4" << QRect(5040, 3240, 5172, 972) << 48.0 << false
                                 << int(Qt::AlignHCenter) << QColor(0, 0, 0x80);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twipsRect);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, alignment);
        QFETCH(QColor, back);
        auto* l = h->child<QLabel>(WindowId::Title, name.toLatin1().constData());
        QVERIFY(l);
        const QRect want(qRound(twipsRect.x() / 15.0), qRound(twipsRect.y() / 15.0),
                         qRound(twipsRect.width() / 15.0), qRound(twipsRect.height() / 15.0));
        const QRect got = l->geometry();
        QVERIFY2(qAbs(got.x() - want.x()) <= 1 && qAbs(got.y() - want.y()) <= 1 &&
                     qAbs(got.width() - want.width()) <= 1 && qAbs(got.height() - want.height()) <= 1,
                 qPrintable(name));
        QCOMPARE(l->font().pixelSize(), qRound(points * 96 / 72));
        QCOMPARE(l->font().bold(), bold);
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(int(l->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(l->palette().color(l->foregroundRole()), QColor(255, 255, 0));
        QCOMPARE(l->palette().color(QPalette::Window), back);
        // The custom pointer shows over the label too.
        QCOMPARE(l->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(l->cursor().hotSpot(), QPoint(12, 1));
        if (name.startsWith(QLatin1String("Label1_")))
            QCOMPARE(l->text(), QStringLiteral("Vorlenza"));
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

    void firstWordNeverAtPlaceZero_data()
    {
        QTest::addColumn<int>("second");
        for (int s = 0; s < 60; ++s)
            QTest::addRow("second %d", s) << s;
    }
    void firstWordNeverAtPlaceZero()
    {
        QFETCH(int, second);
        h->now.setTime(QTime(7, 8, second));
        tick(h->window(WindowId::Title));
        const QList<int> shown = shownPlaces(*h);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first() >= 1 && shown.first() <= 4);
        QCOMPARE(int(h->session.titlePreviousIndex), shown.first());
    }

    void wordNeverStaysInPlace_data()
    {
        QTest::addColumn<QList<int>>("seconds");
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
        int before = -1;
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

    void endPlacesAreHalfAsLikely()
    {
        std::array<int, 5> counts{};
        const int n = 80000;
        for (int i = 0; i < n; ++i)
            ++counts[static_cast<std::size_t>(titlePlaceFor((i + 0.5) / n))];
        QCOMPARE(counts[0], n / 8);
        QCOMPARE(counts[1], n / 4);
        QCOMPARE(counts[2], n / 4);
        QCOMPARE(counts[3], n / 4);
        QCOMPARE(counts[4], n / 8);
    }

    void everySecondGivesAnotherPlace()
    {
        for (int second = 0; second < 60; ++second)
            for (int previous = 0; previous < 5; ++previous) {
                const int place = nextTitlePlace(second, previous);
                QVERIFY(place >= 0 && place <= 4);
                QVERIFY(place != previous);
                // Reseeded with the second: the same second and place give the same next place.
                QCOMPARE(nextTitlePlace(second, previous), place);
            }
    }

    void characterKeysDismiss_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("dismisses");
        QTest::addRow("Enter") << int(Qt::Key_Return) << true;
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::addRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::addRow("Space") << int(Qt::Key_Space) << true;
        QTest::addRow("letter") << int(Qt::Key_Q) << true;
        QTest::addRow("digit") << int(Qt::Key_7) << true;
        QTest::addRow("left arrow") << int(Qt::Key_Left) << false;
        QTest::addRow("down arrow") << int(Qt::Key_Down) << false;
        QTest::addRow("F1") << int(Qt::Key_F1) << false;
        QTest::addRow("F5") << int(Qt::Key_F5) << false;
        QTest::addRow("Shift alone") << int(Qt::Key_Shift) << false;
    }
    void characterKeysDismiss()
    {
        QFETCH(int, key);
        QFETCH(bool, dismisses);
        QWidget* title = h->window(WindowId::Title);
        QTest::keyClick(title, Qt::Key(key));
        QCOMPARE(h->visible(WindowId::Title), !dismisses);
        QCOMPARE(h->visible(WindowId::Main), dismisses);
        // Hidden, not destroyed.
        QVERIFY(h->window(WindowId::Title));
        QVERIFY(h->visible(WindowId::Background));
    }

    void clicksDismiss_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("afterTick");
        QTest::addColumn<bool>("doubleClick");
        QTest::addRow("empty area") << "" << false << false;
        QTest::addRow("prompt") << "Label2" << false << false;
        QTest::addRow("prompt, double") << "Label2" << false << true;
        QTest::addRow("invisible word") << "Label1_2" << false << false;
        QTest::addRow("invisible word, double") << "Label1_4" << false << true;
        QTest::addRow("visible word") << "shown" << true << false;
        QTest::addRow("visible word, double") << "shown" << true << true;
        QTest::addRow("window, double") << "" << false << true;
    }
    void clicksDismiss()
    {
        QFETCH(QString, where);
        QFETCH(bool, afterTick);
        QFETCH(bool, doubleClick);
        QWidget* title = h->window(WindowId::Title);
        if (afterTick)
            tick(title);
        QWidget* target = title;
        QPoint at(20, title->height() - 20);
        if (where == QLatin1String("shown")) {
            target = word(*h, h->session.titleCurrentIndex);
            at = target->rect().center();
            QVERIFY(target->isVisible());
        } else if (!where.isEmpty()) {
            auto* l = h->child<QLabel>(WindowId::Title, where.toLatin1().constData());
            QVERIFY(l);
            if (l->isVisible()) {
                target = l;
                at = l->rect().center();
            } else {
                // Nothing is drawn there: the click lands on the window itself.
                at = l->geometry().center();
                QCOMPARE(title->childAt(at), nullptr);
            }
        }
        if (doubleClick) {
            // The double-click alone, without the click that comes before it.
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), target->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dbl);
        } else {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
        QVERIFY(!h->visible(WindowId::Title));
        QVERIFY(h->visible(WindowId::Main));
    }

    void pressAloneDoesNotDismiss()
    {
        QWidget* title = h->window(WindowId::Title);
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(h->visible(WindowId::Title));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!h->visible(WindowId::Title));
    }

    void closeRequestBringsUpTheMainWindow()
    {
        QWidget* title = h->window(WindowId::Title);
        QVERIFY(!title->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(h->window(WindowId::Title), title);
        QVERIFY(!title->isVisible());
        QVERIFY(h->visible(WindowId::Main));
    }

    void mainWindowComesUpReadyWithRunFocused()
    {
        QTest::keyClick(h->window(WindowId::Title), Qt::Key_Space);
        QWidget* main = h->window(WindowId::Main);
        QVERIFY(main->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(main));
        QVERIFY(main->focusWidget());
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("cmdRun"));
        QVERIFY(main->focusWidget()->isEnabled());
    }

    void hiddenTitleStopsMoving()
    {
        auto* timer = h->window(WindowId::Title)->findChild<QTimer*>(QStringLiteral("tmrTimer1"));
        QTest::keyClick(h->window(WindowId::Title), Qt::Key_A);
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(TstTitleWindow)
#include "tst_titlewindow.moc"
