// The pictures in the resources: sizes, colours, the pointer's tip and the quiz's density.

#include "Look.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

using namespace vorlenza;

Q_DECLARE_METATYPE(QIcon::Mode)

class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void sizesAndFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("colours"); // at most, in a colour table; 0: not indexed
        QTest::addColumn<int>("dpi");     // 0: not stated
        QTest::addRow("window icon") << "icon.png" << QSize(32, 32) << QByteArray("png") << 16 << 0;
        QTest::addRow("quiz button") << "quiz-button.png" << QSize(32, 32) << QByteArray("png") << 0 << 0;
        QTest::addRow("pointer") << "pointer.png" << QSize(32, 32) << QByteArray("png") << 16 << 0;
        QTest::addRow("author") << "author.jpg" << QSize(136, 180) << QByteArray("jpeg") << 0 << 0;
        QTest::addRow("dedication") << "dedication.jpg" << QSize(504, 559) << QByteArray("jpeg") << 0 << 0;
        QTest::addRow("quiz") << "quiz.jpg" << QSize(600, 422) << QByteArray("jpeg") << 0 << 300;
        for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN"})
            QTest::addRow("quiz, %s", language) << QStringLiteral("quiz-%1.jpg").arg(QLatin1String(language))
                                                << QSize(600, 422) << QByteArray("jpeg") << 0 << 300;
    }
    void sizesAndFormats()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QFETCH(int, colours);
        QFETCH(int, dpi);
        QImageReader reader(QStringLiteral(":/vorlenza/") + name);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        if (colours) {
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QVERIFY(image.colorCount() >= 2 && image.colorCount() <= colours);
        }
        if (dpi) {
            QVERIFY(qAbs(image.dotsPerMeterX() - qRound(dpi / 0.0254)) <= 1);
            QVERIFY(qAbs(image.dotsPerMeterY() - qRound(dpi / 0.0254)) <= 1);
        }
    }

    void pointerTipIsTheHotSpot()
    {
        const QImage pointer = QImage(QStringLiteral(":/vorlenza/pointer.png")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(pointer.hasAlphaChannel());
        auto opaque = [&](int x, int y) { return qAlpha(pointer.pixel(x, y)) == 255; };
        QVERIFY(opaque(12, 1));
        // Nothing above the tip, nothing beside it to the left on its row; the corners are clear.
        for (int x = 0; x < 32; ++x)
            QVERIFY(!opaque(x, 0));
        for (int x = 0; x < 11; ++x)
            QVERIFY(!opaque(x, 1));
        QVERIFY(!opaque(0, 0) && !opaque(31, 31) && !opaque(0, 31) && !opaque(31, 0));

        const QCursor cursor = look::customPointer();
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), pointer);
    }

    void pngReadAsQPixmapReadsIt_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"icon.png", "pointer.png", "quiz-button.png"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void pngReadAsQPixmapReadsIt()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(":/vorlenza/") + name;
        const QImage read = QPixmap::fromImage(look::resourcePng(path)).toImage();
        const QImage expected = QPixmap(path).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(read.format(), expected.format());
        QCOMPARE(read, expected);
    }

    void missingPngReadsAsNothing() { QVERIFY(look::resourcePng(QStringLiteral(":/vorlenza/none.png")).isNull()); }

    void windowIconAsTheFileGivesIt_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QIcon::Mode>("mode");
        for (int size : {16, 24, 32, 48, 64})
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                QTest::addRow("%d px, mode %d", size, int(mode)) << size << mode;
    }
    void windowIconAsTheFileGivesIt()
    {
        QFETCH(int, size);
        QFETCH(QIcon::Mode, mode);
        const QIcon file(QStringLiteral(":/vorlenza/icon.png"));
        const QIcon icon = look::windowIcon();
        QCOMPARE(icon.availableSizes(mode), file.availableSizes(mode));
        QCOMPARE(icon.pixmap(size, mode).toImage(), file.pixmap(size, mode).toImage());
    }

    void windowIconFromTheResources()
    {
        const QIcon icon = look::windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(QStringLiteral(":/vorlenza/icon.png")).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
