// Every caption, label text and field text of every window fits its control with the fonts the
// program uses, in English and in every language the program is translated to, and the windows
// keep their designed proportions at any scale factor.

#include "AppWindows.h"
#include "Language.h"
#include "Look.h"
#include "Session.h"
#include "twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace vorlenza;

namespace {

struct WindowCase {
    WindowId id;
    const char* name;
    int clientWidth; ///< twips
    int clientHeight;
};

const WindowCase kWindows[] = {
    {WindowId::Main, "frmForm1", 10176, 7800},
    {WindowId::Large, "frmLarggraf", 11832, 8724},
    {WindowId::Title, "frmTitlform", 10637, 7051},
    {WindowId::Introduction, "frmIntrofrm", 7645, 6083},
    {WindowId::References, "frmReference", 8690, 5731},
    {WindowId::HowTo, "frmHowto", 6696, 5628},
    {WindowId::About, "frmCopyrigh", 8220, 7128},
    {WindowId::Dedication, "Vater", 6960, 7956},
    {WindowId::Quiz, "frmQuiz", 9856, 7546},
};

/// Where the ink of a one-line text lies in a box of `height` pixels, top and bottom, as the label
/// draws it: the line's ascent is that of the tallest font in it (a fallback font for characters
/// the label's font lacks).
std::pair<int, int> inkSpan(const QString& text, const QFont& font, Qt::Alignment alignment, int height)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const int lineHeight = qCeil(line.height());
    int top = 0;
    if (alignment & Qt::AlignBottom)
        top = height - lineHeight;
    else if (alignment & Qt::AlignVCenter)
        top = (height - lineHeight) / 2;
    const int baseline = top + qRound(line.ascent());
    const QRect ink = QFontMetrics(font).tightBoundingRect(text);
    return {baseline + ink.top(), baseline + ink.bottom() + 1};
}

