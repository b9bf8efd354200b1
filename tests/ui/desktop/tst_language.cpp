// The program speaks the desktop's language when it has a translation for it, and English
// otherwise; a damaged translation file never leaves a caption blank.

#include "AppWindows.h"
#include "Language.h"
#include "Look.h"
#include "RunFailureText.h"
#include "Session.h"
#include "TranslationTable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace vorlenza;

namespace {

const WindowId kWindows[] = {WindowId::Main,         WindowId::Large,      WindowId::Title,
                             WindowId::Introduction, WindowId::References, WindowId::HowTo,
                             WindowId::About,        WindowId::Dedication, WindowId::Quiz};

QString tsPath(const QString& language)
{
    return QStringLiteral(VORLENZA_TRANSLATIONS_DIR "/vorlenza_%1.ts").arg(language);
}

QString translated(const TsEntry& e, int n = 1)
{
    return QCoreApplication::translate(e.context.constData(), e.source.constData(),
                                       e.comment.isEmpty() ? nullptr : e.comment.constData(), e.numerus ? n : -1);
}

/// Every window's readable texts, after a run so that the read-outs and the chart are filled.
QMap<QString, QString> everyWindowsTexts()
{
    Session session;
    registerWindows(session);
    session.windows().setExitFunction([] {});
    QMap<QString, QString> all;
    for (WindowId id : kWindows) {
        QWidget* w = session.windows().load(id);
        if (!w)
            continue;
        if (id == WindowId::Main)
            if (auto* run = w->findChild<QAbstractButton*>(QStringLiteral("cmdRun")))
                run->click();
        const QMap<QString, QString> texts = readableTexts(w);
        for (auto it = texts.begin(); it != texts.end(); ++it)
            all.insert(w->objectName() + QLatin1Char('/') + it.key(), it.value());
    }
    session.windows().destroyAll();
    return all;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void choosing_data();
    void choosing();
    void everyLanguageIsBuiltIn();
    void builtInTranslationsMatchTheirSources_data();
    void builtInTranslationsMatchTheirSources();
    void qtsOwnTextsFollow();
    void englishAgainAfterAnotherLanguage();
    void runFailuresInEveryLanguage_data();
    void runFailuresInEveryLanguage();
    void damagedFileLeavesEnglish_data();
    void damagedFileLeavesEnglish();

private:
    QMap<QString, QString> m_english;
    QByteArray m_germanQm;
};

void TestLanguage::initTestCase()
{
    look::installFontSubstitutions();
    m_english = everyWindowsTexts();
    QVERIFY(m_english.size() > 50);
    QFile qm(Translations::builtInFolder() + QStringLiteral("/vorlenza_de.qm"));
    QVERIFY(qm.open(QIODevice::ReadOnly));
    m_germanQm = qm.readAll();
    QVERIFY(m_germanQm.size() > 100);
}

void TestLanguage::choosing_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    const QStringList five = {"de", "es", "fr", "pt_BR", "zh_CN"};
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("German, Austria") << QStringList{"de-AT"} << "de";
    QTest::newRow("French, Canada") << QStringList{"fr-CA", "fr"} << "fr";
    QTest::newRow("Spanish, Mexico") << QStringList{"es-MX"} << "es";
    QTest::newRow("Portuguese, Brazil") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese alone") << QStringList{"pt"} << "pt_BR";
    QTest::newRow("Chinese, simplified script") << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
    QTest::newRow("Chinese, Taiwan") << QStringList{"zh-Hant-TW", "zh-TW"} << "";
    QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "";
    QTest::newRow("British English") << QStringList{"en-GB"} << "";
    QTest::newRow("second choice") << QStringList{"it-IT", "fr-FR"} << "fr";
    QTest::newRow("untranslated only") << QStringList{"it-IT", "nl"} << "";
    QTest::newRow("C locale skipped") << QStringList{"C", "es"} << "es";
    QTest::newRow("nothing wanted") << QStringList{} << "";
    QTest::newRow("garbage") << QStringList{"", "#!", "xx-YY"} << "";
}

