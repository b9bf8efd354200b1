// Screen readers and keyboard users: every control says what it is, the chart says what it
// shows, and a whole run, the presets, the graph buttons, save and print need no mouse.

#include "../main/MainHarness.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

namespace {

QString accessibleText(QWidget* w, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(kind).trimmed() : QString();
}

bool isControl(const QWidget* w)
{
    // parts that Qt builds inside a control (a text box's scroll bar) speak through that control
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QLabel*>(w) || qobject_cast<const QScrollBar*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const ChartView*>(w);
}

const WindowId kWindows[] = {WindowId::Main,         WindowId::Large,      WindowId::Title,
                             WindowId::Introduction, WindowId::References, WindowId::HowTo,
                             WindowId::About,        WindowId::Dedication, WindowId::Quiz};

QWidget* focused() { return QApplication::focusWidget(); }

/// Moves the keyboard focus forward with Tab until `name` holds it; fails after a full round.
bool tabTo(QWidget* window, const QString& name)
{
    for (int i = 0; i < 60; ++i) {
        if (focused() && focused()->objectName() == name)
            return true;
        QTest::keyClick(focused() ? focused() : window, Qt::Key_Tab);
    }
    return false;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { look::installFontSubstitutions(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
    void fieldsAreNamedByWhatTheyHold_data();
    void fieldsAreNamedByWhatTheyHold();
    void chartDescribesWhatItShows();
    void tabOrderFollowsTheDesign();
    void aWholeRunFromTheKeyboard();
};

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<int>("window");
    for (WindowId id : kWindows)
        QTest::newRow(qPrintable(QString::number(int(id)))) << int(id);
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(int, window);
    MainHarness h;
    h.showMain();
    QTest::keyClick(focused(), Qt::Key_Return); // a run, so the chart and read-outs are filled
    QWidget* w = h.session.windows().load(WindowId(window));
    QVERIFY(w);
    QVERIFY2(!accessibleText(w, QAccessible::Name).isEmpty(), "the window has no accessible name");
    QStringList unnamed;
    for (QWidget* c : w->findChildren<QWidget*>())
        if (isControl(c) && accessibleText(c, QAccessible::Name).isEmpty())
            unnamed << c->objectName();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestAccessibility::fieldsAreNamedByWhatTheyHold_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("words");
    QTest::newRow("r") << "txtRrateA"
                       << "Intrinsic rate of species A";
    QTest::newRow("N1(0)") << "txtA0"
                           << "Initial size of species A";
    QTest::newRow("K1") << "txtK1"
                        << "Carrying capacity for species A";
    QTest::newRow("a") << "txtU"
                       << "Constant a";
    QTest::newRow("s") << "txtRrateB"
                       << "Intrinsic rate of species B";
    QTest::newRow("N2(0)") << "txtB0"
                           << "Initial size of species B";
    QTest::newRow("K2") << "txtK2"
                        << "Carrying capacity for species B";
    QTest::newRow("b") << "txtV"
                       << "Constant b";
    QTest::newRow("T") << "txtSimut"
                       << "For t = 0 to";
    QTest::newRow("N1") << "txtNA"
                        << "N1 (species A)";
    QTest::newRow("N2") << "txtNB"
                        << "N2 (species B)";
    QTest::newRow("day") << "Text1"
                         << "t =";
    QTest::newRow("selector") << "VScroll1"
                              << "Day";
    QTest::newRow("quiz") << "cmdQuiz"
                          << "Quiz";
    QTest::newRow("picture") << "picPicture1"
                             << "How to";
}

void TestAccessibility::fieldsAreNamedByWhatTheyHold()
{
    QFETCH(QString, control);
    QFETCH(QString, words);
    MainHarness h;
    QWidget* c = h.showMain()->findChild<QWidget*>(control);
    QVERIFY(c);
    const QString name = accessibleText(c, QAccessible::Name);
    QVERIFY2(name.contains(words, Qt::CaseInsensitive), qPrintable(name));
}

void TestAccessibility::chartDescribesWhatItShows()
{
    MainHarness h;
    frmForm1* main = h.showMain();
    QTest::keyClick(focused(), Qt::Key_Return);
    ChartView* chart = main->chart();
    const QString afterRun = accessibleText(chart, QAccessible::Description);
    QVERIFY2(afterRun.contains(QStringLiteral("N2 vs. N1")), qPrintable(afterRun));
    QVERIFY2(afterRun.contains(QStringLiteral("101")), qPrintable(afterRun)); // one point a day, 0..100
    emit chart->clicked();
    const QString afterClick = accessibleText(chart, QAccessible::Description);
    QVERIFY2(afterClick.contains(QStringLiteral("N1 and dN1/dt vs. time")), qPrintable(afterClick));
}

void TestAccessibility::tabOrderFollowsTheDesign()
{
    MainHarness h;
    frmForm1* main = h.showMain();
    QTest::keyClick(focused(), Qt::Key_Return); // after a run every command takes the focus
    QVERIFY(focused());
    main->findChild<QWidget*>(QStringLiteral("cmdRun"))->setFocus();
    const QStringList expected = {"cmdRun",        "cmdQuit",      "cmdPrint",    "txtK2",         "txtK1",
                                  "cmdUseData1",   "cmdUseData2",  "cmdUseData3", "txtV",          "txtB0",
                                  "txtRrateB",     "txtU",         "txtA0",       "txtRrateA",     "txtSimut",
                                  "cmdLargeGraph", "cmdShowDNvsT", "cmdShowNvsT", "cmdShowN1vsN2", "txtNA",
                                  "txtNB",         "picPicture1",  "cmdHowTo",    "cmdQuiz",       "cmdSave",
                                  "cmdIsoclines",  "MSChart1",     "Text1",       "VScroll1"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        seen << focused()->objectName();
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    QCOMPARE(seen, expected);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdRun")); // and round again
}

void TestAccessibility::aWholeRunFromTheKeyboard()
{
    MainHarness h;
    h.saveAnswer = QDir::temp().filePath(QStringLiteral("vorlenza-keyboard.txt"));
    int printers = 0;
    h.makePrinter = [&printers] {
        ++printers;
        return std::unique_ptr<QPrinter>();
    };
    frmForm1* main = h.showMain();
    auto* text1 = main->findChild<QLineEdit*>(QStringLiteral("Text1"));

    // a preset, chosen and run with the keyboard
    QVERIFY(tabTo(main, QStringLiteral("cmdUseData2")));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(main->findChild<QLineEdit*>(QStringLiteral("txtK1"))->text(), QStringLiteral("300"));
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdRun"));
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(text1->text(), QStringLiteral("100"));
    QCOMPARE(h.session.model().K1, 300.0);

    // an edited field confirmed with Enter, then run
    QVERIFY(tabTo(main, QStringLiteral("txtSimut")));
    auto* length = qobject_cast<QLineEdit*>(focused());
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("40"));
    QTest::keyClick(length, Qt::Key_Return);
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(text1->text(), QStringLiteral("40"));

    // a graph button, the day selector, save and print
    QVERIFY(tabTo(main, QStringLiteral("cmdShowNvsT")));
    QTest::keyClick(focused(), Qt::Key_Space);
    QVERIFY(!main->findChild<QWidget*>(QStringLiteral("cmdRun"))->isEnabled());
    QVERIFY(tabTo(main, QStringLiteral("VScroll1")));
    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(text1->text(), QStringLiteral("39"));
    QVERIFY(tabTo(main, QStringLiteral("cmdSave")));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(h.saveDialogs, 1);
    QVERIFY(QFile::exists(QDir::temp().filePath(QStringLiteral("vorlenza-keyboard-N1N2dN.txt"))));
    QFile::remove(QDir::temp().filePath(QStringLiteral("vorlenza-keyboard-N1N2dN.txt")));
    QVERIFY(tabTo(main, QStringLiteral("cmdPrint")));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(printers, 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
