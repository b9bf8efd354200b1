// The program in one language, as a student of that language starts it (LANGUAGE and the regional
// format come from the environment): every window shows translated texts, the results file is the
// English one byte for byte, and the strictly read fields read numbers in the region's format.

#include "../main/MainHarness.h"
#include "ChartExport.h"
#include "Language.h"
#include "TranslationTable.h"
#include "LabTexts.h"
#include "NumberText.h"
#include "ScenarioFiles.h"
#include "frmLab.h"
#include "frmQuiz.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

using namespace vorlenza;

namespace {

const WindowId kWindows[] = {WindowId::Main,       WindowId::Large, WindowId::Title, WindowId::Introduction,
                             WindowId::References, WindowId::HowTo, WindowId::About, WindowId::Dedication,
                             WindowId::Quiz,       WindowId::Lab};

/// The window's readable texts in a fresh session, after a run and with the large window's chart
/// drawn, so that read-outs, chart titles and axis titles are there.
QMap<QString, QString> textsOf(WindowId id)
{
    MainHarness h;
    h.session.windows().load(WindowId::Main);
    if (auto* run = h.button("cmdRun"))
        run->click();
    QWidget* w = h.session.windows().load(id);
    return w ? readableTexts(w) : QMap<QString, QString>();
}

/// The results file of a default run, as Save writes it.
QByteArray resultsFile()
{
    QTemporaryDir dir;
    MainHarness h;
    h.showMain();
    h.button("cmdRun")->click();
    h.saveAnswer = dir.filePath(QStringLiteral("run.txt"));
    h.button("cmdSave")->click();
    QFile file(dir.filePath(QStringLiteral("run-N1N2dN.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestTranslated : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noEnglishLeft_data();
    void noEnglishLeft();
    void resultsFileIsTheEnglishOne();
    void clockInTheRegionsFormat();
    void quizPictureInTheLanguage();
    void chartFilesInTheLanguage();
    void strictFieldsReadTheRegionsNumbers_data();
    void strictFieldsReadTheRegionsNumbers();
    void labReadsTheRegionsNumbers_data();
    void labReadsTheRegionsNumbers();
    void menuAccessKeysAreUnique();
    void examplesInTheLanguage();

private:
    Translations m_translations;
    QString m_language; ///< "en" or a translation's suffix
};

void TestTranslated::initTestCase()
{
    look::installFontSubstitutions();
    // what main() does
    m_translations.use(QLocale::system().uiLanguages());
    m_language = qEnvironmentVariable("LANGUAGE");
    QVERIFY2(!m_language.isEmpty(), "run with LANGUAGE set");
    QCOMPARE(m_translations.language(), m_language == QLatin1String("en") ? QString() : m_language);
}

void TestTranslated::noEnglishLeft_data()
{
    QTest::addColumn<int>("window");
    for (WindowId id : kWindows)
        QTest::newRow(idName(id)) << int(id);
}

void TestTranslated::noEnglishLeft()
{
    QFETCH(int, window);
    if (m_language == QLatin1String("en"))
        QSKIP("the English texts are the code's own");
    // the texts that have a translation of their own (not those spelt alike, such as "OK")
    QStringList translatable;
    for (const TsEntry& e : readTs(QStringLiteral(VORLENZA_TRANSLATIONS_DIR "/vorlenza_%1.ts").arg(m_language)))
        if (!e.translations.isEmpty() && e.translations.first() != QString::fromUtf8(e.source) && e.source.size() >= 3)
            translatable << QString::fromUtf8(e.source).replace(QLatin1String("%n"), QLatin1String("1"));
    QVERIFY(translatable.size() > 20);

    const QMap<QString, QString> shown = textsOf(WindowId(window));
    m_translations.use({QStringLiteral("en")});
    const QMap<QString, QString> english = textsOf(WindowId(window));
    m_translations.use({m_language});
    QCOMPARE(shown.keys(), english.keys());

    QStringList left;
    for (auto it = english.begin(); it != english.end(); ++it) {
        if (shown.value(it.key()) != it.value())
            continue;
        // a text left in English: one that has a translation, or holds a phrase of three words or
        // more that has one (a title in a reference, "Introduction to ...", is no such phrase)
        for (const QString& source : translatable)
            if (it.value() == source || (source.count(QLatin1Char(' ')) >= 2 && it.value().contains(source))) {
                left << QStringLiteral("%1 %2: \"%3\"").arg(m_language, it.key(), source);
                break;
            }
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("; "))));
}

void TestTranslated::resultsFileIsTheEnglishOne()
{
    const QByteArray here = resultsFile();
    m_translations.use({QStringLiteral("en")});
    const QByteArray english = resultsFile();
    m_translations.use({m_language});
    QVERIFY(english.size() > 1000);
    QVERIFY(english.startsWith("\"N1(0) =10, r1 =0.2, alpha = 1, K1 = 200\"\r\n"));
    QCOMPARE(here, english);
}

void TestTranslated::chartFilesInTheLanguage()
{
    m_translations.use({QStringLiteral("en")});
    const QString englishFilters = chartSaveFilters();
    const QString englishName = defaultChartFileName(QString(), ChartFileType::Svg);
    m_translations.use({m_language});
    const QString filters = chartSaveFilters();
    QCOMPARE(englishName, QStringLiteral("Chart.svg"));
    if (m_language == QLatin1String("en")) {
        QCOMPARE(filters, englishFilters);
        return;
    }
    QVERIFY2(filters != englishFilters, qPrintable(filters));
    QVERIFY(defaultChartFileName(QString(), ChartFileType::Svg) != englishName);
    // the translated filters still choose the type of a name typed without an ending
    const QStringList each = filters.split(QStringLiteral(";;"));
    QCOMPARE(each.size(), 3);
    QCOMPARE(resolveChartFile(QStringLiteral("/tmp/a"), each[0]).type, ChartFileType::Png);
    QCOMPARE(resolveChartFile(QStringLiteral("/tmp/a"), each[1]).type, ChartFileType::Svg);
    QCOMPARE(resolveChartFile(QStringLiteral("/tmp/a"), each[2]).type, ChartFileType::Pdf);
    QCOMPARE(resolveChartFile(QStringLiteral("/tmp/a"), each[2]).path, QStringLiteral("/tmp/a.pdf"));
}

void TestTranslated::quizPictureInTheLanguage()
{
    m_translations.use({m_language});
    const QString expected = m_language == QLatin1String("en")
                                 ? QStringLiteral(":/vorlenza/quiz.jpg")
                                 : QStringLiteral(":/vorlenza/quiz-%1.jpg").arg(m_language);
    QCOMPARE(frmQuiz::quizPicture(), expected);
    QVERIFY(!QImage(expected).isNull());
}

void TestTranslated::clockInTheRegionsFormat()
{
    // the date and time with seconds as the region writes them, without a time zone
    const QDateTime moment(QDate(2031, 5, 6), QTime(17, 8, 9));
    const QString clock = generalDateText(moment);
    QVERIFY2(clock.contains(QStringLiteral("8:09")), qPrintable(clock));
    QVERIFY2(clock.contains(QStringLiteral("31")), qPrintable(clock));
    QVERIFY2(!clock.contains(QStringLiteral("()")), qPrintable(clock));
    QVERIFY2(!clock.contains(QStringLiteral("  ")), qPrintable(clock));
    QCOMPARE(clock, clock.trimmed());
    QVERIFY2(!clock.contains(QLatin1String("UTC")) && !clock.contains(QLatin1String("GMT")), qPrintable(clock));
}

void TestTranslated::strictFieldsReadTheRegionsNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); ///< the field's text after Enter
    // the regions the students of each language use
    const QMap<QString, QString> region = {{"en", "en_US"}, {"de", "de_DE"},    {"fr", "fr_FR"},
                                           {"es", "es_ES"}, {"pt_BR", "pt_BR"}, {"zh_CN", "zh_CN"}};
    const bool comma = m_language != QLatin1String("en") && m_language != QLatin1String("zh_CN");
    QCOMPARE(QLocale::system().name(), region.value(m_language, QStringLiteral("?")));
    for (const QString& field : {QStringLiteral("txtRrateB"), QStringLiteral("txtA0")}) {
        const QString reset = field == QLatin1String("txtA0") ? QStringLiteral("10") : QStringLiteral("0.3");
        const QByteArray row = field.toLatin1();
        // a regional decimal comma is accepted and written the program's way, so that Run reads it
        QTest::newRow(row + " 0,2") << field << "0,2" << (comma ? QStringLiteral("0.2") : reset);
        QTest::newRow(row + " 0.2") << field << "0.2"
                                    << "0.2";
        QTest::newRow(row + " 2") << field << "2"
                                  << "2";
        QTest::newRow(row + " 2,5x") << field << "2,5x" << reset;
    }
    // the lenient fields read a whole regional number too, and "." whatever the region
    QTest::newRow("txtV 0,5") << "txtV"
                              << "0,5" << (comma ? QStringLiteral("0.5") : QStringLiteral("100"));
    QTest::newRow("txtV 0.5") << "txtV"
                              << "0.5"
                              << "0.5";
    QTest::newRow("txtV 0,5x") << "txtV"
                               << "0,5x"
                               << "100";
}

