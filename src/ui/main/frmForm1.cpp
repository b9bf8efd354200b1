#include "frmForm1.h"

#include "ChartActions.h"

#include "ChartView.h"
#include "ScreenPlacement.h"
#include "Look.h"
#include "NumberText.h"
#include "Presets.h"
#include "ResultsFile.h"
#include "RunFailureText.h"
#include "Session.h"
#include "Simulation.h"
#include "DefaultPrinter.h"
#include "frmLarggraf.h"
#include "twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
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
const QColor Green(0, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// The author frame and its picture box, in twips: the picture is placed against the frame's right
// edge and centred vertically when the window loads.
constexpr int AuthorFrameWidth = 5295;
constexpr int AuthorFrameHeight = 2652;
constexpr int PictureWidth = 1692;
constexpr int PictureHeight = 2172;

QString text(const std::string& s) { return QString::fromStdString(s); }

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

QString GeneralDateText(const QDateTime& moment, const QLocale& locale)
{
    // The long time format carries the seconds; drop its time-zone letters (outside quotes).
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    QString time;
    bool quoted = false;
    for (const QChar c : longTime) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        time += c;
    }
    // and the brackets that held them ("H:mm:ss (t)" in Spanish)
    time.remove(QStringLiteral("()"));
    time = time.trimmed();
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(moment.time(), time);
}

frmForm1::frmForm1(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    createControls();
    placeControls();
    connectHandlers();
    nameForScreenReaders();
    Form_Load();
}

