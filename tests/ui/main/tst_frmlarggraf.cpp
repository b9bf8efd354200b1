#include "MainSuite.h"

#include <QPointer>
#include <QTemporaryDir>

namespace {

QPushButton* largeButton(MainHarness& h, const char* name)
{
    return h.large() ? h.large()->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
}

/// Opens the large window the way the user does: a run, then "Large".
bool openLarge(MainHarness& h)
{
    if (!h.main())
        h.showMain();
    if (!h.button("cmdLargeGraph")->isEnabled())
        h.click("cmdRun");
    h.click("cmdLargeGraph");
    return h.large() && h.large()->isVisible();
}

/// The chart as it looks once its queued replot has happened.
QImage picture(QWidget* chart)
{
    QCoreApplication::processEvents();
    return chart->grab().toImage();
}

void clickChart(QWidget* chart) { QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center()); }

} // namespace

class TestFrmLarggraf : public MainSuite {
    Q_OBJECT

private slots:
    void opensFromLargeWithThePhasePlane()
    {
        h->click("cmdRun");
        h->click("cmdShowNvsT"); // the main chart shows something else
        h->click("cmdLargeGraph");
        QVERIFY(h->large());
        QVERIFY(h->large()->isVisible());
        QVERIFY(!h->main()->isVisible());
        QCOMPARE(h->large()->windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(h->large()->size(), QSize(789, 582));
        QCOMPARE(h->large()->minimumSize(), h->large()->maximumSize());
        QVERIFY(h->large()->chart()->isVisible());
        // The phase plane with both isoclines, under the plain title of the large opening.
        ChartView* chart = h->large()->chart();
        QCOMPARE(chartTitle(chart), QStringLiteral("N2 vs. N1"));
        const int plottables = chart->plottableCount();
        QVERIFY(plottables >= 3); // trajectory and both isoclines
        const QImage opened = picture(chart);
        largeButton(*h, "Command1")->click(); // the trajectory alone
        QCOMPARE(chartTitle(chart), QStringLiteral("N2 vs. N1"));
        QVERIFY(picture(chart) != opened);
        largeButton(*h, "cmdN1N2andIsoclines")->click();
        QCOMPARE(chartTitle(chart), QStringLiteral("N2 vs. N1 with isoclines"));
        QCOMPARE(chart->plottableCount(), plottables);
        QCOMPARE(h->session.largeGraphCycle, 0);
        QCOMPARE(h->session.graphCycle, 0);
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twipsRect");
        QTest::addColumn<QString>("caption");
        const struct {
            const char* name;
            int l, t, w, h;
            const char* caption;
        } rows[] = {
            {"MSChart1", 96, 96, 11628, 7980, nullptr},
            {"Command1", 120, 8173, 1335, 495, "N2 vs. N1"},
            {"Command2", 1560, 8173, 2057, 495, "dN1 and dN2 vs. time"},
            {"Command3", 3751, 8160, 1694, 495, "N1 and N2 vs. t"},
            {"Command7", 5566, 8173, 1210, 495, "All graphs"},
            {"cmdN1N2andIsoclines", 6897, 8173, 1826, 495, "N1, N2 and isoclines"},
            {"Command6", 8833, 8173, 975, 495, "Print"},
            {"command4", 9922, 8173, 1095, 495, "Main form"},
            {"Command5", 11055, 8173, 737, 495, "Quit"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.name) << QRect(r.l, r.t, r.w, r.h)
                                  << (r.caption ? QString::fromLatin1(r.caption) : QString());
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twipsRect);
        QFETCH(QString, caption);
        QVERIFY(openLarge(*h));
        QWidget* w = h->large()->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(h->large()));
        QVERIFY2(misplaced(w, twipsRect).isEmpty(), qPrintable(misplaced(w, twipsRect)));
        if (auto* b = qobject_cast<QPushButton*>(w))
            QCOMPARE(b->text(), caption);
    }

    void looksAndTabOrder()
    {
        QVERIFY(openLarge(*h));
        QVERIFY(QTest::qWaitForWindowActive(h->large()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(largeButton(*h, "Command1")));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            MainHarness::pressKey(Qt::Key_Tab);
        }
        order << QApplication::focusWidget()->objectName();
        QCOMPARE(order, QStringList({"Command1", "Command2", "Command3", "command4", "Command5", "Command6", "Command7",
                                     "cmdN1N2andIsoclines", "MSChart1"}));
        for (const char* name : {"Command1", "Command2", "Command3", "Command7", "Command6", "command4", "Command5"})
            QVERIFY2(largeButton(*h, name)->cursor().shape() == Qt::BitmapCursor, name);
        QCOMPARE(largeButton(*h, "cmdN1N2andIsoclines")->cursor().shape(), Qt::ArrowCursor);
    }