void TestTranslated::strictFieldsReadTheRegionsNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    MainHarness h;
    h.showMain();
    const QByteArray name = field.toLatin1();
    h.type(name.constData(), typed);
    h.enter(name.constData());
    QCOMPARE(h.text(name.constData()), after);
}

void TestTranslated::labReadsTheRegionsNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("alpha"); ///< what the lab works with after Enter
    const bool comma = m_language != QLatin1String("en") && m_language != QLatin1String("zh_CN");
    // as the nine fields read them: the region's decimal mark, and a point everywhere
    QTest::newRow("0,5") << "0,5" << (comma ? 0.5 : 1.0);
    QTest::newRow("0.5") << "0.5" << 0.5;
    // a letter is refused as it is typed; a text that is no number leaves the value as it was
    QTest::newRow("0,5x") << "0,5x" << (comma ? 0.5 : 1.0);
    QTest::newRow("0,5,5") << "0,5,5" << 1.0;
}

void TestTranslated::labReadsTheRegionsNumbers()
{
    QFETCH(QString, typed);
    QFETCH(double, alpha);
    MainHarness h;
    h.showMain();
    h.button("cmdRun")->click();
    auto* box = h.session.windows().show(WindowId::Lab)->findChild<QAbstractSpinBox*>(QStringLiteral("spnAlpha"));
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    auto* lab = h.session.windows().window<frmLab>(WindowId::Lab);
    QCOMPARE(lab->parameters().alpha, alpha);
    // the outcome for what it reads (K1 = 200, K2 = 100, beta = 0.4)
    QCOMPARE(lab->findChild<QLabel*>(QStringLiteral("lblOutcome"))->text(),
             outcomeSentence(outcomeOf(200, 100, alpha, 0.4), isoclinesTouch(200, 100, alpha, 0.4)));
    QCOMPARE(box->text(), QString::fromStdString(formatNumber(alpha)));
}