void TestLanguage::choosing()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(wanted, {"de", "es", "fr", "pt_BR", "zh_CN"}), chosen);
}

void TestLanguage::everyLanguageIsBuiltIn()
{
    const QStringList five = {"de", "es", "fr", "pt_BR", "zh_CN"};
    QCOMPARE(Translations::available(), five);
    QCOMPARE(Translations::available(QStringLiteral("/nonexistent")), QStringList());
}

void TestLanguage::builtInTranslationsMatchTheirSources_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& l : Translations::available())
        QTest::newRow(qPrintable(l)) << l;
}

void TestLanguage::builtInTranslationsMatchTheirSources()
{
    // the .qm in the resources says what its .ts says, entry for entry
    QFETCH(QString, language);
    Translations t;
    QCOMPARE(t.use({language}), language);
    QCOMPARE(t.language(), language);
    const std::vector<TsEntry> entries = readTs(tsPath(language));
    QVERIFY(!entries.empty());
    for (const TsEntry& e : entries) {
        QVERIFY2(!e.translations.isEmpty(), e.source.constData());
        QString expected = e.translations.first();
        if (e.numerus)
            expected.replace(QLatin1String("%n"), QLatin1String("1"));
        QCOMPARE(translated(e), expected);
    }
}

void TestLanguage::qtsOwnTextsFollow()
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    Translations t;
    t.use({QStringLiteral("de-DE")});
    QCOMPARE(cancel(), QStringLiteral("Abbrechen"));
    t.use({QStringLiteral("fr-FR")});
    QCOMPARE(cancel(), QStringLiteral("Annuler"));
    // the file dialog's file types, which some of Qt's files keep under an older context
    const QStringList folder{"de:Verzeichnis", "fr:Dossier", "es:Carpeta", "pt_BR:Pasta", "zh_CN:文件夹"};
    for (const QString& pair : folder) {
        t.use({pair.section(QLatin1Char(':'), 0, 0)});
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), pair.section(QLatin1Char(':'), 1));
    }
    t.use({QStringLiteral("en-US")});
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    // without the program's own translation Qt's is not loaded either
    t.use({QStringLiteral("de")}, QStringLiteral("/nonexistent"));
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    // and Qt's missing still leaves the program's
    QCOMPARE(t.use({QStringLiteral("de")}, Translations::builtInFolder(), QStringLiteral("/nonexistent")),
             QStringLiteral("de"));
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
}

void TestLanguage::englishAgainAfterAnotherLanguage()
{
    {
        Translations t;
        t.use({QStringLiteral("zh-CN")});
        QVERIFY(everyWindowsTexts() != m_english);
        t.use({QStringLiteral("en")});
        QCOMPARE(t.language(), QString());
        QCOMPARE(everyWindowsTexts(), m_english);
        t.use({QStringLiteral("es")});
    }
    // the translation goes with the object that installed it
    QCOMPARE(everyWindowsTexts(), m_english);
}

void TestLanguage::runFailuresInEveryLanguage_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("english");
    const auto add = [](const char* name, RunError e, ParameterField f, const char* english, int day = 0) {
        QTest::newRow(name) << int(e) << int(f) << day << QString::fromUtf8(english);
    };
    const char* const length = "The simulation length must be a whole number of days from 1 to 9999.";
    add("length overflow", RunError::LengthOverflow, ParameterField::Simut, length);
    add("length out of range", RunError::LengthOutOfRange, ParameterField::Simut, length);
    add("K1 too large", RunError::ParameterTooLarge, ParameterField::K1,
        "The carrying capacity of species A (K1) is too large to compute with.");
    add("r too large", RunError::ParameterTooLarge, ParameterField::R1,
        "The intrinsic rate of species A (r) is too large to compute with.");
    add("N2(0) too large", RunError::ParameterTooLarge, ParameterField::N2Start,
        "The initial size of species B is too large to compute with.");
    add("length too large", RunError::ParameterTooLarge, ParameterField::Simut,
        "The simulation length is too large to compute with.");
    add("unknown field too large", RunError::ParameterTooLarge, ParameterField::None,
        "A value is too large to compute with.");
    add("alpha zero", RunError::ZeroDivisor, ParameterField::Alpha, "Constant a must not be 0.");
    add("K2 zero", RunError::ZeroDivisor, ParameterField::K2, "The carrying capacity of species B (K2) must not be 0.");
    add("beta zero", RunError::ZeroDivisor, ParameterField::Beta, "Constant b must not be 0.");
    add("arithmetic on day 37", RunError::Arithmetic, ParameterField::None,
        "The populations grew too large to compute on day 37. Try smaller growth rates.", 37);
    add("isoclines", RunError::IsoclineArithmetic, ParameterField::None,
        "The isoclines cannot be computed with these values. Try a larger constant a or b.");
}

