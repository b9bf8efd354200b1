#include "MainSuite.h"

#include "ModelFixtures.h"
#include "ParameterFields.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using namespace vorlenza;

namespace {

/// Runs a little script of user actions on the main window, separated by ";":
/// "run", "click <name>", "type <field> <text>", "enter <field>", "preset <n>".
void perform(MainHarness& h, const QString& script)
{
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList word = step.trimmed().split(QLatin1Char(' '));
        const QByteArray name = word.value(1).toLatin1();
        if (word[0] == QLatin1String("run"))
            h.click("cmdRun");
        else if (word[0] == QLatin1String("click"))
            h.click(name.constData());
        else if (word[0] == QLatin1String("type"))
            h.type(name.constData(), word.value(2));
        else if (word[0] == QLatin1String("enter"))
            h.enter(name.constData());
        else if (word[0] == QLatin1String("preset"))
            h.click(QByteArray("cmdUseData" + name).constData());
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

QString shown(double value) { return QString::fromStdString(formatNumber(value)); }

const char* const kPresetFields[] = {"txtRrateA", "txtA0", "txtU", "txtK1", "txtRrateB", "txtB0", "txtV", "txtK2"};

} // namespace

class TestFrmForm1 : public MainSuite {
    Q_OBJECT

protected:
    /// Notes the first picture of each start-up window it watches.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_paints && event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            *m_paints << QStringLiteral("painted ") +
                             (watched->objectName() == QLatin1String("frmTitlform") ? "Title" : "Background");
        }
        return false;
    }

private:
    QStringList* m_paints = nullptr;