void TestTranslated::menuAccessKeysAreUnique()
{
    MainHarness h;
    h.showMain();
    h.button("cmdRun")->click();
    QTest::keyClick(h.main()->chart(), Qt::Key_Menu);
    QWidget* lab = h.session.windows().show(WindowId::Lab);
    QTest::keyClick(lab->findChild<QWidget*>(QStringLiteral("picPhasePlane")), Qt::Key_Menu);
    QTest::keyClick(lab->findChild<QWidget*>(QStringLiteral("picOutcomeMap")), Qt::Key_Menu);
    QCOMPARE(h.menuTexts.size(), 3);
    for (const QStringList& menu : h.menuTexts) {
        QSet<QChar> keys;
        for (const QString& item : menu) {
            const qsizetype at = item.indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0 && at + 1 < item.size() && item.indexOf(QLatin1Char('&'), at + 1) < 0, qPrintable(item));
            const QChar key = item.at(at + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("%1 in %2").arg(item, menu.join(" | "))));
            keys.insert(key);
        }
    }
}

void TestTranslated::examplesInTheLanguage()
{
    // the titles the Examples submenu offers, each in the program's language
    const std::vector<ExampleScenario> examples = exampleScenarios(QStringLiteral(VORLENZA_EXAMPLES_DIR));
    QCOMPARE(examples.size(), std::size_t(10)); // six scenarios, then four lessons
    for (const ExampleScenario& e : examples)
        QCOMPARE(e.title, readScenarioFile(e.path).scenario.title.value(m_language));
}

QTEST_MAIN(TestTranslated)
#include "tst_translated.moc"