void frmForm1::nameForScreenReaders()
{
    // Captions and labels speak for themselves; these controls are named by what they hold.
    const std::initializer_list<std::pair<QWidget*, const char*>> names = {
        {txtRrateA, QT_TR_NOOP("Intrinsic rate of species A (r)")},
        {txtA0, QT_TR_NOOP("Initial size of species A")},
        {txtK1, QT_TR_NOOP("Carrying capacity for species A (K1)")},
        {txtU, QT_TR_NOOP("Constant a")},
        {txtRrateB, QT_TR_NOOP("Intrinsic rate of species B (s)")},
        {txtB0, QT_TR_NOOP("Initial size of species B")},
        {txtK2, QT_TR_NOOP("Carrying capacity for species B (K2)")},
        {txtV, QT_TR_NOOP("Constant b")},
        {txtSimut, QT_TR_NOOP("For t = 0 to (simulation length in days)")},
        {txtNA, QT_TR_NOOP("N1 (species A) on the selected day")},
        {txtNB, QT_TR_NOOP("N2 (species B) on the selected day")},
        {Text1, QT_TR_NOOP("t = (selected day)")},
        {VScroll1, QT_TR_NOOP("Day selector")},
        {cmdQuiz, QT_TR_NOOP("Quiz")},
        {picPicture1, QT_TR_NOOP("How to (picture of the two competing species)")},
        {lblLabel6, QT_TR_NOOP("Clock")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(tr(name));
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

    lblLabel1 = label(fraFrame2, "lblLabel1", tr("Intrinsic rate of species A  (r):"));
    txtRrateA = field(fraFrame2, "txtRrateA", QStringLiteral("0.2"), Blue);
    lblLabel2 = label(fraFrame2, "lblLabel2", tr("Initial size of species A: "));
    txtA0 = field(fraFrame2, "txtA0", QStringLiteral("10"), Blue);
    lblLabel19 = label(fraFrame2, "lblLabel19", tr("Carrying capacity for species A (K1):"));
    txtK1 = field(fraFrame2, "txtK1", QStringLiteral("200"), Blue);
    lblLabel8 = label(fraFrame2, "lblLabel8", tr("Constant a:"));
    txtU = field(fraFrame2, "txtU", QStringLiteral("1"), Blue);
    lblLabel9 = label(fraFrame2, "lblLabel9", tr("Intrinsic rate of species B (s):"));
    txtRrateB = field(fraFrame2, "txtRrateB", QStringLiteral("0.3"), Red);
    lblLabel10 = label(fraFrame2, "lblLabel10", tr("Initial size of species B:"));
    txtB0 = field(fraFrame2, "txtB0", QStringLiteral("10"), Red);
    lblLabel20 = label(fraFrame2, "lblLabel20", tr("Carrying capacity for species B (K2):"));
    txtK2 = field(fraFrame2, "txtK2", QStringLiteral("100"), Red);
    lblLabel11 = label(fraFrame2, "lblLabel11", tr("Constant b:"));
    txtV = field(fraFrame2, "txtV", QStringLiteral("0.4"), Red);
    lblLabel3 = label(fraFrame2, "lblLabel3", tr("For t = 0 to "));
    txtSimut = field(fraFrame2, "txtSimut", QStringLiteral("100"), Green);
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

    for (QLabel* l : {lblLabel1, lblLabel2, lblLabel19, lblLabel8, lblLabel9, lblLabel10, lblLabel20, lblLabel11,
                      lblLabel4, lblLabel12})
        l->setFont(tnr96);
    for (QLabel* l : {lblLabel18, lblLabel1, lblLabel2, lblLabel19, lblLabel8, lblLabel9, lblLabel10, lblLabel20,
                      lblLabel11, lblLabel3, Label1})
        background(l, White);
    paint(lblLabel4, Red, White);
    paint(lblLabel12, MidBlue, White);
    for (QWidget* w : std::initializer_list<QWidget*>{lblLabel3, Label1, Text1})
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
    cmdIsoclines->setEnabled(false);
    cmdLargeGraph->setEnabled(false);

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
        {lblLabel1, 120, 600, 2895, 375},
        {txtRrateA, 3360, 600, 975, 375},
        {lblLabel2, 120, 960, 2895, 375},
        {txtA0, 3360, 960, 975, 360},
        {lblLabel19, 120, 1320, 3135, 375},
        {txtK1, 3360, 1320, 975, 360},
        {lblLabel8, 120, 1680, 2415, 375},
        {txtU, 3360, 1680, 975, 360},
        {lblLabel9, 120, 2040, 3135, 375},
        {txtRrateB, 3360, 2040, 975, 360},
        {lblLabel10, 120, 2400, 2775, 375},
        {txtB0, 3360, 2400, 975, 375},
        {lblLabel20, 120, 2760, 3255, 375},
        {txtK2, 3360, 2760, 975, 375},
        {lblLabel11, 120, 3120, 2055, 375},
        {txtV, 3360, 3120, 975, 375},
        {lblLabel3, 120, 3480, 1455, 375},
        {txtSimut, 1440, 3456, 975, 360},
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
    setFixedSize(twips::size(10176, 7800));
    chainTabOrder();
}

void frmForm1::chainTabOrder()
{
    const QWidget* const order[] = {
        cmdRun,      cmdQuit,   cmdPrint, txtK2,        txtK1,         cmdUseData1,  cmdUseData2, cmdUseData3,
        txtV,        txtB0,     txtRrateB, txtU,        txtA0,         txtRrateA,    txtSimut,    cmdLargeGraph,
        cmdShowDNvsT, cmdShowNvsT, cmdShowN1vsN2, txtNA, txtNB,        picPicture1,  cmdHowTo,    cmdQuiz,
        cmdSave,     cmdIsoclines, MSChart1, Text1,     VScroll1,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void frmForm1::connectHandlers()
{
    connect(cmdRun, &QPushButton::clicked, this, &frmForm1::cmdRun_Click);
    connect(cmdUseData1, &QPushButton::clicked, this, &frmForm1::cmdUseData1_Click);
    connect(cmdUseData2, &QPushButton::clicked, this, &frmForm1::cmdUseData2_Click);
    connect(cmdUseData3, &QPushButton::clicked, this, &frmForm1::cmdUseData3_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmForm1::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmForm1::cmdPrint_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmForm1::cmdQuit_Click);
    connect(cmdHowTo, &QPushButton::clicked, this, &frmForm1::cmdHowTo_Click);
    connect(cmdQuiz, &QPushButton::clicked, this, &frmForm1::cmdQuiz_Click);
    connect(lblLabel21, &ClickLabel::clicked, this, &frmForm1::lblLabel21_Click);
    connect(lblLabel5, &ClickLabel::clicked, this, &frmForm1::lblLabel5_Click);
    connect(picPicture1, &ClickLabel::clicked, this, &frmForm1::picPicture1_Click);

    connect(cmdShowN1vsN2, &QPushButton::clicked, this, &frmForm1::cmdShowN1vsN2_Click);
    connect(cmdShowNvsT, &QPushButton::clicked, this, &frmForm1::cmdShowNvsT_Click);
    connect(cmdShowDNvsT, &QPushButton::clicked, this, &frmForm1::cmdShowDNvsT_Click);
    connect(cmdIsoclines, &QPushButton::clicked, this, &frmForm1::cmdIsoclines_Click);
    connect(cmdLargeGraph, &QPushButton::clicked, this, &frmForm1::cmdLargeGraph_Click);
    connect(MSChart1, &ChartView::clicked, this, &frmForm1::MSChart1_Click);
    m_chartActions = new ChartActions(m_session, *this, *MSChart1, m_session.mainArrows);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmForm1::VScroll1_Change);
    connect(tmrTimer1, &QTimer::timeout, this, &frmForm1::tmrTimer1_Timer);

    // Change handlers run for typed, pasted and program-set text alike.
    connect(txtRrateA, &QLineEdit::textChanged, this, &frmForm1::txtRrateA_Change);
    connect(txtA0, &QLineEdit::textChanged, this, &frmForm1::txtA0_Change);
    connect(txtK1, &QLineEdit::textChanged, this, &frmForm1::txtK1_Change);
    connect(txtU, &QLineEdit::textChanged, this, &frmForm1::txtU_Change);
    connect(txtRrateB, &QLineEdit::textChanged, this, &frmForm1::txtRrateB_Change);
    connect(txtB0, &QLineEdit::textChanged, this, &frmForm1::txtB0_Change);
    connect(txtK2, &QLineEdit::textChanged, this, &frmForm1::txtK2_Change);
    connect(txtV, &QLineEdit::textChanged, this, &frmForm1::txtV_Change);
    connect(txtSimut, &QLineEdit::textChanged, this, &frmForm1::txtSimut_Change);

    new KeyPressRelay(txtRrateA, [this](int k) { txtRrateA_KeyPress(k); });
    new KeyPressRelay(txtA0, [this](int k) { txtA0_KeyPress(k); });
    new KeyPressRelay(txtK1, [this](int k) { txtK1_KeyPress(k); });
    new KeyPressRelay(txtU, [this](int k) { txtU_KeyPress(k); });
    new KeyPressRelay(txtRrateB, [this](int k) { txtRrateB_KeyPress(k); });
    new KeyPressRelay(txtB0, [this](int k) { txtB0_KeyPress(k); });
    new KeyPressRelay(txtK2, [this](int k) { txtK2_KeyPress(k); });
    new KeyPressRelay(txtV, [this](int k) { txtV_KeyPress(k); });
    new KeyPressRelay(txtSimut, [this](int k) { txtSimut_KeyPress(k); });
}

void frmForm1::Form_Load()
{
    // 1. The copyright notice, with the year of the system clock.
    lblLabel16->setText(tr("© 2004-%1 The Vorlenza authors").arg(m_session.platform().now().date().year()));

    // 2. Start-up: the background window maximised, the title window over it; this window stays
    //    hidden until the title window is dismissed.
    WindowRegistry& windows = m_session.windows();
    if (QWidget* back = windows.show(WindowId::Background))
        back->setWindowState(back->windowState() | Qt::WindowMaximized);
    if (QWidget* title = windows.show(WindowId::Title))
        title->setWindowState(title->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    hide();

    // 3. and 4. The greeting over the empty chart area; no graph yet.
    lblLabel22->setVisible(true);
    lblLabel23->setVisible(true);
    cmdShowN1vsN2->setEnabled(false);
    cmdShowNvsT->setEnabled(false);
    cmdShowDNvsT->setEnabled(false);

    // 5. The instructions.
    lblLabel23->setText(tr("Press Enter to run this program using default values. You can also select a data "
                           "set at first, then click RUN. To change a default "
                           "value, move the mouse pointer to a data box and click it."
                           "After you change the default values, press Enter to confirm the"
                           " change and click RUN to run it. Click on the graph to see more graphs.\n"
                           "Comments are welcome."));

    // 6. Where to reach the authors.
    lblLabel5->setText(
        tr("The Vorlenza authors\nvorlenza@example.org\nP.O. Box 1234\nPopulation Ecology Laboratory\n"
           "Department of Biology\nExample University\nExampletown, Exampleland"));

    // 7. The picture against the right edge of its frame, centred vertically.
    picPicture1->move(twips::point(AuthorFrameWidth - PictureWidth - 100, (AuthorFrameHeight - PictureHeight) / 2));
    const QPixmap picture(QStringLiteral(":/vorlenza/author.jpg"));
    if (!picture.isNull()) {
        // The photograph is larger than its box at this scale: show all of it, in proportion.
        picPicture1->setPixmap(picture.scaled(picPicture1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    cmdRun->setFocus();
}

void frmForm1::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        cmdRun->setFocus();
        // Centred on the screen the first time; afterwards it stays where the user put it.
        CentreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void frmForm1::closeEvent(QCloseEvent* event)
{
    if (!m_session.windows().ending())
        Form_Unload();
    event->accept();
}

void frmForm1::Form_Unload()
{
    // Closing the main window ends the program at once; nothing is asked or shown.
    m_session.windows().endProgram();
}

// ---- Parameter fields --------------------------------------------------------------------------

void frmForm1::fieldChanged()
{
    txtNA->clear();
    txtNB->clear();
    cmdRun->setEnabled(false);
    cmdLargeGraph->setEnabled(false);
    cmdShowN1vsN2->setEnabled(false);
    cmdShowDNvsT->setEnabled(false);
    cmdShowNvsT->setEnabled(false);
}

void frmForm1::confirmField(QLineEdit* field, int keyAscii, FieldReading reading, const char* resetText)
{
    if (keyAscii != 13)
        return;
    // A reset text, or an accepted regional number rewritten the program's way, fires Change.
    const std::optional<QString> kept = EnteredFieldText(field->text(), reading);
    if (!kept)
        field->setText(QLatin1String(resetText));
    else if (*kept != field->text())
        field->setText(*kept);
    cmdRun->setEnabled(true);
    cmdRun->setFocus();
}

void frmForm1::txtRrateA_KeyPress(int keyAscii) { confirmField(txtRrateA, keyAscii, FieldReading::Prefix, "0.2"); }
void frmForm1::txtA0_KeyPress(int keyAscii) { confirmField(txtA0, keyAscii, FieldReading::Strict, "10"); }
void frmForm1::txtK1_KeyPress(int keyAscii) { confirmField(txtK1, keyAscii, FieldReading::Prefix, "150"); }
void frmForm1::txtU_KeyPress(int keyAscii) { confirmField(txtU, keyAscii, FieldReading::Prefix, "2"); }
void frmForm1::txtRrateB_KeyPress(int keyAscii) { confirmField(txtRrateB, keyAscii, FieldReading::Strict, "0.3"); }
void frmForm1::txtB0_KeyPress(int keyAscii) { confirmField(txtB0, keyAscii, FieldReading::Prefix, "10"); }
void frmForm1::txtK2_KeyPress(int keyAscii) { confirmField(txtK2, keyAscii, FieldReading::Prefix, "200"); }
void frmForm1::txtV_KeyPress(int keyAscii) { confirmField(txtV, keyAscii, FieldReading::Prefix, "100"); }
void frmForm1::txtSimut_KeyPress(int keyAscii) { confirmField(txtSimut, keyAscii, FieldReading::WholeDays, "100"); }

void frmForm1::ApplyPreset(int set)
{
    const PresetValues& p = Preset(set);
    txtRrateA->setText(text(FormatNumber(p.r1)));
    txtA0->setText(text(FormatNumber(p.n1)));
    txtU->setText(text(FormatNumber(p.alpha)));
    txtK1->setText(text(FormatNumber(p.K1)));
    txtRrateB->setText(text(FormatNumber(p.r2)));
    txtB0->setText(text(FormatNumber(p.n2)));
    txtV->setText(text(FormatNumber(p.beta)));
    txtK2->setText(text(FormatNumber(p.K2)));
    cmdRun->setEnabled(true);
    cmdRun->setFocus();
    cmdShowN1vsN2->setEnabled(false);
    cmdShowNvsT->setEnabled(false);
    cmdShowDNvsT->setEnabled(false);
    cmdLargeGraph->setEnabled(false);
}

// ---- Run, graphs and the day selector ----------------------------------------------------------

void frmForm1::cmdRun_Click()
{
    FieldTexts fields;
    fields.simut = txtSimut->text().toStdString();
    fields.K1 = txtK1->text().toStdString();
    fields.K2 = txtK2->text().toStdString();
    fields.u = txtU->text().toStdString();
    fields.v = txtV->text().toStdString();
    fields.rrateA = txtRrateA->text().toStdString();
    fields.rrateB = txtRrateB->text().toStdString();
    fields.a0 = txtA0->text().toStdString();
    fields.b0 = txtB0->text().toStdString();

    ModelState& model = m_session.model();
    const RunResult result = RunSimulation(model, fields);
    if (!result.ok()) {
        // The last good run stays whole in the model and on screen; say what went wrong.
        report(RunFailureText(result));
        return;
    }

    lblLabel22->hide();
    lblLabel23->hide();
    txtNA->setText(text(FormatNumber(result.lastN1)));
    txtNB->setText(text(FormatNumber(result.lastN2)));

    MSChart1->show();
    ShowN1vsN2();

    cmdShowN1vsN2->setEnabled(true);
    cmdShowNvsT->setEnabled(true);
    cmdShowDNvsT->setEnabled(true);
    cmdLargeGraph->setEnabled(true);
    cmdIsoclines->setEnabled(true);

    const int days = model.simTime;
    VScroll1->setMinimum(0);
    VScroll1->setMaximum(days);
    VScroll1->setValue(days);
    Text1->setText(text(FormatInteger(days)));
}

void frmForm1::drawChart(ChartProcedure procedure)
{
    const bool disablesRun = DrawChart(*MSChart1, procedure, m_session.model());
    m_chartActions->chartDrawn(procedure);
    if (disablesRun)
        cmdRun->setEnabled(false);
}

void frmForm1::MSChart1_Click()
{
    std::int16_t& cycle = m_session.graphCycle;
    cycle = static_cast<std::int16_t>(cycle + 1);
    if (cycle > 7)
        cycle = 0;
    switch (cycle) {
    case 0: ShowN1andN2vsT(); break;
    case 1: ShowN1anddN1vsT(); break;
    case 2: ShowN2anddN2vsT(); break;
    case 3: ShowdNvsT(); break;
    case 4: ShowN1vsN2(); break;
    case 5: ShowN2vsN1inLine(); break;
    case 6: ShowN2vsN1withIsoclines(); break;
    default: ShowAllGraphs(); break;
    }
}

void frmForm1::VScroll1_Change(int value)
{
    if (value < 0 || value > ModelState::MaxDay)
        return;
    const ModelState& model = m_session.model();
    const auto day = static_cast<std::size_t>(value);
    txtNA->setText(text(FormatNumber(model.N1[day])));
    txtNB->setText(text(FormatNumber(model.N2[day])));
    Text1->setText(text(FormatInteger(value)));
}

void frmForm1::tmrTimer1_Timer() { lblLabel6->setText(GeneralDateText(m_session.platform().now())); }

void frmForm1::cmdLargeGraph_Click()
{
    WindowRegistry& windows = m_session.windows();
    windows.show(WindowId::Large);
    hide();
    if (auto* large = windows.window<frmLarggraf>(WindowId::Large)) {
        DrawChart(*large->chart(), ChartProcedure::MainShowLargeN2vsN1withIsoclines, m_session.model());
        large->chartActions()->chartDrawn(ChartProcedure::MainShowLargeN2vsN1withIsoclines);
    }
}

// ---- Save, print and the ways to the other windows ---------------------------------------------

void frmForm1::SaveResults()
{
    Platform& platform = m_session.platform();
    const QString chosen = platform.chooseSaveFile(this);
    if (chosen.isEmpty())
        return;
    const QString target = DerivedResultsName(chosen);
    if (target.isEmpty()) {
        report(tr("The file name “%1” is too short. The results file is named after it with its last four "
                  "characters replaced by “-N1N2dN.txt”, so please choose a name of at least four "
                  "characters, such as results.txt. Nothing was saved.")
                   .arg(QFileInfo(chosen).fileName()));
        return;
    }
    const WriteOutcome outcome = WriteResultsFile(target, m_session.model());
    if (!outcome.ok)
        report(outcome.error.isEmpty()
                   ? tr("The results could not be saved to %1.").arg(QDir::toNativeSeparators(target))
                   : outcome.error);
}

void frmForm1::cmdPrint_Click()
{
    PrintOnDefaultPrinter(m_session, *this, tr("Vorlenza — main window"));
}

void frmForm1::cmdQuit_Click()
{
    hide();
    m_session.windows().show(WindowId::About);
}

void frmForm1::cmdHowTo_Click()
{
    hide();
    m_session.windows().show(WindowId::HowTo);
}

void frmForm1::picPicture1_Click()
{
    hide();
    m_session.windows().show(WindowId::HowTo);
}

void frmForm1::cmdQuiz_Click()
{
    hide();
    m_session.windows().show(WindowId::Quiz);
}

void frmForm1::lblLabel21_Click()
{
    m_session.windows().show(WindowId::Introduction);
    hide();
}

void frmForm1::lblLabel5_Click()
{
    hide();
    m_session.windows().show(WindowId::Introduction);
}

void frmForm1::report(const QString& message) { m_session.platform().reportProblem(this, MessageTitle(), message); }
