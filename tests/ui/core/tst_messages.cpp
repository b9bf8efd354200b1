// The program's own messages: Escape closes each of them as "OK" does.

#include "Session.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vorlenza;

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void escapeClosesEveryMessage_data()
    {
        QTest::addColumn<bool>("offersPdf");
        QTest::newRow("a problem (OK alone)") << false;
        QTest::newRow("a failed print (OK beside Save as PDF…)") << true;
    }
    void escapeClosesEveryMessage()
    {
        QFETCH(bool, offersPdf);
        Session session;
        int escapes = 0;
        bool stayed = false;
        QTimer press;
        connect(&press, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            if (++escapes > 1) { // Escape did not close it: close it another way
                stayed = true;
                box->done(0);
                return;
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        press.start(50);
        const Platform& platform = session.platform();
        const bool saved =
            offersPdf ? platform.offerSaveAsPdf(nullptr, QStringLiteral("Vorlenza"), QStringLiteral("x"))
                      : (platform.reportProblem(nullptr, QStringLiteral("Vorlenza"), QStringLiteral("x")), false);
        press.stop();
        QVERIFY(!stayed);
        QCOMPARE(escapes, 1);
        QVERIFY(!saved); // Escape is "OK", never "Save as PDF…"
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
