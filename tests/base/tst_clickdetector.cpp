// A click is a left press followed by a left release inside the widget, and nothing else.

#include "ClickDetector.h"

#include <QMouseEvent>
#include <QtTest>

using namespace vorlenza;

namespace {

const QRect kArea(0, 0, 40, 20);

Qt::MouseButton button(QChar c)
{
    switch (c.toLatin1()) {
    case 'L': return Qt::LeftButton;
    case 'R': return Qt::RightButton;
    default: return Qt::MiddleButton;
    }
}

QMouseEvent mouse(QEvent::Type type, Qt::MouseButton b, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(b) : Qt::NoButton;
    return QMouseEvent(type, QPointF(at), QPointF(at), b, held, Qt::NoModifier);
}

} // namespace

class TestClickDetector : public QObject {
    Q_OBJECT
private slots:
    void gestures_data();
    void gestures();
    void edgesOfTheArea_data();
    void edgesOfTheArea();
};

// Steps: "P<b>" presses button b (L, R, M) inside, "R<b>" releases it inside, "O<b>" releases it
// outside. `clicks` has one digit per release: 1 where that release completes a click.
void TestClickDetector::gestures_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("clicks");
    QTest::newRow("left press and release inside") << "PL RL"
                                                   << "1";
    QTest::newRow("release outside") << "PL OL"
                                     << "0";
    QTest::newRow("release without a press") << "RL"
                                             << "0";
    QTest::newRow("right button") << "PR RR"
                                  << "0";
    QTest::newRow("middle button") << "PM RM"
                                   << "0";
    QTest::newRow("left press, right release") << "PL RR"
                                               << "0";
    QTest::newRow("right press, left release") << "PR RL"
                                               << "0";
    QTest::newRow("a later right press forgets the left press") << "PL PR RL"
                                                                << "0";
    QTest::newRow("a later left press keeps the gesture") << "PR PL RL"
                                                          << "1";
    QTest::newRow("one press, one click") << "PL RL RL"
                                          << "10";
    QTest::newRow("a release of another button ends the gesture") << "PL RR RL"
                                                                  << "00";
    QTest::newRow("a release outside ends the gesture") << "PL OL RL"
                                                        << "00";
    QTest::newRow("two clicks") << "PL RL PL RL"
                                << "11";
}

void TestClickDetector::gestures()
{
    QFETCH(QString, steps);
    QFETCH(QString, clicks);
    ClickDetector detector;
    QString seen;
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        const Qt::MouseButton b = button(step.at(1));
        if (step.at(0) == QLatin1Char('P')) {
            const QMouseEvent e = mouse(QEvent::MouseButtonPress, b, QPoint(10, 10));
            detector.press(&e);
        } else {
            const QPoint at = step.at(0) == QLatin1Char('O') ? QPoint(50, 10) : QPoint(10, 10);
            const QMouseEvent e = mouse(QEvent::MouseButtonRelease, b, at);
            seen += detector.release(&e, kArea) ? QLatin1Char('1') : QLatin1Char('0');
        }
    }
    QCOMPARE(seen, clicks);
}

void TestClickDetector::edgesOfTheArea_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("click");
    QTest::newRow("top left corner") << QPoint(0, 0) << true;
    QTest::newRow("bottom right pixel") << QPoint(39, 19) << true;
    QTest::newRow("just right of it") << QPoint(40, 10) << false;
    QTest::newRow("just below it") << QPoint(10, 20) << false;
    QTest::newRow("left of it") << QPoint(-1, 10) << false;
    QTest::newRow("above it") << QPoint(10, -1) << false;
}

void TestClickDetector::edgesOfTheArea()
{
    QFETCH(QPoint, at);
    QFETCH(bool, click);
    ClickDetector detector;
    const QMouseEvent press = mouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
    detector.press(&press);
    const QMouseEvent release = mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at);
    QCOMPARE(detector.release(&release, kArea), click);
}

QTEST_GUILESS_MAIN(TestClickDetector)
#include "tst_clickdetector.moc"
