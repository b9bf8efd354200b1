#include "frmTitlform.h"

#include "Look.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <cmath>
#include <random>

namespace vorlenza {

namespace {
constexpr int TickMs = 500;

struct WordLook {
    const char* name;
    kit::Twips at;
    double points;
    bool bold;
    Qt::Alignment alignment;
};

// The five places of the product word.
constexpr std::array<WordLook, frmTitlform::Places> kWords{{
    {"Label1_0", {5160, 1920, 5172, 972}, 36.0, false, Qt::AlignRight},
    {"Label1_1", {2640, 360, 6132, 1332}, 48.0, true, Qt::AlignLeft},
    {"Label1_2", {240, 3840, 5652, 1332}, 48.0, false, Qt::AlignHCenter},
    {"Label1_3", {4320, 5400, 5892, 1332}, 48.0, false, Qt::AlignLeft},
    {"Label1_4", {5040, 3240, 5172, 972}, 48.0, false, Qt::AlignHCenter},
}};

bool isPlace(int index) { return index >= 0 && index < frmTitlform::Places; }
} // namespace

int titlePlaceFor(double u) { return static_cast<int>(std::nearbyint(4.0 * u)); }

int nextTitlePlace(int second, int previous)
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(second));
    int place = 0;
    do {
        // A 32-bit draw divided by 2^32 lies in [0, 1) exactly.
        const double u = static_cast<double>(generator()) / 4294967296.0;
        place = titlePlaceFor(u);
    } while (place == previous);
    return place;
}

frmTitlform::frmTitlform(Session& session, QWidget* parent)
    : ProgramWindow(session, "frmTitlform", parent, Qt::Window | Qt::FramelessWindowHint)
{
    build();
}

void frmTitlform::createControls()
{
    setWindowTitle(QStringLiteral("Vorlenza"));
    kit::background(this, look::vb(0x400000));
    // The labels show the pointer of the window they lie on.
    setCursor(look::customPointer());
    setFocusPolicy(Qt::StrongFocus);

    tmrTimer1 = kit::make<QTimer>(this, "tmrTimer1");
    tmrTimer1->setInterval(TickMs);

    Label2 = kit::label(this, "Label2", tr("Press any key or click mouse to start."),
                        look::font(QStringLiteral("Times New Roman"), 14.4, true), Qt::AlignHCenter);
    kit::colour(Label2, look::vb(0x00FFFF), look::vb(0x0000FF));
    Label2->setBoxed(true);

    for (int i = 0; i < Places; ++i) {
        const WordLook& w = kWords[static_cast<std::size_t>(i)];
        QLabel* l = kit::label(this, w.name, QStringLiteral("Vorlenza"),
                               look::font(QStringLiteral("Times New Roman"), w.points, w.bold), w.alignment);
        l->setWordWrap(false);
        kit::colour(l, look::vb(0x00FFFF), look::vb(0x800000));
        l->setVisible(false);
        Label1[static_cast<std::size_t>(i)] = l;
    }
}

void frmTitlform::placeControls()
{
    setFixedSize(twips::size(10637, 7051));
    kit::place({{Label2, {1080, 1920, 1935, 1215}}});
    for (int i = 0; i < Places; ++i)
        kit::place({{Label1[static_cast<std::size_t>(i)], kWords[static_cast<std::size_t>(i)].at}});
    centreOnScreen(this);
}

void frmTitlform::connectHandlers()
{
    connect(tmrTimer1, &QTimer::timeout, this, &frmTitlform::tmrTimer1_Timer);
    Label2->installEventFilter(this);
    for (QLabel* l : Label1)
        l->installEventFilter(this);
}

void frmTitlform::Form_Load() { tmrTimer1->setInterval(TickMs); }

void frmTitlform::tmrTimer1_Timer()
{
    const int second = session().platform().now().time().second();
    const int previous = session().titlePreviousIndex;
    const int current = nextTitlePlace(second, previous);
    session().titleCurrentIndex = static_cast<std::int16_t>(current);
    if (isPlace(previous))
        Label1[static_cast<std::size_t>(previous)]->setVisible(false);
    if (isPlace(current))
        Label1[static_cast<std::size_t>(current)]->setVisible(true);
    session().titlePreviousIndex = session().titleCurrentIndex;
}

void frmTitlform::showEvent(QShowEvent* event)
{
    ProgramWindow::showEvent(event);
    if (!tmrTimer1->isActive())
        tmrTimer1->start();
}

void frmTitlform::hideEvent(QHideEvent* event)
{
    // Nothing moves while nobody can see it.
    tmrTimer1->stop();
    QWidget::hideEvent(event);
}

void frmTitlform::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character: Enter, Escape, Space, letters, digits; not arrows,
    // function keys or a modifier alone.
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Form_KeyPress(text.at(0).unicode());
}

void frmTitlform::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        Form_Click();
}

void frmTitlform::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    Form_DblClick();
}

bool frmTitlform::eventFilter(QObject* watched, QEvent* event)
{
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!click && !doubleClick)
        return QWidget::eventFilter(watched, event);
    if (watched == Label2) {
        click ? Label2_Click() : Label2_DblClick();
        return true;
    }
    for (int i = 0; i < Places; ++i) {
        if (watched == Label1[static_cast<std::size_t>(i)]) {
            click ? Label1_Click(i) : Label1_DblClick(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTitlform::closeEvent(QCloseEvent* event)
{
    if (session().windows().ending()) {
        event->accept();
        return;
    }
    // Refuse to be destroyed: the title window is only ever hidden.
    event->ignore();
    dismiss();
}

void frmTitlform::Form_KeyPress(int) { dismiss(); }
void frmTitlform::Form_Click() { dismiss(); }
void frmTitlform::Form_DblClick() { dismiss(); }
void frmTitlform::Label1_Click(int) { dismiss(); }
void frmTitlform::Label1_DblClick(int) { dismiss(); }
void frmTitlform::Label2_Click() { dismiss(); }
void frmTitlform::Label2_DblClick() { dismiss(); }

void frmTitlform::dismiss() { leaveTo(WindowId::Main); }

} // namespace vorlenza
