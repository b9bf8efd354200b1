#include "Vater.h"

#include "Look.h"
#include "Session.h"
#include "WindowParts.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr parts::Place kFrame1{"Frame1", 360, 240, 6492, 6972};
constexpr parts::Place kPicture2{"Picture2", 120, 120, 6048, 6708};
} // namespace

Vater::Vater(Session& session, QWidget* parent)
    : CompanionWindow(session, WindowId::Dedication, parent, Frame::Dialog)
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
}

void Vater::createControls()
{
    setObjectName(QStringLiteral("Vater"));
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    parts::background(Frame1, palette().color(QPalette::Base));

    Picture2 = new QLabel(Frame1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(tr("Picture: hills and a lake at dusk"));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setPixmap(parts::designPicture(QStringLiteral(":/vorlenza/dedication.jpg"), this));

    Command1 = parts::button(this, "Command1", tr("God rest his soul"),
                             look::font(QStringLiteral("Times New Roman"), 14.4, true));
}

void Vater::placeControls()
{
    setUpWindow(tr("Dedication"), look::vb(0xFFFFFF), 6960, 7956);
    parts::place(this, {kFrame1, {"Command1", 1320, 7320, 4575, 495}});
    parts::place(Frame1, {kPicture2});
}

void Vater::connectHandlers() { connect(Command1, &QPushButton::clicked, this, &Vater::Command1_Click); }

void Vater::Form_Load()
{
    // Centre the picture in its frame.
    const int top = (kFrame1.height - kPicture2.height) / 2;
    const int left = (kFrame1.width - kPicture2.width) / 2;
    Picture2->move(twips::point(left, top));
    Command1->setFocus();
}

void Vater::Command1_Click() { session().windows().endProgram(); }

void Vater::Form_Unload() { session().windows().endProgram(); }
