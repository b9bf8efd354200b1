#include "StrictNumber.h"

#include <QtTest>

using namespace vorlenza;

class TestStrictNumber : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
};

void TestStrictNumber::reading_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "C" << "10" << true << 10.0;
    QTest::newRow("decimal") << "C" << "0.3" << true << 0.3;
    QTest::newRow("blanks around") << "C" << "  0.3 " << true << 0.3;
    QTest::newRow("exponent") << "C" << "1e2" << true << 100.0;
    QTest::newRow("negative") << "C" << "-5" << true << -5.0;
    QTest::newRow("empty") << "C" << "" << false << 0.0;
    QTest::newRow("blanks only") << "C" << "   " << false << 0.0;
    QTest::newRow("trailing junk") << "C" << "5x" << false << 0.0;
    QTest::newRow("blank inside") << "C" << "1 0" << false << 0.0;
    QTest::newRow("tab around") << "C" << "\t10" << false << 0.0;
    QTest::newRow("line feed around") << "C" << "10\n" << false << 0.0;
    QTest::newRow("no-break space around") << "C" << QString(QChar(0xA0)) + "10" << false << 0.0;
    QTest::newRow("beyond double") << "C" << "1e400" << false << 0.0;
    QTest::newRow("hex is not regional") << "C" << "&H10" << false << 0.0;
    QTest::newRow("German comma") << "de_DE" << "0,3" << true << 0.3;
    // The program's own way of writing numbers is read under every regional format; where the
    // regional format reads a text too, it wins.
    QTest::newRow("German point of the program") << "de_DE" << "0.3" << true << 0.3;
    QTest::newRow("German grouping wins") << "de_DE" << "1.000" << true << 1000.0;
    QTest::newRow("German both marks") << "de_DE" << "1.000,5" << true << 1000.5;
    QTest::newRow("German junk") << "de_DE" << "0,3x" << false << 0.0;
    QTest::newRow("French comma") << "fr_FR" << "0,2" << true << 0.2;
    QTest::newRow("French point of the program") << "fr_FR" << "1.000" << true << 1.0;
    QTest::newRow("English comma is grouping") << "en_US" << "1,234.5" << true << 1234.5;
    QTest::newRow("English misplaced comma") << "en_US" << "0,3" << false << 0.0;
    QTest::newRow("C grouping") << "C" << "1,000" << true << 1000.0;
    QTest::newRow("German with English grouping") << "de_DE" << "1,000.5" << false << 0.0;
}

void TestStrictNumber::reading()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const std::optional<double> read = StrictNumber(text, QLocale(locale));
    QCOMPARE(read.has_value(), ok);
    if (ok)
        QCOMPARE(*read, value);
}

QTEST_APPLESS_MAIN(TestStrictNumber)
#include "tst_strictnumber.moc"
