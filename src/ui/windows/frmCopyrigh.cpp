#include "frmCopyrigh.h"

#include "Look.h"
#include "Session.h"
#include "WindowKit.h"

#include <QLabel>
#include <QPushButton>

namespace vorlenza {

frmCopyrigh::frmCopyrigh(Session& session, QWidget* parent) : CompanionWindow(session, "frmCopyrigh", parent)
{
    build();
}

QString frmCopyrigh::citationText(int year)
{
    return tr("If you use this program in your research, please cite the following  reference in your "
              "paper:\n\nThe Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.")
        .arg(year);
}

QString frmCopyrigh::newVersionText()
{
    return tr("You can get new version of this program at:\n1. https://vorlenza.example.org/\n"
              "2. https://www.example.com/vorlenza/\n(Example Teaching Network).\n3. The Vorlenza Project.");
}

QString frmCopyrigh::copyrightText(int year)
{
    // One line in its box: the holder's short name.
    return tr("© 2004-%1 Vorlenza authors").arg(year);
}

void frmCopyrigh::createControls()
{
    const QString tnr = QStringLiteral("Times New Roman");
    const QColor blue = look::vb(0xFF0000);
    const QColor silver = look::vb(0xC0C0C0);
    const QColor yellow = look::vb(0x00FFFF);

    const QFont plain = look::font(tnr, 12);
    lblLabel1 =
        kit::label(this, "lblLabel1", tr("Free software for teaching and learning ecology"), plain, Qt::AlignHCenter);
    lblLabel2 =
        kit::label(this, "lblLabel2",
                   tr("You may run, copy and share this program, in class or anywhere else, and you may change "
                      "it under the terms of the GNU General Public License, version 3 or any later version. It "
                      "comes with ABSOLUTELY NO WARRANTY."),
                   plain, Qt::AlignHCenter);
    lblLabel3 =
        kit::label(this, "lblLabel3", tr("Protected by copyright law. Copies, changed or not, must keep this notice."),
                   look::font(tnr, 12, true), Qt::AlignHCenter);
    lblLabel4 = kit::label(this, "lblLabel4", tr("Some rights reserved."), plain, Qt::AlignHCenter);
    lblLabel5 = kit::label(this, "lblLabel5", QString(), plain, Qt::AlignHCenter);
    lblLabel7 = kit::label(this, "lblLabel7", QString(), plain);
    lblLabel6 = kit::label(this, "lblLabel6", QString(), look::font(tnr, 9.6), Qt::AlignHCenter);
    for (QLabel* l : {lblLabel1, lblLabel2, lblLabel4, lblLabel5})
        kit::colour(l, blue, silver);
    kit::colour(lblLabel3, yellow, look::vb(0x0000FF));
    kit::colour(lblLabel7, yellow, look::vb(0xFF0000));
    kit::colour(lblLabel6, palette().color(QPalette::WindowText), look::vb(0xFFFF00));
    for (ClickLabel* l : {lblLabel3, lblLabel7, lblLabel6})
        l->setBoxed(true);

    picPicture1 = kit::picture(this, "picPicture1", QStringLiteral(":/vorlenza/author.jpg"),
                               tr("Picture: the two competing species"));
    kit::background(picPicture1, silver);

    cmdCommand1 = kit::button(this, "cmdCommand1", tr("OK"), look::font(QStringLiteral("MS Sans Serif"), 7.8),
                              kit::Pointer::Custom);
}

void frmCopyrigh::placeControls()
{
    setUpWindow(tr("Copyright"), look::vb(0xC0C0C0), 8220, 7128);
    kit::place({
        {lblLabel1, {600, 120, 6615, 375}},
        {lblLabel2, {480, 480, 7335, 1575}},
        {lblLabel3, {360, 2160, 4575, 975}},
        {lblLabel4, {5160, 2640, 2895, 375}},
        {lblLabel5, {4920, 3000, 3255, 375}},
        {lblLabel7, {360, 3240, 4575, 1935}},
        {lblLabel6, {360, 5280, 4575, 1575}},
        {picPicture1, {5640, 3720, 1776, 2292}},
        {cmdCommand1, {6000, 6360, 1215, 495}},
    });
    // The copyright line's box starts a pixel inside the red box's right edge. Its plain background
    // (the window's own grey) is left unpainted so that the red box keeps its border, and the line
    // is centred in what lies right of the box, with a two-pixel gap.
    const QRect box = lblLabel3->geometry();
    const QRect line = lblLabel5->geometry();
    if (line.top() <= box.bottom() && box.top() <= line.bottom() && line.left() <= box.right() + 2) {
        lblLabel5->setAutoFillBackground(false);
        lblLabel5->setContentsMargins(box.right() + 3 - line.left(), 0, 0, 0);
    }
}

void frmCopyrigh::connectHandlers()
{
    connect(cmdCommand1, &QPushButton::clicked, this, &frmCopyrigh::cmdCommand1_Click);
}

void frmCopyrigh::Form_Load()
{
    // The year is read from the clock each time the window is created.
    lblLabel7->setText(citationText(session().platform().now().date().year()));
    lblLabel6->setText(newVersionText());
    lblLabel5->setText(copyrightText(session().platform().now().date().year()));
    cmdCommand1->setFocus();
}

void frmCopyrigh::cmdCommand1_Click() { leaveTo(WindowId::Dedication); }

} // namespace vorlenza
