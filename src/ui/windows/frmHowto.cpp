#include "frmHowto.h"

#include "Look.h"
#include "WindowKit.h"

#include <QLabel>
#include <QPushButton>

namespace vorlenza {

frmHowto::frmHowto(Session& session, QWidget* parent) : CompanionWindow(session, "frmHowto", parent) { build(); }

QString frmHowto::howToText()
{
    return tr("Click on RUN to run the simulation.\nClick on the graph to see more graphs.\n"
              "Click on a parameter box to change the default value, then press Enter to confirm the "
              "change. \n\nComments and suggestions are welcome by e-mail to vorlenza@example.org.");
}

void frmHowto::createControls()
{
    lblLabel1 =
        kit::label(this, "lblLabel1", QString(), look::font(QStringLiteral("Times New Roman"), 15.6), Qt::AlignHCenter);
    kit::colour(lblLabel1, palette().color(QPalette::WindowText), look::vb(0xE0E0E0));
    cmdCommand1 = kit::button(this, "cmdCommand1", tr("OK"), look::font(QStringLiteral("Times New Roman"), 12, true));
}

void frmHowto::placeControls()
{
    setUpWindow(tr("How to"), look::vb(0xE0E0E0), 6696, 5628);
    kit::place({{lblLabel1, {240, 240, 6255, 4575}}, {cmdCommand1, {2760, 5040, 1215, 495}}});
}

void frmHowto::connectHandlers() { connect(cmdCommand1, &QPushButton::clicked, this, &frmHowto::cmdCommand1_Click); }

void frmHowto::Form_Load()
{
    lblLabel1->setText(howToText());
    cmdCommand1->setFocus();
}

void frmHowto::cmdCommand1_Click() { leaveTo(WindowId::Main); }

} // namespace vorlenza