/// Why a text does not fit its box, or an empty string when it does.
QString labelProblem(const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
        return {};
    const QRect box =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetrics fm(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = fm.boundingRect(QRect(0, 0, box.width(), 100000), flags, text);
    const bool oneLine = !text.contains(QLatin1Char('\n')) && fm.horizontalAdvance(text) <= box.width();
    if (oneLine && needed.width() <= box.width() + 1) {
        // one line: what must fit is the ink of the text where the label puts it, not the
        // font's whole line box
        const auto [top, bottom] = inkSpan(text, label->font(), label->alignment(), box.height());
        if (top < -1 || bottom > box.height() + 1)
            return QStringLiteral("ink from %1 to %2 px, has %3 px").arg(top).arg(bottom).arg(box.height());
        return {};
    }
    if (needed.width() > box.width() + 1 || needed.height() > box.height() + 1)
        return QStringLiteral("needs %1x%2, has %3x%4")
            .arg(needed.width())
            .arg(needed.height())
            .arg(box.width())
            .arg(box.height());
    return {};
}

QString buttonProblem(const QAbstractButton* button)
{
    const QString text = button->text();
    if (text.isEmpty())
        return {};
    const QFontMetrics fm(button->font());
    const int needed = fm.horizontalAdvance(text) + 4; // the frame takes two pixels a side at least
    if (needed > button->width() || fm.height() > button->height())
        return QStringLiteral("needs %1x%2, has %3x%4")
            .arg(needed)
            .arg(fm.height())
            .arg(button->width())
            .arg(button->height());
    return {};
}

QString fieldProblem(const QLineEdit* field)
{
    const QFontMetrics fm(field->font());
    const int needed = fm.horizontalAdvance(field->text()) + 6;
    if (needed > field->width() || fm.height() > field->height())
        return QStringLiteral("needs %1x%2, has %3x%4")
            .arg(needed)
            .arg(fm.height())
            .arg(field->width())
            .arg(field->height());
    return {};
}

QString frameProblem(const QGroupBox* frame)
{
    const QFontMetrics fm(frame->font());
    if (fm.horizontalAdvance(frame->title()) + 16 > frame->width())
        return QStringLiteral("title wider than the frame");
    return {};
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void copyrightLineLeavesTheNoticeBoxWhole_data();
    void copyrightLineLeavesTheNoticeBoxWhole();
    void windowsKeepTheirDesignedSize_data();
    void windowsKeepTheirDesignedSize();

private:
    /// Builds the windows anew in `language` ("en" for the texts in the code) unless they are.
    void speak(const QString& language);

    vorlenza::Translations m_translations;
    QString m_language;
    std::unique_ptr<Session> m_session;
};

void TestTextFit::initTestCase()
{
    look::installFontSubstitutions();
    speak(QStringLiteral("en"));
}

void TestTextFit::speak(const QString& language)
{
    if (m_session && language == m_language)
        return;
    m_session.reset();
    m_language = language;
    QCOMPARE(m_translations.use({language}), language == QLatin1String("en") ? QString() : language);
    m_session = std::make_unique<Session>();
    registerWindows(*m_session);
    m_session->windows().setExitFunction([] {});
    m_session->windows().load(WindowId::Main);
    // Fill the main window's read-outs as a run does, with the longest numbers a run writes.
    if (QWidget* main = m_session->windows().window(WindowId::Main))
        if (auto* run = main->findChild<QAbstractButton*>(QStringLiteral("cmdRun")))
            run->click();
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window");
    // one language after the other, so that the windows are built once per language
    for (const QString& language : QStringList{QStringLiteral("en")} + vorlenza::Translations::available())
        for (const WindowCase& c : kWindows)
            QTest::addRow("%s %s", qPrintable(language), c.name) << language << int(c.id);
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(int, window);
    speak(language);
    QWidget* w = m_session->windows().load(WindowId(window));
    QVERIFY(w);
    QStringList problems;
    const auto note = [&](const QWidget* control, const QString& text, const QString& problem) {
        if (!problem.isEmpty())
            problems << QStringLiteral("%1, %2, %3 \"%4\": %5")
                            .arg(language, w->objectName(), control->objectName(), text, problem);
    };
    for (const QLabel* label : w->findChildren<QLabel*>())
        note(label, label->text(), labelProblem(label));
    for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
        note(button, button->text(), buttonProblem(button));
    for (const QLineEdit* field : w->findChildren<QLineEdit*>())
        note(field, field->text(), fieldProblem(field));
    for (const QGroupBox* frame : w->findChildren<QGroupBox*>())
        note(frame, frame->title(), frameProblem(frame));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

// The about window's copyright line begins a pixel inside the red notice box: in no language may
// it paint over the box's border or put its ink against it.
void TestTextFit::copyrightLineLeavesTheNoticeBoxWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringList{QStringLiteral("en")} + vorlenza::Translations::available())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTextFit::copyrightLineLeavesTheNoticeBoxWhole()
{
    QFETCH(QString, language);
    speak(language);
    QWidget* w = m_session->windows().load(WindowId::About);
    QVERIFY(w);
    const auto* box = w->findChild<QLabel*>(QStringLiteral("lblLabel3"));
    const auto* line = w->findChild<QLabel*>(QStringLiteral("lblLabel5"));
    QVERIFY(box && line);
    const QImage shot = w->grab().toImage();
    const int r = qRound(shot.devicePixelRatio()); // device pixels per pixel of the layout
    const QRect b = box->geometry();
    // (the border is a pixel of the layout wide; on a denser device its last device row is not drawn)
    for (int y = b.top() * r; y <= b.bottom() * r; ++y)
        QVERIFY2(shot.pixelColor(b.right() * r, y) == QColor(Qt::black),
                 qPrintable(QStringLiteral("border row %1").arg(y)));
    const QColor grey = w->palette().color(QPalette::Window);
    for (int y = line->geometry().top() * r; y < (line->geometry().bottom() + 1) * r; ++y)
        QVERIFY2(shot.pixelColor((b.right() + 1) * r, y) == grey,
                 qPrintable(QStringLiteral("ink beside the box, row %1").arg(y)));
}

void TestTextFit::windowsKeepTheirDesignedSize_data()
{
    QTest::addColumn<int>("window");
    for (const WindowCase& c : kWindows)
        QTest::newRow(c.name) << int(c.id);
}

void TestTextFit::windowsKeepTheirDesignedSize()
{
    // Sizes are in device-independent pixels: at QT_SCALE_FACTOR=2 the same numbers hold and the
    // window is painted with twice the device pixels.
    QFETCH(int, window);
    speak(QStringLiteral("en"));
    const WindowCase* c = nullptr;
    for (const WindowCase& k : kWindows)
        if (int(k.id) == window)
            c = &k;
    QWidget* w = m_session->windows().load(WindowId(window));
    QVERIFY(w);
    QVERIFY(c);
    QVERIFY(std::abs(w->width() - twips::px(c->clientWidth)) <= 1);
    QVERIFY(std::abs(w->height() - twips::px(c->clientHeight)) <= 1);
    const QPixmap shot = w->grab();
    const qreal scale =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(shot.devicePixelRatio(), scale);
    QCOMPARE(shot.width(), qRound(w->width() * scale));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
