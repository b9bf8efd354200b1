// Font sizes in points become whole pixels at 96 dpi, rounded, never below one pixel.

#include "FontSize.h"

#include <QtTest>

using namespace vorlenza;

class TestFontSize : public QObject {
    Q_OBJECT
private slots:
    void pixels_data();
    void pixels();
    void sizedFontCarriesOnlyFamilyAndSize();
};

void TestFontSize::pixels_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("7.8 pt") << 7.8 << 10;
    QTest::newRow("8 pt") << 8.0 << 11;
    QTest::newRow("9.6 pt") << 9.6 << 13;
    QTest::newRow("10 pt") << 10.0 << 13;
    QTest::newRow("12 pt") << 12.0 << 16;
    QTest::newRow("14.4 pt") << 14.4 << 19;
    QTest::newRow("18 pt") << 18.0 << 24;
    QTest::newRow("26.4 pt") << 26.4 << 35;
    QTest::newRow("half a pixel rounds up") << 1.125 << 2;     // 1.5 px
    QTest::newRow("just under half rounds down") << 1.12 << 1; // 1.4933 px
    QTest::newRow("zero") << 0.0 << 1;
    QTest::newRow("negative") << -5.0 << 1;
}

void TestFontSize::pixels()
{
    QFETCH(double, points);
    QFETCH(int, pixels);
    QCOMPARE(fontsize::pixels(points), pixels);
}

void TestFontSize::sizedFontCarriesOnlyFamilyAndSize()
{
    const QFont f = fontsize::sized(QStringLiteral("Arial"), 10.0);
    QCOMPARE(f.family(), QStringLiteral("Arial"));
    QCOMPARE(f.pixelSize(), 13);
    // Bold, italic and the antialiasing strategy are left to the caller (or to the widget's font).
    const uint mask = f.resolveMask();
    QVERIFY(mask & QFont::SizeResolved);
    QCOMPARE(mask & uint(QFont::WeightResolved | QFont::StyleResolved | QFont::StyleStrategyResolved), 0u);
}

QTEST_GUILESS_MAIN(TestFontSize)
#include "tst_fontsize.moc"
