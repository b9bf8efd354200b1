// The main window's controls: made from their captions and looks, placed from a table in twips,
// chained for the Tab key and named for screen readers.

#include "frmForm1.h"

#include "ChartView.h"
#include "Look.h"
#include "WindowKit.h"
#include "twips.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <initializer_list>

namespace vorlenza {

namespace {

const QString TimesNewRoman = QStringLiteral("Times New Roman");
const QString MsSansSerif = QStringLiteral("MS Sans Serif");

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Navy(0, 0, 128);
const QColor MidBlue(0, 0, 192);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// The author frame and its picture box, in twips: the picture is placed against the frame's right
// edge and centred vertically when the window loads.
constexpr int AuthorFrameWidth = 5295;
constexpr int AuthorFrameHeight = 2652;
constexpr int PictureWidth = 1692;
constexpr int PictureHeight = 2172;

} // namespace

void frmForm1::nameForScreenReaders()
{
    // Captions and labels speak for themselves; these controls are named by what they hold.
    m_fields.nameForScreenReaders();
    const std::initializer_list<std::pair<QWidget*, const char*>> names = {
        {txtNA, QT_TRANSLATE_NOOP("frmForm1", "N1 (species A) on the selected day")},
        {txtNB, QT_TRANSLATE_NOOP("frmForm1", "N2 (species B) on the selected day")},
        {Text1, QT_TRANSLATE_NOOP("frmForm1", "t = (selected day)")},
        {VScroll1, QT_TRANSLATE_NOOP("frmForm1", "Day selector")},
        {cmdQuiz, QT_TRANSLATE_NOOP("frmForm1", "Quiz")},
        {picPicture1, QT_TRANSLATE_NOOP("frmForm1", "How to (picture of the two competing species)")},
        {lblLabel6, QT_TRANSLATE_NOOP("frmForm1", "Clock")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QCoreApplication::translate("frmForm1", name));
}

void frmForm1::createControls()
{
    setWindowTitle(QStringLiteral("Vorlenza"));
    setFont(look::font(MsSansSerif, 7.8, true));
    kit::background(this, White);

    const QFont tnr12 = look::font(TimesNewRoman, 12, true);
    const QFont tnr96 = look::font(TimesNewRoman, 9.6, true);
    const kit::Font windowFont = kit::WindowFont;
    const kit::Pointer pointer = kit::Pointer::Custom;
    const kit::Pointer arrow = kit::Pointer::Inherited;

    // Frames first, so that the quiz button lies in front of the Model frame.
    fraFrame4 = kit::frame(this, "fraFrame4", tr(" Model "), White);
    fraFrame2 = kit::frame(this, "fraFrame2", tr("Data"), White);
    fraFrame1 = kit::frame(this, "fraFrame1", tr("Graph"), White);
    fraFrame3 = kit::frame(this, "fraFrame3", tr("Author"), White);

    lblLabel21 = kit::label(this, "lblLabel21", QStringLiteral("Vorlenza"), look::font(TimesNewRoman, 18, true),
                            Qt::AlignHCenter);
    kit::colour(lblLabel21, Yellow, Red);
    lblLabel21->setBoxed(true);
    lblLabel21->setToolTip(tr("Introduction"));

    lblLabel16 = kit::label(this, "lblLabel16", QString(), windowFont, Qt::AlignHCenter);
    kit::background(lblLabel16, White);

    cmdQuiz = kit::button(this, "cmdQuiz", QString(), tnr12);
    cmdQuiz->setIcon(QIcon(QPixmap::fromImage(look::resourcePng(QStringLiteral(":/vorlenza/quiz-button.png")))));
    cmdQuiz->setIconSize(QSize(32, 32));

    cmdRun = kit::button(this, "cmdRun", tr("Run"), tnr12, pointer, tr("Run this program"));
    cmdHowTo = kit::button(this, "cmdHowTo", tr("How to"), tnr12, arrow, tr("How to run this program"));
    cmdSave = kit::button(this, "cmdSave", tr("S"), tnr12, arrow, tr("Save graphic data"));
    cmdPrint = kit::button(this, "cmdPrint", tr("P"), tnr12, pointer, tr("Print this form"));
    cmdQuit = kit::button(this, "cmdQuit", tr("Quit"), tnr12, pointer, tr("Quit this program"));

    tmrTimer1 = kit::make<QTimer>(this, "tmrTimer1");
    tmrTimer1->setInterval(500);

    // " Model "
    lblLabel14 = kit::label(fraFrame4, "lblLabel14", tr("Species A"), tnr12);
    lblLabel7 = kit::label(fraFrame4, "lblLabel7", QStringLiteral("dN1/dt = rN1 (1-N1/K1- aN2/K1)"), tnr12);
    lblLabel15 = kit::label(fraFrame4, "lblLabel15", tr("Species B"), tnr12);
    lblLabel13 = kit::label(fraFrame4, "lblLabel13", QStringLiteral("dN2/dt = sN2 (1-N2/K2- bN1/K2)"), tnr12);
    for (QLabel* l : {lblLabel14, lblLabel7})
        kit::colour(l, Navy, White);
    for (QLabel* l : {lblLabel15, lblLabel13})
        kit::colour(l, Red, White);

    // "Data"
    lblLabel18 = kit::label(fraFrame2, "lblLabel18", tr("Select data set:"), windowFont);
    cmdUseData1 =
        kit::button(fraFrame2, "cmdUseData1", QStringLiteral("1"), windowFont, pointer, tr("Select data set 1"));
    cmdUseData2 =
        kit::button(fraFrame2, "cmdUseData2", QStringLiteral("2"), windowFont, pointer, tr("Select data set 2"));
    cmdUseData3 =
        kit::button(fraFrame2, "cmdUseData3", QStringLiteral("3"), windowFont, pointer, tr("Select data set 3"));

    for (const ParameterFieldRow& row : ParameterFieldRows) {
        QLabel* caption = kit::label(fraFrame2, row.labelName, row.labelText(), row.largeLabel ? tnr12 : tnr96);
        kit::background(caption, White);
        m_fields.adopt(row, caption, kit::field(fraFrame2, row.name, row.startText(), QColor(row.colour), White));
    }
    Label1 = kit::label(fraFrame2, "Label1", QStringLiteral("t = "), tnr12, Qt::AlignHCenter);
    Text1 = kit::field(fraFrame2, "Text1", QString(), palette().color(QPalette::Text), White);
    Text1->setFont(tnr12);
    VScroll1 = kit::make<QScrollBar>(fraFrame2, "VScroll1");
    VScroll1->setOrientation(Qt::Vertical);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // Before the first run there is only day 0 to select: the selector can never point past the
    // stored days. Every run sets the range to 0..T.
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    lblLabel4 = kit::label(fraFrame2, "lblLabel4", tr("N1 (species A)"), tnr96);
    txtNA = kit::field(fraFrame2, "txtNA", QString(), Red, White);
    txtNA->setReadOnly(true);
    lblLabel12 = kit::label(fraFrame2, "lblLabel12", tr("N2 (species B)"), tnr96);
    txtNB = kit::field(fraFrame2, "txtNB", QString(), MidBlue, White);
    txtNB->setReadOnly(true);
    for (QLabel* l : {lblLabel18, Label1})
        kit::background(l, White);
    kit::colour(lblLabel4, Red, White);
    kit::colour(lblLabel12, MidBlue, White);

    // "Graph": the chart first, the greeting and the instructions over it.
    MSChart1 = kit::make<ChartView>(fraFrame1, "MSChart1");
    MSChart1->setFocusPolicy(Qt::TabFocus);
    MSChart1->hide();
    lblLabel22 = kit::label(fraFrame1, "lblLabel22", QStringLiteral("Guten Tag!"),
                            look::font(TimesNewRoman, 26.4, true, true), Qt::AlignHCenter);
    kit::colour(lblLabel22, Yellow, Red);
    lblLabel23 = kit::label(fraFrame1, "lblLabel23", QString(), look::font(TimesNewRoman, 12, false), Qt::AlignHCenter);
    kit::colour(lblLabel23, Yellow, Blue);
    cmdShowN1vsN2 = kit::button(fraFrame1, "cmdShowN1vsN2", tr("N2 vs. N1"), windowFont, pointer);
    cmdShowDNvsT = kit::button(fraFrame1, "cmdShowDNvsT", tr("dN vs. t"), windowFont, pointer);
    cmdShowNvsT = kit::button(fraFrame1, "cmdShowNvsT", tr("N vs. t"), windowFont, pointer);
    cmdIsoclines = kit::button(fraFrame1, "cmdIsoclines", tr("Isoclines"), windowFont);
    cmdLargeGraph = kit::button(fraFrame1, "cmdLargeGraph", tr("Large"), windowFont, pointer);

    // "Author"
    lblLabel6 = kit::label(fraFrame3, "lblLabel6", QString(), tnr96, Qt::AlignHCenter);
    kit::colour(lblLabel6, Black, Yellow);
    for (ClickLabel* l : {lblLabel22, lblLabel23, lblLabel6})
        l->setBoxed(true);
    lblLabel5 = kit::label(fraFrame3, "lblLabel5", QString(), windowFont);
    kit::background(lblLabel5, White);
    picPicture1 = kit::make<ClickLabel>(fraFrame3, "picPicture1");
    kit::background(picPicture1, White);
    picPicture1->setToolTip(tr("How to"));
    picPicture1->setCursor(look::customPointer());
    picPicture1->setFocusPolicy(Qt::TabFocus);
    picPicture1->setAlignment(Qt::AlignCenter);

    cmdQuiz->raise();
    tmrTimer1->start();
    nameForScreenReaders();
}

void frmForm1::placeControls()
{
    kit::place({
        {lblLabel21, {120, 0, 2955, 510}},
        {lblLabel16, {3120, 120, 1455, 495}},
        {cmdQuiz, {3840, 1320, 615, 615}},
        {fraFrame4, {120, 600, 4455, 1815}},
        {fraFrame2, {120, 2400, 4455, 4815}},
        {fraFrame1, {4680, 0, 5295, 4932}},
        {fraFrame3, {4680, 5040, AuthorFrameWidth, AuthorFrameHeight}},
        {cmdRun, {120, 7320, 975, 375}},
        {cmdHowTo, {1200, 7320, 1215, 375}},
        {cmdSave, {2520, 7320, 495, 375}},
        {cmdPrint, {3120, 7320, 375, 375}},
        {cmdQuit, {3600, 7320, 975, 375}},
        // " Model "
        {lblLabel14, {240, 240, 1215, 375}},
        {lblLabel7, {240, 600, 3495, 375}},
        {lblLabel15, {240, 960, 1215, 375}},
        {lblLabel13, {240, 1320, 3495, 375}},
        // "Data"
        {lblLabel18, {120, 240, 1935, 255}},
        {cmdUseData1, {2280, 240, 615, 315}},
        {cmdUseData2, {2976, 240, 615, 315}},
        {cmdUseData3, {3720, 240, 615, 315}},
        // the parameter fields: from their table
        {Label1, {2784, 3552, 588, 396}},
        {Text1, {3360, 3552, 780, 396}},
        {VScroll1, {4128, 3552, 204, 396}},
        {lblLabel4, {120, 3960, 1455, 375}},
        {txtNA, {1680, 3960, 2655, 360}},
        {lblLabel12, {120, 4320, 1455, 375}},
        {txtNB, {1680, 4320, 2655, 375}},
        // "Graph"
        {MSChart1, {120, 240, 5100, 4140}},
        {lblLabel22, {120, 240, 5055, 735}},
        {lblLabel23, {120, 1080, 5055, 2775}},
        {cmdShowN1vsN2, {240, 4440, 1089, 375}},
        {cmdShowDNvsT, {1452, 4440, 979, 375}},
        {cmdShowNvsT, {2544, 4440, 858, 375}},
        {cmdIsoclines, {3504, 4440, 979, 375}},
        {cmdLargeGraph, {4560, 4440, 726, 375}},
        // "Author"; the picture box is moved at load
        {lblLabel6, {120, 240, 3132, 252}},
        {lblLabel5, {120, 600, 3132, 1932}},
        {picPicture1, {3480, 360, PictureWidth, PictureHeight}},
    });
    m_fields.place();
    setFixedSize(twips::size(10176, 7800));
    chainTabOrder();
}

void frmForm1::chainTabOrder()
{
    const auto txt = [this](ParameterField f) { return m_fields.edit(f); };
    const QWidget* const order[] = {
        cmdRun,
        cmdQuit,
        cmdPrint,
        txt(ParameterField::K2),
        txt(ParameterField::K1),
        cmdUseData1,
        cmdUseData2,
        cmdUseData3,
        txt(ParameterField::Beta),
        txt(ParameterField::N2Start),
        txt(ParameterField::R2),
        txt(ParameterField::Alpha),
        txt(ParameterField::N1Start),
        txt(ParameterField::R1),
        txt(ParameterField::Simut),
        cmdLargeGraph,
        cmdShowDNvsT,
        cmdShowNvsT,
        cmdShowN1vsN2,
        txtNA,
        txtNB,
        picPicture1,
        cmdHowTo,
        cmdQuiz,
        cmdSave,
        cmdIsoclines,
        MSChart1,
        Text1,
        VScroll1,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void frmForm1::showAuthorPicture()
{
    picPicture1->move(twips::point(AuthorFrameWidth - PictureWidth - 100, (AuthorFrameHeight - PictureHeight) / 2));
}

void frmForm1::loadAuthorPicture()
{
    // Not at load: the window is hidden then, and reading a JPEG loads Qt's JPEG reader, which
    // the title window does not need to appear.
    const QPixmap picture(QStringLiteral(":/vorlenza/author.jpg"));
    if (!picture.isNull()) {
        // The photograph is larger than its box at this scale: show all of it, in proportion.
        picPicture1->setPixmap(picture.scaled(picPicture1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

} // namespace vorlenza