    void ownCycleIndependentOfTheMainOneAndKeptAcrossAClose()
    {
        h->click("cmdRun");
        for (int i = 0; i < 3; ++i)
            h->click("MSChart1");
        QCOMPARE(h->session.graphCycle, 3);
        h->enter("txtK1");
        QVERIFY(openLarge(*h));
        const std::int16_t expected[] = {1, 2, 3, 4, 5, 6, 7, 0, 1};
        for (std::int16_t e : expected) {
            clickChart(h->large()->chart());
            QCOMPARE(h->session.largeGraphCycle, e);
            // The buttons draw but never move the cycle.
            largeButton(*h, "Command2")->click();
            QCOMPARE(h->session.largeGraphCycle, e);
        }
        QCOMPARE(h->session.graphCycle, 3);

        // Closed through its frame the window goes; the cycle carries on in the next one.
        QPointer<frmLarggraf> first = h->large();
        QVERIFY(first->close());
        QTRY_VERIFY(first.isNull());
        h->click("cmdLargeGraph");
        QVERIFY(h->large() && h->large()->isVisible());
        clickChart(h->large()->chart());
        QCOMPARE(h->session.largeGraphCycle, 2);
        QCOMPARE(h->session.graphCycle, 3);
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("shown"); // the WindowId that must be visible afterwards
        QTest::addColumn<bool>("kept"); // whether the large window still exists
        QTest::newRow("Main form") << "command4" << int(WindowId::Main) << true;
        QTest::newRow("Quit") << "Command5" << int(WindowId::About) << true;
        QTest::newRow("frame close") << "close" << int(WindowId::Main) << false;
    }

    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, shown);
        QFETCH(bool, kept);
        QVERIFY(openLarge(*h));
        const QString result = h->text("txtNA");
        QPointer<frmLarggraf> large = h->large();
        if (how == QLatin1String("close"))
            QVERIFY(large->close());
        else
            QTest::mouseClick(largeButton(*h, how.toLatin1().constData()), Qt::LeftButton);
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h->session.windows().isVisible(WindowId(shown)));
        QCOMPARE(large.isNull(), !kept);
        if (large)
            QVERIFY(!large->isVisible());
        QCOMPARE(h->main()->isVisible(), shown == int(WindowId::Main));
        QCOMPARE(h->exits, 0);
        QVERIFY(!h->session.windows().isVisible(WindowId::Dedication));
        // The main window kept its state meanwhile.
        QCOMPARE(h->text("txtNA"), result);
    }

    void printing_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QString>("queueRefuses"); // what the print system says before the job
        QTest::addColumn<QString>("jobRefused");   // and after it
        QTest::newRow("no printer") << false << QString() << QString();
        QTest::newRow("PDF printer") << true << QString() << QString();
        QTest::newRow("queue rejects jobs")
            << true << QStringLiteral("the printer does not accept jobs (Rejecting Jobs)") << QString();
        QTest::newRow("job refused when sent")
            << true << QString() << QStringLiteral("server-error-not-accepting-jobs");
    }

    void printing()
    {
        QFETCH(bool, printer);
        QFETCH(QString, queueRefuses);
        QFETCH(QString, jobRefused);
        h->queueRefuses = queueRefuses;
        h->jobRefused = jobRefused;
        QTemporaryDir dir;
        const QString pdf = printer ? dir.filePath(QStringLiteral("large.pdf")) : QString();
        h->printTo(pdf);
        QVERIFY(openLarge(*h));
        QTest::mouseClick(largeButton(*h, "Command6"), Qt::LeftButton);
        h->checkPrinted(pdf);
        QCOMPARE(h->printJobs, printer ? QStringList{QStringLiteral("Vorlenza - large graph")} : QStringList());
        // Nothing else changes and the window stays usable.
        QVERIFY(h->large()->isVisible());
        QVERIFY(!h->main()->isVisible());
        clickChart(h->large()->chart());
        QCOMPARE(h->session.largeGraphCycle, 1);
    }
};

QTEST_MAIN(TestFrmLarggraf)
#include "tst_frmlarggraf.moc"
