#include "StrictNumber.h"

#include <QtTest>

#include <limits>

using namespace vorlenza;

class TestStrictNumber : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void regional_data();
    void regional();
};

void TestStrictNumber::reading_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "C"
                           << "10" << true << 10.0;
    QTest::newRow("decimal") << "C"
                             << "0.3" << true << 0.3;
    QTest::newRow("blanks around") << "C"
                                   << "  0.3 " << true << 0.3;
    QTest::newRow("exponent") << "C"
                              << "1e2" << true << 100.0;
    QTest::newRow("negative") << "C"
                              << "-5" << true << -5.0;
    QTest::newRow("empty") << "C"
                           << "" << false << 0.0;
    QTest::newRow("blanks only") << "C"
                                 << "   " << false << 0.0;
    QTest::newRow("trailing junk") << "C"
                                   << "5x" << false << 0.0;
    QTest::newRow("blank inside") << "C"
                                  << "1 0" << false << 0.0;
    QTest::newRow("tab around") << "C"
                                << "\t10" << false << 0.0;
    QTest::newRow("line feed around") << "C"
                                      << "10\n"
                                      << false << 0.0;
    QTest::newRow("no-break space around") << "C" << QString(QChar(0xA0)) + "10" << false << 0.0;
    QTest::newRow("beyond double") << "C"
                                   << "1e400" << false << 0.0;
    QTest::newRow("hex is not regional") << "C"
                                         << "&H10" << false << 0.0;
    QTest::newRow("German comma") << "de_DE"
                                  << "0,3" << true << 0.3;
    // The program's own way of writing numbers is read under every regional format; where the
    // regional format reads a text too, it wins.
    QTest::newRow("German point of the program") << "de_DE"
                                                 << "0.3" << true << 0.3;
    QTest::newRow("German grouping wins") << "de_DE"
                                          << "1.000" << true << 1000.0;
    QTest::newRow("German both marks") << "de_DE"
                                       << "1.000,5" << true << 1000.5;
    QTest::newRow("German junk") << "de_DE"
                                 << "0,3x" << false << 0.0;
    QTest::newRow("French comma") << "fr_FR"
                                  << "0,2" << true << 0.2;
    QTest::newRow("French point of the program") << "fr_FR"
                                                 << "1.000" << true << 1.0;
    QTest::newRow("English comma is grouping") << "en_US"
                                               << "1,234.5" << true << 1234.5;
    QTest::newRow("English misplaced comma") << "en_US"
                                             << "0,3" << false << 0.0;
    QTest::newRow("C grouping") << "C"
                                << "1,000" << true << 1000.0;
    QTest::newRow("German with English grouping") << "de_DE"
                                                  << "1,000.5" << false << 0.0;
    // Students group with spaces; QLocale's French mark is a narrow no-break space.
    QTest::newRow("French plain space") << "fr_FR"
                                        << "1 000,5" << true << 1000.5;
    const QString noBreak = QStringLiteral("1") + QChar(0xA0) + QStringLiteral("000,5");
    QTest::newRow("French no-break space") << "fr_FR" << noBreak << true << 1000.5;
    QTest::newRow("German space grouping") << "de_DE"
                                           << "1 000,5" << true << 1000.5;
    QTest::newRow("Spanish grouped thousand") << "es_ES"
                                              << "1.000" << true << 1000.0;
    QTest::newRow("German beyond double") << "de_DE"
                                          << "1,5e400" << false << 0.0;
    QTest::newRow("German inf is no number") << "de_DE"
                                             << "inf" << false << 0.0;
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

void TestStrictNumber::regional_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    const int none = int(RegionalNumber::Kind::None);
    const int number = int(RegionalNumber::Kind::Number);
    const int beyond = int(RegionalNumber::Kind::OutOfRange);
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("German too large") << "de_DE"
                                      << "1,5e400" << beyond << inf;
    QTest::newRow("German too large negative") << "de_DE"
                                               << "-1,5E400" << beyond << -inf;
    QTest::newRow("German too small") << "de_DE"
                                      << "1,5e-400" << beyond << 0.0;
    QTest::newRow("German broken exponent") << "de_DE"
                                            << "1,5e-4x0" << none << 0.0;
    QTest::newRow("C too large") << "C"
                                 << "1e400" << beyond << inf;
    QTest::newRow("English comma is no point") << "en_US"
                                               << "1,5e400" << none << 0.0;
    QTest::newRow("German point of the program") << "de_DE"
                                                 << "0.25" << none << 0.0;
    QTest::newRow("German grouping") << "de_DE"
                                     << "1.000" << number << 1000.0;
    QTest::newRow("English space grouping") << "en_US"
                                            << "1 000" << number << 1000.0;
    QTest::newRow("English spaces beside commas") << "en_US"
                                                  << "1 000,000" << none << 0.0;
    QTest::newRow("English space in a fraction") << "en_US"
                                                 << "1 0" << none << 0.0;
    QTest::newRow("Spanish misplaced group") << "es_ES"
                                             << "12.50" << none << 0.0;
    QTest::newRow("nan") << "de_DE"
                         << "nan" << none << 0.0;
}

void TestStrictNumber::regional()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(double, value);
    const RegionalNumber read = readRegionalNumber(text, QLocale(locale));
    QCOMPARE(int(read.kind), kind);
    if (read.kind != RegionalNumber::Kind::None)
        QCOMPARE(read.value, value);
}

QTEST_APPLESS_MAIN(TestStrictNumber)
#include "tst_strictnumber.moc"
