#include "Vater.h"

#include "Look.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vorlenza {

namespace {
constexpr kit::Twips kFrame1{360, 240, 6492, 6972};
constexpr kit::Twips kPicture2{120, 120, 6048, 6708};
} // namespace

Vater::Vater(Session& session, QWidget* parent) : CompanionWindow(session, "Vater", parent, Frame::Dialog) { build(); }

void Vater::createControls()
{
    Frame1 = kit::make<QFrame>(this, "Frame1");
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    kit::background(Frame1, palette().color(QPalette::Base));

    Picture2 = kit::picture(Frame1, "Picture2", QStringLiteral(":/vorlenza/dedication.jpg"),
                            tr("Picture: hills and a lake at dusk"));

    Command1 = kit::button(this, "Command1", tr("God rest his soul"),
                           look::font(QStringLiteral("Times New Roman"), 14.4, true));
}

void Vater::placeControls()
{
    setUpWindow(tr("Dedication"), look::vb(0xFFFFFF), 6960, 7956);
    kit::place({{Frame1, kFrame1}, {Command1, {1320, 7320, 4575, 495}}, {Picture2, kPicture2}});
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

} // namespace vorlenza
