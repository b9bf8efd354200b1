// The main window's controls: made from their captions and looks, placed from a table in twips,
// chained for the Tab key and named for screen readers.

#include "frmForm1.h"

#include "ChartView.h"
#include "Controls.h"
#include "Look.h"
#include "twips.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <initializer_list>

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

/// Text colour and background of a label, field or button.
void paint(QWidget* w, const QColor& foreground, const QColor& background)
{
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::WindowText, foreground);
        p.setColor(g, QPalette::Text, foreground);
        p.setColor(g, QPalette::Window, background);
        p.setColor(g, QPalette::Base, background);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, background);
    p.setColor(QPalette::Disabled, QPalette::Base, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void background(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

template <class W> W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

/// A label as the window's labels look: wrapped at its width, text from the top.
template <class L = QLabel> L* label(QWidget* parent, const char* name, const QString& caption, bool centred = false)
{
    auto* l = make<L>(parent, name);
    l->setText(caption);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return l;
}

void boxed(ClickLabel* l) { l->setBoxed(true); }

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    // Enter on a focused button presses it, as Space does.
    b->setAutoDefault(true);
    return b;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& initial, const QColor& colour)
{
    auto* f = make<QLineEdit>(parent, name);
    f->setText(initial);
    f->setAlignment(Qt::AlignCenter);
    paint(f, colour, White);
    return f;
}

FrameBox* frame(QWidget* parent, const char* name, const QString& caption)
{
    auto* g = make<FrameBox>(parent, name);
    g->setTitle(caption);
    background(g, White);
    return g;
}

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
    setObjectName(QStringLiteral("frmForm1"));
    setWindowTitle(QStringLiteral("Vorlenza"));
    setWindowIcon(look::windowIcon());
    setFont(look::font(MsSansSerif, 7.8, true));
    background(this, White);

    const QFont tnr12 = look::font(TimesNewRoman, 12, true);
    const QFont tnr96 = look::font(TimesNewRoman, 9.6, true);
    const QCursor pointer = look::customPointer();

    // Frames first, so that the quiz button lies in front of the Model frame.
    fraFrame4 = frame(this, "fraFrame4", tr(" Model "));
    fraFrame2 = frame(this, "fraFrame2", tr("Data"));
    fraFrame1 = frame(this, "fraFrame1", tr("Graph"));
    fraFrame3 = frame(this, "fraFrame3", tr("Author"));

    lblLabel21 = label<ClickLabel>(this, "lblLabel21", QStringLiteral("Vorlenza"), true);
    lblLabel21->setFont(look::font(TimesNewRoman, 18, true));
    paint(lblLabel21, Yellow, Red);
    boxed(lblLabel21);
    lblLabel21->setToolTip(tr("Introduction"));

    lblLabel16 = label(this, "lblLabel16", QString(), true);
    background(lblLabel16, White);

    cmdQuiz = button(this, "cmdQuiz", QString());
    cmdQuiz->setFont(tnr12);
    cmdQuiz->setIcon(QIcon(QPixmap(QStringLiteral(":/vorlenza/quiz-button.png"))));
    cmdQuiz->setIconSize(QSize(32, 32));

    cmdRun = button(this, "cmdRun", tr("Run"));
    cmdRun->setToolTip(tr("Run this program"));
    cmdRun->setCursor(pointer);
    cmdHowTo = button(this, "cmdHowTo", tr("How to"));
    cmdHowTo->setToolTip(tr("How to run this program"));
    cmdSave = button(this, "cmdSave", tr("S"));
    cmdSave->setToolTip(tr("Save graphic data"));
    cmdPrint = button(this, "cmdPrint", tr("P"));
    cmdPrint->setToolTip(tr("Print this form"));
    cmdPrint->setCursor(pointer);
    cmdQuit = button(this, "cmdQuit", tr("Quit"));
    cmdQuit->setToolTip(tr("Quit this program"));
    cmdQuit->setCursor(pointer);
    for (QPushButton* b : {cmdRun, cmdHowTo, cmdSave, cmdPrint, cmdQuit})
        b->setFont(tnr12);

    tmrTimer1 = make<QTimer>(this, "tmrTimer1");
    tmrTimer1->setInterval(500);

    // " Model "
    lblLabel14 = label(fraFrame4, "lblLabel14", tr("Species A"));
    lblLabel7 = label(fraFrame4, "lblLabel7", QStringLiteral("dN1/dt = rN1 (1-N1/K1- aN2/K1)"));
    lblLabel15 = label(fraFrame4, "lblLabel15", tr("Species B"));
    lblLabel13 = label(fraFrame4, "lblLabel13", QStringLiteral("dN2/dt = sN2 (1-N2/K2- bN1/K2)"));
    for (QLabel* l : {lblLabel14, lblLabel7})
        paint(l, Navy, White);
    for (QLabel* l : {lblLabel15, lblLabel13})
        paint(l, Red, White);
    for (QLabel* l : {lblLabel14, lblLabel7, lblLabel15, lblLabel13})
        l->setFont(tnr12);

    // "Data"
    lblLabel18 = label(fraFrame2, "lblLabel18", tr("Select data set:"));
    cmdUseData1 = button(fraFrame2, "cmdUseData1", QStringLiteral("1"));
    cmdUseData2 = button(fraFrame2, "cmdUseData2", QStringLiteral("2"));
    cmdUseData3 = button(fraFrame2, "cmdUseData3", QStringLiteral("3"));
    cmdUseData1->setToolTip(tr("Select data set 1"));
    cmdUseData2->setToolTip(tr("Select data set 2"));
    cmdUseData3->setToolTip(tr("Select data set 3"));
    for (QPushButton* b : {cmdUseData1, cmdUseData2, cmdUseData3})
        b->setCursor(pointer);

    for (const ParameterFieldRow& row : ParameterFieldRows) {
        QLabel* caption = label(fraFrame2, row.labelName, row.labelText());
        caption->setFont(row.largeLabel ? tnr12 : tnr96);
        background(caption, White);
        m_fields.adopt(row, caption, field(fraFrame2, row.name, row.startText(), QColor(row.colour)));
    }
    Label1 = label(fraFrame2, "Label1", QStringLiteral("t = "), true);
    Text1 = field(fraFrame2, "Text1", QString(), palette().color(QPalette::Text));
    VScroll1 = make<QScrollBar>(fraFrame2, "VScroll1");
    VScroll1->setOrientation(Qt::Vertical);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    // Before the first run there is only day 0 to select: the selector can never point past the
    // stored days. Every run sets the range to 0..T.
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    lblLabel4 = label(fraFrame2, "lblLabel4", tr("N1 (species A)"));
    txtNA = field(fraFrame2, "txtNA", QString(), Red);
    txtNA->setReadOnly(true);
    lblLabel12 = label(fraFrame2, "lblLabel12", tr("N2 (species B)"));
    txtNB = field(fraFrame2, "txtNB", QString(), MidBlue);
    txtNB->setReadOnly(true);

    for (QLabel* l : {lblLabel4, lblLabel12})
        l->setFont(tnr96);
    for (QLabel* l : {lblLabel18, Label1})
        background(l, White);
    paint(lblLabel4, Red, White);
    paint(lblLabel12, MidBlue, White);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Text1})
        w->setFont(tnr12);

    // "Graph": the chart first, the greeting and the instructions over it.
    MSChart1 = new ChartView(fraFrame1);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setFocusPolicy(Qt::TabFocus);
    MSChart1->hide();
    lblLabel22 = label<ClickLabel>(fraFrame1, "lblLabel22", QStringLiteral("Guten Tag!"), true);
    lblLabel22->setFont(look::font(TimesNewRoman, 26.4, true, true));
    paint(lblLabel22, Yellow, Red);
    boxed(lblLabel22);
    lblLabel23 = label<ClickLabel>(fraFrame1, "lblLabel23", QString(), true);
    lblLabel23->setFont(look::font(TimesNewRoman, 12, false));
    paint(lblLabel23, Yellow, Blue);
    boxed(lblLabel23);
    cmdShowN1vsN2 = button(fraFrame1, "cmdShowN1vsN2", tr("N2 vs. N1"));
    cmdShowDNvsT = button(fraFrame1, "cmdShowDNvsT", tr("dN vs. t"));
    cmdShowNvsT = button(fraFrame1, "cmdShowNvsT", tr("N vs. t"));
    cmdIsoclines = button(fraFrame1, "cmdIsoclines", tr("Isoclines"));
    cmdLargeGraph = button(fraFrame1, "cmdLargeGraph", tr("Large"));
    for (QPushButton* b : {cmdShowN1vsN2, cmdShowDNvsT, cmdShowNvsT, cmdLargeGraph})
        b->setCursor(pointer);

    // "Author"
    lblLabel6 = label<ClickLabel>(fraFrame3, "lblLabel6", QString(), true);
    lblLabel6->setFont(tnr96);
    paint(lblLabel6, Black, Yellow);
    boxed(lblLabel6);
    lblLabel5 = label<ClickLabel>(fraFrame3, "lblLabel5", QString());
    background(lblLabel5, White);
    picPicture1 = make<ClickLabel>(fraFrame3, "picPicture1");
    background(picPicture1, White);
    picPicture1->setToolTip(tr("How to"));
    picPicture1->setCursor(pointer);
    picPicture1->setFocusPolicy(Qt::TabFocus);
    picPicture1->setAlignment(Qt::AlignCenter);

    cmdQuiz->raise();
    tmrTimer1->start();
}

