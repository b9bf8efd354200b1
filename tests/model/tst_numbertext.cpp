#include "NumberText.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cfloat>

#include <cmath>
#include <limits>
#include <string>

using namespace vorlenza;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void numericPrefix_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("plain integer") << "200" << 200.0;
        QTest::newRow("decimal") << "0.2" << 0.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("junk") << "abc" << 0.0;
        QTest::newRow("trailing junk") << "5x" << 5.0;
        QTest::newRow("junk inside") << "12a34" << 12.0;
        QTest::newRow("blanks inside digits") << " 1 2 . 5 " << 12.5;
        QTest::newRow("tab and line feed") << "\t1\n0" << 10.0;
        QTest::newRow("carriage return stops") << "1\r0" << 1.0;
        QTest::newRow("minus") << "-3.5" << -3.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("upper exponent") << "2.5E-3" << 0.0025;
        QTest::newRow("exponent plus") << "3E+2" << 300.0;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent sign without digits") << "7e-" << 7.0;
        QTest::newRow("exponent with blank") << "1 e 3" << 1000.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("comma is not a point") << "0,5" << 0.0;
        QTest::newRow("comma after digits") << "3,5" << 3.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("hex stops at junk") << "&H1G" << 1.0;
        QTest::newRow("hex no digits") << "&H" << 0.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("ampersand other") << "&X12" << 0.0;
        QTest::newRow("blank in hex mark") << "& H 1 0" << 16.0;
        QTest::newRow("tiny underflows to zero") << "1e-400" << 0.0;
        QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
        QTest::newRow("many zeros") << "000000000000000000000000000001" << 1.0;
        QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
        // beyond the double range: infinite, so that callers can reject it; below it: zero
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("beyond doubles") << "1e400" << inf;
        QTest::newRow("far beyond doubles, negative") << "-1e99999999999999999999" << -inf;
        QTest::newRow("below doubles") << "0.000001e-400" << 0.0;
        QTest::newRow("huge digits, negative exponent") << QString(400, QLatin1Char('9')) + "e-400" << 1.0;
    }

    void numericPrefix()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(NumericPrefix(text.toStdString()), expected);
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("whole") << 10.0 << "10";
        QTest::newRow("fraction") << 0.2 << "0.2";
        QTest::newRow("negative fraction") << -0.5 << "-0.5";
        QTest::newRow("default day 1") << 11.936158 << "11.936158";
        QTest::newRow("15 digits kept") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1e14 fixed") << 1e14 << "100000000000000";
        QTest::newRow("1e15 exponent") << 1e15 << "1E+15";
        QTest::newRow("mantissa exponent") << 1.5e20 << "1.5E+20";
        QTest::newRow("1e-4 fixed") << 0.0001 << "0.0001";
        QTest::newRow("1e-5 exponent") << 0.00001 << "1E-05";
        QTest::newRow("negative small") << -2.5e-7 << "-2.5E-07";
        QTest::newRow("three digit exponent") << 1e-300 << "1E-300";
        QTest::newRow("rounded to 15 digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("rounding carries") << 9.9999999999999999 << "10";
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
        QTest::newRow("most negative double") << -std::numeric_limits<double>::max() << "-1.79769313486231E+308";
        QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("rounds up to an exponent") << 999999999999999.9 << "1E+15";
        QTest::newRow("many digits, large") << 123456789012345678.0 << "1.23456789012346E+17";
        QTest::newRow("negative below one") << -0.125 << "-0.125";
        QTest::newRow("subnormal") << 5e-324 << "4.94065645841247E-324";
    }

    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(vorlenza::formatNumber(value)), expected);
    }

    void formatIsShortAndReadsBackOverAllMagnitudes()
    {
        // Values of every magnitude and values next to the roundings where 15 digits carry over: the
        // text never exceeds MaxNumberText (the results file sizes its lines by it) and reads back.
        QRandomGenerator random(20240611);
        for (int k = 0; k < 200000; ++k) {
            double value;
            switch (k % 4) {
            case 0: value = std::ldexp(random.generateDouble() + 0.5, random.bounded(-1070, 1020)); break;
            case 1: value = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-8, 18)); break;
            case 2: value = std::nextafter(std::pow(10.0, random.bounded(-6, 17)), k % 8 < 4 ? 0.0 : 1e300); break;
            default: value = -DBL_MAX * random.generateDouble(); break;
            }
            const std::string text = vorlenza::formatNumber(value);
            if (text.size() > std::size_t(MaxNumberText))
                QFAIL(text.c_str());
            const double back = NumericPrefix(text);
            if (!(std::abs(back - value) <= std::abs(value) * 1e-14))
                QFAIL(text.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