void TestLanguage::runFailuresInEveryLanguage()
{
    QFETCH(int, error);
    QFETCH(int, field);
    QFETCH(int, day);
    QFETCH(QString, english);
    RunResult result;
    result.error = RunError(error);
    result.field = ParameterField(field);
    result.day = day;
    QCOMPARE(runFailureText(result), english);
    for (const QString& language : Translations::available()) {
        Translations t;
        QCOMPARE(t.use({language}), language);
        const QString text = runFailureText(result);
        QVERIFY2(text != english, qPrintable(language + QStringLiteral(": ") + text));
        QVERIFY2(!text.contains(QLatin1Char('%')), qPrintable(language + QStringLiteral(": ") + text));
        if (day != 0)
            QVERIFY2(text.contains(QString::number(day)), qPrintable(language + QStringLiteral(": ") + text));
        // a sentence never starts with a lower-case letter
        QVERIFY2(!text.front().isLower(), qPrintable(language + QStringLiteral(": ") + text));
    }
}

void TestLanguage::damagedFileLeavesEnglish_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray& qm = m_germanQm;
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("garbage") << QByteArray(4096, '\x5a');
    QTest::newRow("header only") << qm.left(16);
    QTest::newRow("header and a few bytes") << qm.left(21);
    QTest::newRow("cut at a third") << qm.left(qm.size() / 3);
    QTest::newRow("cut at two thirds") << qm.left(qm.size() * 2 / 3);
    QTest::newRow("last byte missing") << qm.left(qm.size() - 1);
    QByteArray flipped = qm;
    for (qsizetype i = 16; i < flipped.size(); i += 7)
        flipped[i] = char(flipped[i] ^ 0x5a);
    QTest::newRow("bytes changed") << flipped;
    QTest::newRow("every entry empty") << qmWithEveryEntryAs(readTs(tsPath("de")), QString());
}

void TestLanguage::damagedFileLeavesEnglish()
{
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile qm(dir.filePath(QStringLiteral("vorlenza_de.qm")));
    QVERIFY(qm.open(QIODevice::WriteOnly));
    qm.write(file);
    qm.close();

    if (QTest::currentDataTag() == QByteArray("every entry empty")) {
        // the file itself is sound: a plain translator reads an empty text for every entry
        QTranslator plain;
        QVERIFY(plain.load(qm.fileName()));
        for (const TsEntry& e : readTs(tsPath("de"))) {
            const QString raw = plain.translate(e.context.constData(), e.source.constData(),
                                                e.comment.isEmpty() ? nullptr : e.comment.constData());
            QVERIFY2(!raw.isNull() && raw.isEmpty(), e.source.constData());
        }
    }

    Translations t;
    t.use({QStringLiteral("de")}, dir.path());
    for (const TsEntry& e : readTs(tsPath("de"))) {
        const QString text = translated(e);
        QVERIFY2(!text.isEmpty(), e.source.constData());
        QCOMPARE(text, QString::fromUtf8(e.source).replace(QLatin1String("%n"), QLatin1String("1")));
    }
    const QMap<QString, QString> shown = everyWindowsTexts();
    QStringList blank;
    for (auto it = m_english.begin(); it != m_english.end(); ++it)
        if (shown.value(it.key()).isEmpty())
            blank << it.key();
    QVERIFY2(blank.isEmpty(), qPrintable(blank.join(QStringLiteral(", "))));
    QCOMPARE(shown, m_english);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