void frmForm1::placeControls()
{
    struct Place {
        QWidget* widget;
        int left, top, width, height;
    };
    const Place places[] = {
        {lblLabel21, 120, 0, 2955, 510},
        {lblLabel16, 3120, 120, 1455, 495},
        {cmdQuiz, 3840, 1320, 615, 615},
        {fraFrame4, 120, 600, 4455, 1815},
        {fraFrame2, 120, 2400, 4455, 4815},
        {fraFrame1, 4680, 0, 5295, 4932},
        {fraFrame3, 4680, 5040, AuthorFrameWidth, AuthorFrameHeight},
        {cmdRun, 120, 7320, 975, 375},
        {cmdHowTo, 1200, 7320, 1215, 375},
        {cmdSave, 2520, 7320, 495, 375},
        {cmdPrint, 3120, 7320, 375, 375},
        {cmdQuit, 3600, 7320, 975, 375},
        // " Model "
        {lblLabel14, 240, 240, 1215, 375},
        {lblLabel7, 240, 600, 3495, 375},
        {lblLabel15, 240, 960, 1215, 375},
        {lblLabel13, 240, 1320, 3495, 375},
        // "Data"
        {lblLabel18, 120, 240, 1935, 255},
        {cmdUseData1, 2280, 240, 615, 315},
        {cmdUseData2, 2976, 240, 615, 315},
        {cmdUseData3, 3720, 240, 615, 315},
        // the parameter fields: from their table
        {Label1, 2784, 3552, 588, 396},
        {Text1, 3360, 3552, 780, 396},
        {VScroll1, 4128, 3552, 204, 396},
        {lblLabel4, 120, 3960, 1455, 375},
        {txtNA, 1680, 3960, 2655, 360},
        {lblLabel12, 120, 4320, 1455, 375},
        {txtNB, 1680, 4320, 2655, 375},
        // "Graph"
        {MSChart1, 120, 240, 5100, 4140},
        {lblLabel22, 120, 240, 5055, 735},
        {lblLabel23, 120, 1080, 5055, 2775},
        {cmdShowN1vsN2, 240, 4440, 1089, 375},
        {cmdShowDNvsT, 1452, 4440, 979, 375},
        {cmdShowNvsT, 2544, 4440, 858, 375},
        {cmdIsoclines, 3504, 4440, 979, 375},
        {cmdLargeGraph, 4560, 4440, 726, 375},
        // "Author"; the picture box is moved at load
        {lblLabel6, 120, 240, 3132, 252},
        {lblLabel5, 120, 600, 3132, 1932},
        {picPicture1, 3480, 360, PictureWidth, PictureHeight},
    };
    for (const Place& p : places)
        p.widget->setGeometry(twips::rect(p.left, p.top, p.width, p.height));
    m_fields.place();
    setFixedSize(twips::size(10176, 7800));
    chainTabOrder();
}

