#include "MainSuite.h"

#include "ParameterFieldTable.h"
#include "NumberText.h"
#include "ParameterFields.h"

#include <QClipboard>
#include <QLabel>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QSignalSpy>

#include <limits>

using namespace vorlenza;

class TestParameterFields : public MainSuite {
    Q_OBJECT

    /// The number the last run took from `field`.
    double modelValue(const QByteArray& field) const
    {
        const ModelState& m = h->session.model();
        const QHash<QByteArray, double> values{{"txtRrateA", m.r1}, {"txtA0", m.N1[0]},  {"txtK1", m.K1},
                                               {"txtU", m.alpha},   {"txtRrateB", m.r2}, {"txtB0", m.N2[0]},
                                               {"txtK2", m.K2},     {"txtV", m.beta},    {"txtSimut", m.simTime}};
        return values.value(field, -1.0);
    }

private slots:
    void readings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reading");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("locale"); // the system's regional format

        const int prefix = int(FieldReading::Prefix);
        const int strict = int(FieldReading::Strict);
        const int days = int(FieldReading::WholeDays);
        QTest::newRow("prefix plain") << "0.2" << prefix << true << "C";
        QTest::newRow("prefix trailing junk") << "5x" << prefix << true << "C";
        QTest::newRow("prefix blanks inside") << " 1 0 " << prefix << true << "C";
        QTest::newRow("prefix hexadecimal") << "&H10" << prefix << true << "C";
        QTest::newRow("prefix no number") << "x5" << prefix << false << "C";
        QTest::newRow("prefix empty") << "" << prefix << false << "C";
        QTest::newRow("prefix zero") << "0" << prefix << false << "C";
        QTest::newRow("prefix negative") << "-3" << prefix << false << "C";
        QTest::newRow("prefix tiny positive") << "1e-300" << prefix << true << "C";
        QTest::newRow("prefix beyond doubles") << "1e999" << prefix << false << "C";
        QTest::newRow("prefix comma is no point") << "0,5" << prefix << false << "C";
        // The strict reading itself is tested with StrictNumber; here what the fields add to it.
        QTest::newRow("strict plain") << "10" << strict << true << "C";
        QTest::newRow("strict zero") << "0" << strict << false << "C";
        QTest::newRow("strict negative") << "-0.3" << strict << false << "C";
        QTest::newRow("days whole") << "100" << days << true << "C";
        QTest::newRow("days fraction") << "12.5" << days << false << "C";
        QTest::newRow("days exponent") << "1e2" << days << true << "C";
        QTest::newRow("days huge but whole") << "50000" << days << true << "C";
        QTest::newRow("days zero") << "0" << days << false << "C";
        QTest::newRow("days negative whole") << "-5" << days << false << "C";
        QTest::newRow("days junk after whole") << "7 days" << days << true << "C";
        QTest::newRow("days beyond doubles") << "1e400" << days << false << "C";
        // Every field reads a whole regional number; other texts as before, the lenient reading
        // with "." as the point.
        QTest::newRow("strict German comma") << "0,3" << strict << true << "de_DE";
        QTest::newRow("strict comma elsewhere") << "0,3" << strict << false << "C";
        QTest::newRow("prefix German comma") << "0,3" << prefix << true << "de_DE";
        QTest::newRow("prefix German negative comma") << "-0,3" << prefix << false << "de_DE";
        QTest::newRow("prefix German point") << "0.3" << prefix << true << "de_DE";
        QTest::newRow("strict German point") << "0.25" << strict << true << "de_DE";
    }

    // What Enter leaves in a field and what Run then reads, under each regional format: a number
    // the run would read otherwise is written the program's way (and that fires Change).
    void decimalComma_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<double>("run");
        const auto row = [](const char* locale, const char* field, const char* typed, const char* after, double run) {
            QTest::addRow("%s %s %s", locale, field, typed) << locale << field << typed << after << run;
        };
        row("de_DE", "txtRrateB", "0,2", "0.2", 0.2);
        row("de_DE", "txtA0", "0,2", "0.2", 0.2);
        row("de_DE", "txtA0", "1.000", "1000", 1000.0);
        row("de_DE", "txtA0", "1.000,5", "1000.5", 1000.5);
        row("de_DE", "txtRrateB", " 0,25 ", "0.25", 0.25);
        row("de_DE", "txtRrateB", "0.25", "0.25", 0.25);
        row("de_DE", "txtA0", "12", "12", 12.0);
        row("de_DE", "txtRrateB", "0,2x", "0.3", 0.3);
        row("de_DE", "txtA0", "0,0", "10", 10.0);
        row("de_DE", "txtRrateA", "0,5", "0.5", 0.5); // every field reads the regional format
        row("fr_FR", "txtRrateB", "0,2", "0.2", 0.2);
        row("fr_FR", "txtA0", "2,5", "2.5", 2.5);
        row("fr_FR", "txtA0", "1.000", "1.000", 1.0);
        row("fr_FR", "txtRrateB", "0.25", "0.25", 0.25);
        row("en_US", "txtRrateB", "0.25", "0.25", 0.25);
        row("en_US", "txtRrateB", "0,2", "0.3", 0.3);
        row("en_US", "txtA0", "1e2", "1e2", 100.0);
        row("en_US", "txtA0", "1,000", "1000", 1000.0);
        row("C", "txtRrateB", "0.25", "0.25", 0.25);
        row("C", "txtRrateB", "0,2", "0.3", 0.3);
        row("C", "txtA0", " 12 ", " 12 ", 12.0);
        row("C", "txtA0", "1,000", "1000", 1000.0);
        row("de_DE", "txtA0", "1,000.5", "10", 10.0);
    }

    void decimalComma()
    {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(double, run);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        const QByteArray name = field.toLatin1();
        h->type(name.constData(), typed);
        QSignalSpy changes(h->edit(name.constData()), &QLineEdit::textChanged);
        h->enter(name.constData());
        QCOMPARE(h->text(name.constData()), after);
        QCOMPARE(changes.size(), typed == after ? 0 : 1);
        QCOMPARE(QApplication::focusWidget(), h->button("cmdRun"));
        MainHarness::pressKey(Qt::Key_Return); // the second Enter runs
        const ModelState& m = h->session.model();
        const double read = field == QLatin1String("txtRrateB") ? m.r2
                            : field == QLatin1String("txtA0")   ? m.N1[0]
                                                                : m.r1;
        QCOMPARE(read, run);
    }

    // One reading rule for the nine fields in every language: the typed text, the text Enter
    // leaves, the number Run then reads, and the number Run reads from the text left unconfirmed.
    void regionalReading_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<double>("run");
        QTest::addColumn<double>("unconfirmed");
        const double inf = std::numeric_limits<double>::infinity();
        const double stops = qQNaN(); // the run stops with a message
        const auto row = [](const char* locale, const char* field, const char* typed, const char* after, double run,
                            double unconfirmed) {
            QTest::addRow("%s %s '%s'", locale, field, typed)
                << locale << field << QString::fromUtf8(typed) << QString::fromUtf8(after) << run << unconfirmed;
        };
        for (const char* l : {"de_DE", "fr_FR", "es_ES", "pt_BR"}) {
            row(l, "txtRrateA", "0,3", "0.3", 0.3, 0.3);
            row(l, "txtU", "0,5", "0.5", 0.5, 0.5);
            row(l, "txtV", "0,4", "0.4", 0.4, 0.4);
            row(l, "txtU", "1,25", "1.25", 1.25, 1.25);
            row(l, "txtK2", "150,5", "150.5", 150.5, 150.5);
            row(l, "txtK1", "250,5", "250.5", 250.5, 250.5);
            row(l, "txtSimut", "1,5e2", "150", 150, 150);
            row(l, "txtRrateB", "-0,5", "0.3", 0.3, -0.5);
            row(l, "txtB0", "0,0", "10", 10, 0);
            row(l, "txtA0", "1 000,5", "1000.5", 1000.5, 1000.5);
            row(l, "txtB0", "5x", "5x", 5, 5);
            row(l, "txtA0", "5x", "10", 10, 5);
            row(l, "txtSimut", "12.5", "100", 100, 12.5);
            row(l, "txtK2", "", "200", 200, 0);
            row(l, "txtK1", "1,5e400", "150", 150, inf);
            row(l, "txtB0", " 12 ", " 12 ", 12, 12);
            row(l, "txtRrateA", "3e-1", "3e-1", 0.3, 0.3);
            row(l, "txtRrateB", "0.25", "0.25", 0.25, 0.25);
        }
        row("de_DE", "txtK1", "1.000", "1000", 1000, 1000);
        row("es_ES", "txtK1", "1.000", "1000", 1000, 1000);
        row("pt_BR", "txtK1", "1.000", "1000", 1000, 1000);
        row("fr_FR", "txtK1", "1.000", "1.000", stops, 1);               // French groups with spaces, never with points
        row("fr_FR", "txtK2", "1\u202f000,5", "1000.5", 1000.5, 1000.5); // QLocale's own French mark
        row("de_DE", "txtSimut", "1.000", "1000", 1000, 1000);
        // A point decimal mark: the lenient reading as it always was, but for digits grouped with commas.
        for (const char* l : {"zh_CN", "en_US", "C"}) {
            row(l, "txtRrateA", "0,3", "0.2", 0.2, 0);
            row(l, "txtU", "0,5", "2", 2, 0);
            row(l, "txtV", "0,4", "100", stops, 0); // b = 100: the populations overflow
            row(l, "txtU", "1,25", "1,25", 1, 1);
            row(l, "txtK2", "150,5", "150,5", 150, 150);
            row(l, "txtK1", "250,5", "250,5", 250, 250);
            row(l, "txtK1", "1.000", "1.000", stops, 1); // K1 = 1: the populations overflow
            row(l, "txtSimut", "1,5e2", "1,5e2", 1, 1);
            row(l, "txtRrateB", "-0,5", "0.3", 0.3, 0);
            row(l, "txtB0", "0,0", "10", 10, 0);
            row(l, "txtA0", "1 000,5", "10", 10, 1000);
            row(l, "txtB0", "5x", "5x", 5, 5);
            row(l, "txtA0", "5x", "10", 10, 5);
            row(l, "txtSimut", "12.5", "100", 100, 12.5);
            row(l, "txtK2", "", "200", 200, 0);
            row(l, "txtK1", "1e400", "150", 150, inf);
            row(l, "txtK1", "1,000", "1000", 1000, 1000);
            row(l, "txtB0", " 12 ", " 12 ", 12, 12);
            row(l, "txtRrateA", "3e-1", "3e-1", 0.3, 0.3);
            row(l, "txtRrateB", "0.25", "0.25", 0.25, 0.25);
        }
    }

    void regionalReading()
    {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(double, run);
        QFETCH(double, unconfirmed);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        QCOMPARE(NumericPrefix(runText(typed)), unconfirmed);
        const QByteArray name = field.toLatin1();
        if (typed.toLatin1() == typed.toUtf8()) {
            h->type(name.constData(), typed);
        } else { // QTest types only Latin-1: the rest comes in as if pasted
            h->edit(name.constData())->selectAll();
            h->edit(name.constData())->insert(typed);
        }
        h->enter(name.constData());
        QCOMPARE(h->text(name.constData()), after);
        MainHarness::pressKey(Qt::Key_Return); // the second Enter runs
        QCOMPARE(h->messages.isEmpty(), !qIsNaN(run));
        if (!qIsNaN(run))
            QCOMPARE(modelValue(name), run);
    }

    // A field left unconfirmed is read by Run as the number it shows; a number the program wrote
    // keeps its point however often Enter is pressed.
    void runReadsWhatTheFieldShows()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        h->type("txtRrateA", QStringLiteral("0,5"));
        h->type("txtK1", QStringLiteral("250,125"));
        h->enter("txtK1");
        QCOMPARE(h->text("txtK1"), QStringLiteral("250.125"));
        h->enter("txtK1");
        QCOMPARE(h->text("txtK1"), QStringLiteral("250.125"));
        QCOMPARE(h->text("txtRrateA"), QStringLiteral("0,5"));
        MainHarness::pressKey(Qt::Key_Return);
        QCOMPARE(h->session.model().r1, 0.5);
        QVERIFY2(h->messages.isEmpty(), qPrintable(h->messages.join(QLatin1Char('\n'))));
        QCOMPARE(h->session.model().K1, 250.125);

        // Typed by the student, a point before three digits groups a thousand in German.
        h->type("txtSimut", QStringLiteral("1.234"));
        h->enter("txtA0");
        MainHarness::pressKey(Qt::Key_Return);
        QVERIFY2(h->messages.isEmpty(), qPrintable(h->messages.join(QLatin1Char('\n'))));
        QCOMPARE(h->session.model().simTime, std::int16_t(1234));
        QCOMPARE(h->session.model().K1, 250.125);
    }

    void readings()
    {
        QFETCH(QString, text);
        QFETCH(int, reading);
        QFETCH(bool, accepted);
        QFETCH(QString, locale);
        QCOMPARE(enteredFieldText(text, FieldReading(reading), QLocale(locale)).has_value(), accepted);
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << 13;
        QTest::newRow("Return without text") << int(Qt::Key_Return) << "" << 13;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << 97;
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << 53;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 8;
        QTest::newRow("arrow") << int(Qt::Key_Left) << "" << -1;
        QTest::newRow("function key") << int(Qt::Key_F2) << "" << -1;
    }

    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(keyAsciiOf(key, text), code);
    }

    void tableHoldsEachFieldOnce()
    {
        const ParameterField all[] = {ParameterField::Simut, ParameterField::K1,      ParameterField::K2,
                                      ParameterField::Alpha, ParameterField::Beta,    ParameterField::R1,
                                      ParameterField::R2,    ParameterField::N1Start, ParameterField::N2Start};
        QVERIFY(!parameterFieldRowOf(ParameterField::None));
        FieldTexts readFrom;
        for (ParameterField f : all) {
            const ParameterFieldRow* row = parameterFieldRowOf(f);
            QVERIFY(row);
            QCOMPARE(row->field, f);
            QVERIFY2(h->edit(row->name), row->name);
            QVERIFY2(h->child<QLabel>(row->labelName), row->labelName);
            QCOMPARE(h->text(row->name), row->startText());
            readFrom.*row->text = row->name;
        }
        // every text a run reads comes from a field of its own
        const QStringList names{QString::fromStdString(readFrom.simut),  QString::fromStdString(readFrom.K1),
                                QString::fromStdString(readFrom.K2),     QString::fromStdString(readFrom.u),
                                QString::fromStdString(readFrom.v),      QString::fromStdString(readFrom.rrateA),
                                QString::fromStdString(readFrom.rrateB), QString::fromStdString(readFrom.a0),
                                QString::fromStdString(readFrom.b0)};
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), ParameterFieldCount);
        for (const QString& n : names)
            QVERIFY2(n.startsWith(QLatin1String("txt")), qPrintable(n));
    }

    void enterCheck_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");

        const struct {
            const char* field;
            const char* reset;
        } fields[] = {{"txtRrateA", "0.2"}, {"txtA0", "10"},      {"txtK1", "150"},
                      {"txtU", "2"},        {"txtRrateB", "0.3"}, {"txtB0", "10"},
                      {"txtK2", "200"},     {"txtV", "100"},      {"txtSimut", "100"}};
        for (const auto& f : fields) {
            const QByteArray n(f.field);
            QTest::newRow(n + " empty") << f.field << "" << f.reset;
            QTest::newRow(n + " zero") << f.field << "0" << f.reset;
            QTest::newRow(n + " negative") << f.field << "-4" << f.reset;
            QTest::newRow(n + " letters") << f.field << "abc" << f.reset;
            QTest::newRow(n + " beyond doubles") << f.field << "1e999" << f.reset;
            QTest::newRow(n + " whole number") << f.field << "7"
                                               << "7";
        }
        QTest::newRow("txtB0 5x kept") << "txtB0"
                                       << "5x"
                                       << "5x";
        QTest::newRow("txtK1 5x kept") << "txtK1"
                                       << "5x"
                                       << "5x";
        QTest::newRow("txtA0 5x reset") << "txtA0"
                                        << "5x"
                                        << "10";
        QTest::newRow("txtRrateB 5x reset") << "txtRrateB"
                                            << "5x"
                                            << "0.3";
        QTest::newRow("txtRrateB fraction kept") << "txtRrateB"
                                                 << "0.25"
                                                 << "0.25";
        QTest::newRow("txtA0 blanks around kept") << "txtA0"
                                                  << " 12 "
                                                  << " 12 ";
        QTest::newRow("txtU fraction kept") << "txtU"
                                            << "0.5"
                                            << "0.5";
        QTest::newRow("txtSimut 12.5 reset") << "txtSimut"
                                             << "12.5"
                                             << "100";
        QTest::newRow("txtSimut 1e2 kept") << "txtSimut"
                                           << "1e2"
                                           << "1e2";
        QTest::newRow("txtSimut 50000 kept") << "txtSimut"
                                             << "50000"
                                             << "50000";
        QTest::newRow("txtSimut 0.5 reset") << "txtSimut"
                                            << "0.5"
                                            << "100";
    }

    void enterCheck()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, after);

        h->click("cmdRun"); // read-outs filled, graph commands on
        const QByteArray name = field.toLatin1();
        h->type(name.constData(), typed);
        QCOMPARE(h->text(name.constData()), typed);
        QVERIFY(!h->button("cmdRun")->isEnabled());

        h->enter(name.constData());
        QCOMPARE(h->text(name.constData()), after);
        QVERIFY(h->button("cmdRun")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), h->button("cmdRun"));
        QVERIFY(h->messages.isEmpty()); // a rejected value is never reported, only reset
        QVERIFY(!h->button("cmdShowN1vsN2")->isEnabled());
        QVERIFY(h->button("cmdIsoclines")->isEnabled());
        QCOMPARE(h->session.model().K1, 200.0); // the model waits for Run
    }

    void changeHandlerRunsForEveryKindOfEdit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        for (const char* f :
             {"txtRrateA", "txtA0", "txtK1", "txtU", "txtRrateB", "txtB0", "txtK2", "txtV", "txtSimut"}) {
            QTest::newRow(QByteArray(f) + " typed") << f << "typed";
            QTest::newRow(QByteArray(f) + " set by the program") << f << "program";
        }
        QTest::newRow("txtV pasted") << "txtV"
                                     << "pasted";
        QTest::newRow("txtSimut deleted") << "txtSimut"
                                          << "deleted";
    }

    void changeHandlerRunsForEveryKindOfEdit()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        h->click("cmdRun");
        h->click("cmdShowN1vsN2");
        QVERIFY(!h->text("txtNA").isEmpty());
        const QString day = h->text("Text1");
        QLineEdit* e = h->edit(field.toLatin1().constData());
        if (how == QLatin1String("typed")) {
            // Keys other than Enter are never filtered: letters, blanks, signs, arrows, Backspace.
            const QString before = e->text();
            e->setFocus();
            e->end(false);
            QTest::keyClicks(e, QStringLiteral("Ab c,.-+"));
            QTest::keyClick(e, Qt::Key_Left);
            QTest::keyClick(e, Qt::Key_Backspace);
            QCOMPARE(e->text(), before + QStringLiteral("Ab c,.+"));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(e));
        } else if (how == QLatin1String("program")) {
            e->setText(QStringLiteral("3"));
        } else if (how == QLatin1String("pasted")) {
            QGuiApplication::clipboard()->setText(QStringLiteral("42"));
            if (QGuiApplication::clipboard()->text() != QLatin1String("42"))
                QSKIP("no clipboard on this platform");
            e->setFocus();
            e->selectAll();
            e->paste();
            QCOMPARE(e->text(), QStringLiteral("42"));
        } else {
            e->setFocus();
            e->end(false);
            QTest::keyClick(e, Qt::Key_Backspace);
        }
        QVERIFY(h->text("txtNA").isEmpty());
        QVERIFY(h->text("txtNB").isEmpty());
        for (const char* name : {"cmdRun", "cmdLargeGraph", "cmdShowN1vsN2", "cmdShowDNvsT", "cmdShowNvsT"})
            QVERIFY2(!h->button(name)->isEnabled(), name);
        // What the edit leaves alone.
        QVERIFY(h->button("cmdIsoclines")->isEnabled());
        QVERIFY(h->button("cmdSave")->isEnabled());
        QVERIFY(h->button("cmdPrint")->isEnabled());
        QVERIFY(h->child("MSChart1")->isVisible());
        QCOMPARE(h->text("Text1"), day);
        QCOMPARE(h->child<QScrollBar>("VScroll1")->value(), 100);
    }

    void uncheckedTextIsReadLenientlyByRun()
    {
        // Enter in one field enables Run while another still holds an unconfirmed edit.
        h->type("txtA0", QStringLiteral("5x"));
        h->enter("txtK1");
        QCOMPARE(h->text("txtA0"), QStringLiteral("5x"));
        MainHarness::pressKey(Qt::Key_Return);
        QCOMPARE(h->session.model().N1[0], 5.0);
        QVERIFY(h->messages.isEmpty());
    }
};

QTEST_MAIN(TestParameterFields)
#include "tst_parameterfields.moc"