private slots:
    void commandStates_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("event");
        // What holds afterwards: "Run" enabled, Run "focused", the "results" commands (cmdShowN1vsN2,
        // cmdShowNvsT, cmdShowDNvsT, cmdLargeGraph) enabled, "Isoclines" enabled, read-outs "empty".
        QTest::addColumn<QString>("states");

        QTest::newRow("first shown") << ""
                                     << ""
                                     << "Run focused empty";
        QTest::newRow("change before any run") << ""
                                               << "type txtK1 5"
                                               << "empty";
        QTest::newRow("change after a run") << "run"
                                            << "type txtV 1"
                                            << "Isoclines empty";
        QTest::newRow("change in the length") << "run"
                                              << "type txtSimut 7"
                                              << "Isoclines empty";
        QTest::newRow("enter after a change") << "run; type txtV 1"
                                              << "enter txtV"
                                              << "Run focused Isoclines empty";
        QTest::newRow("enter without a change") << "run"
                                                << "enter txtK1"
                                                << "Run focused results Isoclines";
        QTest::newRow("enter writing a reset text") << "run"
                                                    << "enter txtSimut"
                                                    << "Run focused results Isoclines";
        QTest::newRow("preset before any run") << ""
                                               << "preset 3"
                                               << "Run focused empty";
        QTest::newRow("preset after a run") << "run"
                                            << "preset 2"
                                            << "Run focused Isoclines empty";
        QTest::newRow("completed run") << ""
                                       << "run"
                                       << "Run focused results Isoclines";
        QTest::newRow("N vs. t") << "run"
                                 << "click cmdShowNvsT"
                                 << "results Isoclines";
        QTest::newRow("dN vs. t") << "run"
                                  << "click cmdShowDNvsT"
                                  << "results Isoclines";
        QTest::newRow("N2 vs. N1") << "run"
                                   << "click cmdShowN1vsN2"
                                   << "Run results Isoclines";
        QTest::newRow("Isoclines") << "run"
                                   << "click cmdIsoclines"
                                   << "Run results Isoclines";
        QTest::newRow("enter after N vs. t") << "run; click cmdShowNvsT"
                                             << "enter txtU"
                                             << "Run focused results Isoclines";
        QTest::newRow("preset after N vs. t") << "run; click cmdShowNvsT"
                                              << "preset 1"
                                              << "Run focused Isoclines";
    }

    void commandStates()
    {
        QFETCH(QString, before);
        QFETCH(QString, event);
        QFETCH(QString, states);
        const QStringList on = states.split(QLatin1Char(' '));

        perform(*h, before + QLatin1Char(';') + event);
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(h->button("cmdRun")->isEnabled(), on.contains("Run"));
        QCOMPARE(QApplication::focusWidget() == h->button("cmdRun"), on.contains("focused"));
        for (const char* name : {"cmdShowN1vsN2", "cmdShowNvsT", "cmdShowDNvsT", "cmdLargeGraph"})
            QVERIFY2(h->button(name)->isEnabled() == on.contains("results"), name);
        QCOMPARE(h->button("cmdIsoclines")->isEnabled(), on.contains("Isoclines"));
        QCOMPARE(h->text("txtNA").isEmpty(), on.contains("empty"));
        QCOMPARE(h->text("txtNB").isEmpty(), on.contains("empty"));
        // The chart replaces the greeting at the first run and stays.
        const bool ran = before.contains(QLatin1String("run")) || event == QLatin1String("run");
        QCOMPARE(h->child("MSChart1")->isVisible(), ran);
        QCOMPARE(h->child("lblLabel22")->isVisible(), !ran);
        QCOMPARE(h->child("lblLabel23")->isVisible(), !ran);
        // Commands no event touches.
        for (const char* name : {"cmdSave", "cmdPrint", "cmdHowTo", "cmdQuiz", "cmdQuit"})
            QVERIFY2(h->button(name)->isEnabled(), name);
        QVERIFY(h->messages.isEmpty());
    }

    void runShowsItsLastDay_data()
    {
        QTest::addColumn<QStringList>("lengths"); // one run each, by Enter on the focused Run button
        QTest::addColumn<int>("shownDay");        // the day whose populations the read-outs show
        QTest::newRow("Enter right after the first show") << QStringList{"100"} << 100;
        QTest::newRow("same length again: day T+1") << QStringList{"100", "100"} << 101;
        QTest::newRow("another length") << QStringList{"100", "50"} << 50;
        QTest::newRow("one day") << QStringList{"1"} << 1;
    }

    void runShowsItsLastDay()
    {
        QFETCH(QStringList, lengths);
        QFETCH(int, shownDay);
        for (const QString& length : lengths) {
            if (h->text("txtSimut") != length) {
                h->type("txtSimut", length);
                h->enter("txtSimut");
            }
            MainHarness::pressKey(Qt::Key_Return);
        }
        // The read-outs come from a run of the default fields, made here without the window.
        const auto expected = CompletedRun(lengths.last().toLatin1().constData());
        const int days = lengths.last().toInt();
        QCOMPARE(h->session.model().simTime, days);
        QCOMPARE(h->text("Text1"), lengths.last());
        QCOMPARE(h->text("txtNA"), shown(expected->N1[std::size_t(shownDay)]));
        QCOMPARE(h->text("txtNB"), shown(expected->N2[std::size_t(shownDay)]));
        auto* bar = h->child<QScrollBar>("VScroll1");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), days);
        QCOMPARE(bar->value(), days);
        QVERIFY(h->messages.isEmpty());
    }

    void daySelectorReadsAnyDay()
    {
        h->click("cmdRun");
        auto* bar = h->child<QScrollBar>("VScroll1");
        bar->setValue(0); // the thumb at the top
        QCOMPARE(h->text("txtNA"), QStringLiteral("10"));
        QCOMPARE(h->text("txtNB"), QStringLiteral("10"));
        QCOMPARE(h->text("Text1"), QStringLiteral("0"));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down); // value grows downwards
        QCOMPARE(h->text("Text1"), QStringLiteral("1"));
        QCOMPARE(h->text("txtNA"), QStringLiteral("11.936158"));
        QCOMPARE(h->text("txtNB"), QStringLiteral("12.850549"));

        // An edit empties the read-outs; the selector fills them again from the last run.
        h->type("txtK1", QStringLiteral("3"));
        QVERIFY(h->text("txtNA").isEmpty());
        bar->setValue(2);
        QCOMPARE(h->text("txtNA"), shown(h->session.model().N1[2]));
        QCOMPARE(h->session.model().K1, 200.0);
    }

    void selectorCannotPointPastTheArraysBeforeTheFirstRun()
    {
        auto* bar = h->child<QScrollBar>("VScroll1");
        QCOMPARE(bar->maximum(), 0);
        bar->setValue(32767);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), 0);
        QVERIFY(h->text("txtNA").isEmpty());
        QVERIFY(h->text("Text1").isEmpty());
    }

    void failedRunSaysWhyAndChangesNothing_data()
    {
        QTest::addColumn<bool>("runFirst");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("says");

        QTest::newRow("length beyond the arrays, no run yet") << false << "txtSimut"
                                                              << "50000"
                                                              << "from 1 to 9999";
        QTest::newRow("length beyond the arrays after a run") << true << "txtSimut"
                                                              << "50000"
                                                              << "from 1 to 9999";
        QTest::newRow("length beyond 16 bits") << true << "txtSimut"
                                               << "40000"
                                               << "whole number of days";
        QTest::newRow("growth overflows") << true << "txtRrateA"
                                          << "1e300"
                                          << "too large";
    }

    void failedRunSaysWhyAndChangesNothing()
    {
        QFETCH(bool, runFirst);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, says);

        if (runFirst) {
            h->click("cmdRun");
            h->click("cmdShowNvsT"); // leaves Run disabled; Enter below enables it again
        }
        const QByteArray name = field.toLatin1();
        h->type(name.constData(), typed);
        h->enter(name.constData());
        QCOMPARE(h->text(name.constData()), typed); // accepted at Enter, whatever its size
        const auto state = [this] {
            auto* bar = h->child<QScrollBar>("VScroll1");
            return QList<int>{bar->maximum(),
                              bar->value(),
                              h->text("Text1").toInt(),
                              h->child("MSChart1")->isVisible(),
                              h->child("lblLabel22")->isVisible(),
                              h->session.model().simTime};
        };
        const QList<int> before = state();

        MainHarness::pressKey(Qt::Key_Return); // Run has the focus
        QCOMPARE(h->messages.size(), 1);
        QVERIFY2(h->messages[0].startsWith(QStringLiteral("Vorlenza: ")) && h->messages[0].contains(says),
                 qPrintable(h->messages[0]));
        // Chart, day selector, its read-out and the model stay as they were; the commands too.
        QCOMPARE(state(), before);
        QCOMPARE(h->text("Text1").isEmpty(), !runFirst);
        QVERIFY(h->text("txtNA").isEmpty());
        for (const char* command : {"cmdShowN1vsN2", "cmdShowNvsT", "cmdShowDNvsT", "cmdLargeGraph"})
            QVERIFY2(!h->button(command)->isEnabled(), command);
        QCOMPARE(h->button("cmdIsoclines")->isEnabled(), runFirst);
        QVERIFY(h->button("cmdRun")->isEnabled());

        // The window stays usable: a good value runs.
        h->type(name.constData(), field == QLatin1String("txtSimut") ? QStringLiteral("100") : QStringLiteral("0.2"));
        h->enter(name.constData());
        MainHarness::pressKey(Qt::Key_Return);
        QCOMPARE(h->messages.size(), 1);
        QCOMPARE(h->text("Text1"), QStringLiteral("100"));
        QVERIFY(h->child("MSChart1")->isVisible());
    }

    void chartClickCycle()
    {
        h->click("cmdRun");
        QCOMPARE(h->session.graphCycle, 0);

        // Cycle value after each click, and whether the graph drawn is a phase plane (Run kept).
        const int cycle[] = {1, 2, 3, 4, 5, 6, 7, 0, 1};
        const bool keepsRun[] = {false, false, false, true, true, true, false, false, false};
        const char* const titles[] = {"N1 and dN1/dt vs. time",
                                      "N2 and dN2 vs. time",
                                      "dN1 and dN2 vs. time",
                                      "N2 vs. N1",
                                      "N2 vs. N1",
                                      "N2 vs. N1 with isoclines",
                                      "N and dN/dt vs. time",
                                      "N1 and N2 vs. time",
                                      "N1 and dN1/dt vs. time"};
        auto* chart = h->child<ChartView>("MSChart1");
        QCOMPARE(chartTitle(chart), QStringLiteral("N2 vs. N1"));
        for (int i = 0; i < 9; ++i) {
            h->enter("txtK1"); // Run enabled, nothing else changed
            QVERIFY(h->button("cmdRun")->isEnabled());
            h->click("MSChart1");
            QCOMPARE(int(h->session.graphCycle), cycle[i]);
            QCOMPARE(chartTitle(chart), QLatin1String(titles[i]));
            QVERIFY2(h->button("cmdRun")->isEnabled() == keepsRun[i], qPrintable(QString::number(i + 1)));
            // The graph buttons and Run never move the cycle.
            h->click(i % 2 ? "cmdShowNvsT" : "cmdIsoclines");
            h->click("cmdShowN1vsN2");
            QCOMPARE(int(h->session.graphCycle), cycle[i]);
        }
        h->enter("txtK1");
        h->click("cmdRun");
        QCOMPARE(int(h->session.graphCycle), 1);
        QCOMPARE(h->session.largeGraphCycle, 0);
    }

    void presets_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("key");           // pressed on the focused button; 0: a click
        QTest::addColumn<QStringList>("texts"); // txtRrateA, txtA0, txtU, txtK1, txtRrateB, txtB0, txtV, txtK2
        QTest::newRow("1, clicked") << 1 << 0 << QStringList({"0.2", "10", "1", "200", "0.3", "10", "0.4", "100"});
        QTest::newRow("2, Enter") << 2 << int(Qt::Key_Return)
                                  << QStringList({"0.2", "10", "2", "300", "0.3", "10", "2", "200"});
        QTest::newRow("3, keypad Enter") << 3 << int(Qt::Key_Enter)
                                         << QStringList({"0.2", "10", "2", "150", "0.3", "10", "1", "200"});
    }

    void presets()
    {
        QFETCH(int, set);
        QFETCH(int, key);
        QFETCH(QStringList, texts);
        MainHarness& byPreset = *h;
        QStringList order, written, now;
        for (const char* name : kPresetFields) {
            order << QLatin1String(name);
            byPreset.edit(name)->setText(QStringLiteral("x"));
            QObject::connect(byPreset.edit(name), &QLineEdit::textChanged, byPreset.main(),
                             [&written, name] { written << QLatin1String(name); });
        }
        byPreset.type("txtSimut", QStringLiteral("50"));
        const QByteArray button = "cmdUseData" + QByteArray::number(set);
        if (key) {
            byPreset.button(button.constData())->setFocus();
            MainHarness::pressKey(Qt::Key(key));
        } else {
            byPreset.click(button.constData());
        }
        // The fields are written in their order, the length is left alone, and nothing runs yet.
        QCOMPARE(written, order);
        for (const char* name : kPresetFields)
            now << byPreset.text(name);
        QCOMPARE(now, texts);
        QCOMPARE(byPreset.text("txtSimut"), QStringLiteral("50"));
        QCOMPARE(QApplication::focusWidget(), byPreset.button("cmdRun"));
        QCOMPARE(byPreset.session.model().simTime, 0);

        // Run then gives what typing the same values gives.
        MainHarness::pressKey(Qt::Key_Return);
        const ModelState& a = byPreset.session.model();
        QCOMPARE(a.simTime, 50);
        byPreset.main()->hide();
        MainHarness byHand;
        QVERIFY(byHand.showMain());
        byHand.type("txtSimut", QStringLiteral("50"));
        for (int i = 0; i < 8; ++i) {
            byHand.type(kPresetFields[i], texts[i]);
            byHand.enter(kPresetFields[i]);
        }
        MainHarness::pressKey(Qt::Key_Return);
        const ModelState& b = byHand.session.model();
        QCOMPARE(byHand.text("txtNA"), byPreset.text("txtNA"));
        QCOMPARE(byHand.text("txtNB"), byPreset.text("txtNB"));
        QVERIFY(a.N1 == b.N1 && a.N2 == b.N2 && a.dN1 == b.dN1 && a.dN2 == b.dN2);
        QVERIFY(a.isoclineAX == b.isoclineAX && a.isoclineBY == b.isoclineBY);
        QCOMPARE(a.K1, b.K1);
        QCOMPARE(a.beta, b.beta);
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twipsRect");
        struct Place {
            const char* name;
            int l, t, w, h;
        };
        const std::pair<const char*, std::vector<Place>> frames[] = {
            {"frmForm1",
             {{"lblLabel21", 120, 0, 2955, 510},
              {"lblLabel16", 3120, 120, 1455, 495},
              {"cmdQuiz", 3840, 1320, 615, 615},
              {"fraFrame4", 120, 600, 4455, 1815},
              {"fraFrame2", 120, 2400, 4455, 4815},
              {"fraFrame1", 4680, 0, 5295, 4932},
              {"fraFrame3", 4680, 5040, 5295, 2652},
              {"cmdRun", 120, 7320, 975, 375},
              {"cmdHowTo", 1200, 7320, 1215, 375},
              {"cmdSave", 2520, 7320, 495, 375},
              {"cmdPrint", 3120, 7320, 375, 375},
              {"cmdQuit", 3600, 7320, 975, 375}}},
            {"fraFrame4",
             {{"lblLabel14", 240, 240, 1215, 375},
              {"lblLabel7", 240, 600, 3495, 375},
              {"lblLabel15", 240, 960, 1215, 375},
              {"lblLabel13", 240, 1320, 3495, 375}}},
            {"fraFrame2", {{"lblLabel18", 120, 240, 1935, 255},  {"cmdUseData1", 2280, 240, 615, 315},
                           {"cmdUseData2", 2976, 240, 615, 315}, {"cmdUseData3", 3720, 240, 615, 315},
                           {"lblLabel1", 120, 600, 2895, 375},   {"txtRrateA", 3360, 600, 975, 375},
                           {"lblLabel2", 120, 960, 2895, 375},   {"txtA0", 3360, 960, 975, 360},
                           {"lblLabel19", 120, 1320, 3135, 375}, {"txtK1", 3360, 1320, 975, 360},
                           {"lblLabel8", 120, 1680, 2415, 375},  {"txtU", 3360, 1680, 975, 360},
                           {"lblLabel9", 120, 2040, 3135, 375},  {"txtRrateB", 3360, 2040, 975, 360},
                           {"lblLabel10", 120, 2400, 2775, 375}, {"txtB0", 3360, 2400, 975, 375},
                           {"lblLabel20", 120, 2760, 3255, 375}, {"txtK2", 3360, 2760, 975, 375},
                           {"lblLabel11", 120, 3120, 2055, 375}, {"txtV", 3360, 3120, 975, 375},
                           {"lblLabel3", 120, 3480, 1455, 375},  {"txtSimut", 1440, 3456, 975, 360},
                           {"Label1", 2784, 3552, 588, 396},     {"Text1", 3360, 3552, 780, 396},
                           {"VScroll1", 4128, 3552, 204, 396},   {"lblLabel4", 120, 3960, 1455, 375},
                           {"txtNA", 1680, 3960, 2655, 360},     {"lblLabel12", 120, 4320, 1455, 375},
                           {"txtNB", 1680, 4320, 2655, 375}}},
            {"fraFrame1",
             {{"MSChart1", 120, 240, 5100, 4140},
              {"lblLabel22", 120, 240, 5055, 735},
              {"lblLabel23", 120, 1080, 5055, 2775},
              {"cmdShowN1vsN2", 240, 4440, 1089, 375},
              {"cmdShowDNvsT", 1452, 4440, 979, 375},
              {"cmdShowNvsT", 2544, 4440, 858, 375},
              {"cmdIsoclines", 3504, 4440, 979, 375},
              {"cmdLargeGraph", 4560, 4440, 726, 375}}},
            // the picture is moved at load: against the frame's right edge, centred vertically
            {"fraFrame3",
             {{"lblLabel6", 120, 240, 3132, 252},
              {"lblLabel5", 120, 600, 3132, 1932},
              {"picPicture1", 3503, 240, 1692, 2172}}},
        };
        for (const auto& [parent, places] : frames)
            for (const Place& p : places)
                QTest::newRow(p.name) << QString::fromLatin1(p.name) << QString::fromLatin1(parent)
                                      << QRect(p.l, p.t, p.w, p.h);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twipsRect);
        QWidget* w = h->child(name.toLatin1().constData());
        QVERIFY(w);
        // Controls inside a frame are placed relative to that frame.
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QVERIFY2(misplaced(w, twipsRect).isEmpty(), qPrintable(misplaced(w, twipsRect)));
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("name");
        const QString names = QStringLiteral(
            "lblLabel21 lblLabel16 lblLabel14 lblLabel7 lblLabel15 lblLabel13 lblLabel18 lblLabel1 lblLabel2 lblLabel19 "
            "lblLabel8 lblLabel9 lblLabel10 lblLabel20 lblLabel11 lblLabel3 Label1 lblLabel4 lblLabel12 lblLabel22 "
            "lblLabel23 lblLabel6 lblLabel5 cmdRun cmdHowTo cmdSave cmdPrint cmdQuit cmdUseData1 cmdUseData2 cmdUseData3 "
            "cmdShowN1vsN2 cmdShowDNvsT cmdShowNvsT cmdIsoclines cmdLargeGraph fraFrame1 fraFrame2 fraFrame3 fraFrame4 "
            "txtSimut txtK1 txtNA");
        for (const QString& n : names.split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(n)) << n;
    }

    void captionsFit()
    {
        QFETCH(QString, name);
        h->now = QDateTime(QDate(2031, 12, 28), QTime(23, 58, 59)); // a long clock text
        QVERIFY(QMetaObject::invokeMethod(h->main(), "tmrTimer1_Timer"));
        h->click("cmdRun"); // fills the read-outs
        QWidget* w = h->child(name.toLatin1().constData());
        QVERIFY(w);
        QVERIFY2(QFontInfo(w->font()).family().startsWith(QLatin1String("Liberation")),
                 qPrintable(QFontInfo(w->font()).family()));
        const QFontMetrics fm(w->font());
        if (auto* l = qobject_cast<QLabel*>(w)) {
            // What QLabel leaves for the text: its contents less the margin, and less the indent on
            // the aligned sides (half an "x" for a framed label whose indent is left at -1).
            const int m = l->margin();
            const int indent =
                l->indent() >= 0 ? l->indent() : (l->frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
            const QRect box = l->contentsRect().adjusted(m + (l->alignment() & Qt::AlignLeft ? indent : 0),
                                                         m + (l->alignment() & Qt::AlignTop ? indent : 0), -m, -m);
            QVERIFY(!l->text().isEmpty());
            // Every word fits the width, the wrapped text the height; captions of one line stay on one.
            for (const QString& word :
                 l->text().split(QRegularExpression(QStringLiteral("[ \\n]")), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= box.width(), qPrintable(word));
            QVERIFY(fm.boundingRect(box, int(l->alignment()) | Qt::TextWordWrap, l->text()).height() <= box.height());
            if (!l->text().contains(QLatin1Char('\n')) && name != QLatin1String("lblLabel23") &&
                name != QLatin1String("lblLabel16"))
                QVERIFY(fm.horizontalAdvance(l->text()) <= box.width());
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            QVERIFY(fm.horizontalAdvance(b->text()) + 4 <= b->width() && fm.height() + 2 <= b->height());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            QVERIFY(fm.horizontalAdvance(g->title()) + 16 <= g->width());
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            QVERIFY2(!e->text().isEmpty() && fm.horizontalAdvance(e->text()) + 8 <= e->width(), qPrintable(e->text()));
            QVERIFY(fm.height() + 4 <= e->height());
        } else {
            QFAIL("not a captioned control");
        }
    }

    void startPaintsTheTitleBeforeBuildingTheMainWindow_data()
    {
        QTest::addColumn<bool>("keyAtOnce");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("left alone") << false << QStringList({"Background", "Title"});
        QTest::newRow("key before the title painted") << true << QStringList({"Main", "Background"});
    }

    void startPaintsTheTitleBeforeBuildingTheMainWindow()
    {
        // The title's first picture comes before the background's and before the main window
        // exists; a key pressed at once still finds one main window, and no title comes back.
        QFETCH(bool, keyAtOnce);
        QFETCH(QStringList, shown);
        MainHarness fresh;
        WindowRegistry& windows = fresh.session.windows();
        QStringList order;
        connect(&windows, &WindowRegistry::windowCreated, this, [&](WindowId id) {
            order << QStringLiteral("made ") + idName(id);
            if (QWidget* w = windows.window(id); w && id != WindowId::Main)
                w->installEventFilter(this);
        });
        m_paints = &order;
        if (keyAtOnce)
            QTimer::singleShot(0, this, [&] { QTest::keyClick(windows.window(WindowId::Title), Qt::Key_Space); });
        startProgram(fresh.session, {QStringLiteral("vorlenza")});
        m_paints = nullptr;
        if (!keyAtOnce)
            QCOMPARE(order, QStringList(
                                {"made Background", "made Title", "painted Title", "painted Background", "made Main"}));
        QCOMPARE(order.count(QStringLiteral("made Main")), 1);
        QStringList up;
        for (int i = 0; i < WindowCount; ++i)
            if (windows.isVisible(WindowId(i)))
                up << idName(WindowId(i));
        QCOMPARE(up.join(QLatin1Char(' ')), shown.join(QLatin1Char(' ')));
        QVERIFY(windows.window(WindowId::Background)->updatesEnabled());
    }

    void authorPictureWhenTheWindowAppears()
    {
        // Read at the first show, not while the window waits hidden behind the title window.
        auto* box = h->child<QLabel>("picPicture1");
        const QPixmap picture = box->pixmap();
        QVERIFY(!picture.isNull());
        // all of the 136 x 180 photograph, in proportion, filling the box one way
        QVERIFY(picture.width() <= box->width() && picture.height() <= box->height());
        QVERIFY(picture.width() == box->width() || picture.height() == box->height());
        QVERIFY(qAbs(picture.width() * 180 - picture.height() * 136) <= 180);
        // a photograph, not a plain fill
        const QImage image = picture.toImage();
        QVERIFY(image.pixelColor(image.width() / 2, image.height() / 2) != image.pixelColor(0, 0));
    }

    void windowAsLoaded()
    {
        QCOMPARE(h->main()->windowTitle(), QStringLiteral("Vorlenza"));
        QCOMPARE(h->main()->minimumSize(), h->main()->maximumSize());
        QVERIFY(h->text("Text1").isEmpty());
        QVERIFY(h->edit("txtNA")->isReadOnly() && h->edit("txtNB")->isReadOnly());
        QVERIFY(!h->edit("Text1")->isReadOnly());

        const QString notice = h->child<QLabel>("lblLabel16")->text();
        QVERIFY2(notice.contains(QStringLiteral("-2031 ")), qPrintable(notice)); // the year of the harness's clock
        QVERIFY(notice.endsWith(QStringLiteral("The Vorlenza authors")));
        QVERIFY(!notice.contains(QLatin1Char('\n')));
        QCOMPARE(
            h->child<QLabel>("lblLabel23")->text(),
            QStringLiteral("Press Enter to run this program using default values. You can also select a data set at "
                           "first, then click RUN. To change a default value, move the mouse pointer to a data box "
                           "and click it.After you change the default values, press Enter to confirm the change and "
                           "click RUN to run it. Click on the graph to see more graphs.\nComments are welcome."));
        const QStringList contact = h->child<QLabel>("lblLabel5")->text().split(QLatin1Char('\n'));
        QCOMPARE(contact.size(), 7);
        QCOMPARE(contact[0], QStringLiteral("The Vorlenza authors"));
        QVERIFY(contact[1].endsWith(QStringLiteral("@example.org")));
        // Captions whose blanks matter.
        QCOMPARE(h->child<QGroupBox>("fraFrame4")->title(), QStringLiteral(" Model "));
        QCOMPARE(h->child<QLabel>("lblLabel1")->text(), QStringLiteral("Intrinsic rate of species A  (r):"));
        QCOMPARE(h->child<QLabel>("lblLabel2")->text(), QStringLiteral("Initial size of species A: "));
        // The custom pointer where it is marked, the usual one elsewhere.
        for (const char* name :
             {"cmdRun", "cmdPrint", "cmdQuit", "cmdUseData1", "cmdShowN1vsN2", "cmdLargeGraph", "picPicture1"})
            QVERIFY2(h->child(name)->cursor().shape() == Qt::BitmapCursor, name);
        for (const char* name : {"cmdHowTo", "cmdSave", "cmdIsoclines"})
            QVERIFY2(h->child(name)->cursor().shape() == Qt::ArrowCursor, name);

        // Boxed labels carry a black single line, whatever their text colour; the others none.
        for (const char* boxedName : {"lblLabel21", "lblLabel22", "lblLabel23", "lblLabel6", "lblLabel16"}) {
            const QImage img = h->child(boxedName)->grab().toImage();
            const QColor edge = img.pixelColor(0, img.height() / 2);
            const QColor top = img.pixelColor(img.width() / 2, 0);
            const QColor expected = qstrcmp(boxedName, "lblLabel16") == 0 ? QColor(Qt::white) : QColor(Qt::black);
            QVERIFY2(edge == expected && top == expected,
                     qPrintable(QStringLiteral("%1: %2").arg(boxedName, edge.name())));
        }
    }

    void clockTicksAlsoWhileHidden()
    {
        auto* timer = h->main()->findChild<QTimer*>(QStringLiteral("tmrTimer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        auto* clock = h->child<QLabel>("lblLabel6");
        QTRY_COMPARE_WITH_TIMEOUT(clock->text(), generalDateText(h->now), 2000);
        QVERIFY(clock->text().contains(QStringLiteral("07:08:09")));

        h->main()->hide();
        h->now = h->now.addSecs(3600 * 24 * 400 + 1);
        QTRY_COMPARE_WITH_TIMEOUT(clock->text(), generalDateText(h->now), 2000);
        QVERIFY(clock->text().contains(QStringLiteral("07:08:10")));
        QVERIFY(clock->text().contains(QStringLiteral("2032")));
    }

    void waysToOtherWindows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Quit") << "cmdQuit" << QStringList({"hide Main", "show About"});
        QTest::newRow("How to") << "cmdHowTo" << QStringList({"hide Main", "show HowTo"});
        QTest::newRow("picture") << "picPicture1" << QStringList({"hide Main", "show HowTo"});
        QTest::newRow("product name") << "lblLabel21" << QStringList({"show Introduction", "hide Main"});
        QTest::newRow("author text") << "lblLabel5" << QStringList({"hide Main", "show Introduction"});
        QTest::newRow("quiz") << "cmdQuiz" << QStringList({"hide Main", "show Quiz"});
    }

    void waysToOtherWindows()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, steps);
        h->click("cmdRun");
        const QString result = h->text("txtNA");
        WindowTrail trail(h->session);
        h->click(control.toLatin1().constData());
        QCOMPARE(trail.known(), steps);
        QVERIFY(h->session.windows().isVisible(WindowId::Background));
        QCOMPARE(h->exits, 0);

        // Coming back finds the main window as it was left.
        h->session.windows().show(WindowId::Main);
        QCOMPARE(h->text("txtNA"), result);
        QVERIFY(h->child("MSChart1")->isVisible());
    }

    void save_data()
    {
        QTest::addColumn<QString>("chosen");  // relative to a fresh folder; "" = cancelled
        QTest::addColumn<QString>("written"); // the file that must exist afterwards, "" = none
        QTest::addColumn<QString>("says");    // part of the message, "" = no message
        QTest::addColumn<bool>("sheetType");  // the spreadsheet chosen as the file type

        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "" << false;
        QTest::newRow("name too short") << "ab"
                                        << ""
                                        << "too short" << false;
        QTest::newRow("folder gone") << "gone/run1.txt"
                                     << ""
                                     << "run1-N1N2dN.txt" << false;
        QTest::newRow("saved") << "run1.txt"
                               << "run1-N1N2dN.txt"
                               << "" << false;
        QTest::newRow("no extension") << "results"
                                      << "res-N1N2dN.txt"
                                      << "" << false;
        QTest::newRow("spreadsheet typed") << "run1.xlsx"
                                           << "run1.xlsx"
                                           << "" << false;
        QTest::newRow("spreadsheet chosen") << "ab"
                                            << "ab.xlsx"
                                            << "" << true;
        QTest::newRow("spreadsheet, folder gone") << "gone/run1.xlsx"
                                                  << ""
                                                  << "gone/run1.xlsx" << false;
    }

    void save()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, says);
        QFETCH(bool, sheetType);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        h->click("cmdRun");
        h->saveAnswer = chosen.isEmpty() ? QString() : dir.filePath(chosen);
        h->saveFilter = sheetType ? QStringLiteral("Spreadsheet (*.xlsx)") : QString();
        h->click("cmdSave");
        QCOMPARE(h->saveDialogs, 1);
        QCOMPARE(h->saveFilters, QStringLiteral("Results file (*);;Spreadsheet (*.xlsx)"));

        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
        QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList({written}));
        if (says.isEmpty()) {
            QCOMPARE(h->messages, QStringList());
        } else {
            QCOMPARE(h->messages.size(), 1);
            QVERIFY2(h->messages[0].contains(says), qPrintable(h->messages[0]));
        }
        if (!written.isEmpty()) {
            QFile f(dir.filePath(written));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            if (written.endsWith(QLatin1String(".xlsx")))
                QVERIFY(bytes.startsWith("PK\x03\x04")); // a zip, as every .xlsx is
            else
                QCOMPARE(bytes.count('\n'), 104);
        }
        // The window stays usable.
        h->click("cmdRun");
        QCOMPARE(h->text("Text1"), QStringLiteral("100"));
    }

    void print_data()
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

    void print()
    {
        QFETCH(bool, printer);
        QFETCH(QString, queueRefuses);
        QFETCH(QString, jobRefused);
        h->queueRefuses = queueRefuses;
        h->jobRefused = jobRefused;
        QTemporaryDir dir;
        const QString pdf = printer ? dir.filePath(QStringLiteral("main.pdf")) : QString();
        h->printTo(pdf);
        h->click("cmdPrint");
        h->checkPrinted(pdf);
        QCOMPARE(h->printJobs, printer ? QStringList{QStringLiteral("Vorlenza - main window")} : QStringList());
        QVERIFY(h->main()->isVisible());
        h->click("cmdRun");
        QCOMPARE(h->text("Text1"), QStringLiteral("100"));
    }
};

QTEST_MAIN(TestFrmForm1)
#include "tst_frmform1.moc"