void frmForm1::chainTabOrder()
{
    const auto txt = [this](ParameterField f) { return m_fields.edit(f); };
    const QWidget* const order[] = {
        cmdRun, cmdQuit, cmdPrint, txt(ParameterField::K2), txt(ParameterField::K1),
        cmdUseData1, cmdUseData2, cmdUseData3,
        txt(ParameterField::Beta), txt(ParameterField::N2Start), txt(ParameterField::R2), txt(ParameterField::Alpha),
        txt(ParameterField::N1Start), txt(ParameterField::R1), txt(ParameterField::Simut),
        cmdLargeGraph, cmdShowDNvsT, cmdShowNvsT, cmdShowN1vsN2, txtNA, txtNB, picPicture1, cmdHowTo, cmdQuiz,
        cmdSave, cmdIsoclines, MSChart1, Text1, VScroll1,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void frmForm1::showAuthorPicture()
{
    picPicture1->move(twips::point(AuthorFrameWidth - PictureWidth - 100, (AuthorFrameHeight - PictureHeight) / 2));
    const QPixmap picture(QStringLiteral(":/vorlenza/author.jpg"));
    if (!picture.isNull()) {
        // The photograph is larger than its box at this scale: show all of it, in proportion.
        picPicture1->setPixmap(picture.scaled(picPicture1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}
