#include "frmCopyrigh.h"

#include "Look.h"
#include "Session.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPushButton>

frmCopyrigh::frmCopyrigh(Session& session, QWidget* parent)
    : CompanionWindow(session, WindowId::About, parent)
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
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
    setObjectName(QStringLiteral("frmCopyrigh"));
    const QString tnr = QStringLiteral("Times New Roman");
    const QColor blue = look::vb(0xFF0000);
    const QColor silver = look::vb(0xC0C0C0);
    const QColor yellow = look::vb(0x00FFFF);

    lblLabel1 = parts::label(this, "lblLabel1", tr("Free software for teaching and learning ecology"),
                             look::font(tnr, 12), Qt::AlignHCenter);
    parts::colour(lblLabel1, blue, silver);
    lblLabel2 = parts::label(
        this, "lblLabel2",
        tr("You may run, copy and share this program, in class or anywhere else, and you may change "
           "it under the terms of the GNU General Public License, version 3 or any later version. It "
           "comes with ABSOLUTELY NO WARRANTY."),
        look::font(tnr, 12), Qt::AlignHCenter);
    parts::colour(lblLabel2, blue, silver);
    lblLabel3 = parts::label(this, "lblLabel3",
                             tr("Protected by copyright law. Copies, changed or not, must keep this notice."),
                             look::font(tnr, 12, true), Qt::AlignHCenter);
    parts::colour(lblLabel3, yellow, look::vb(0x0000FF), true);
    lblLabel4 =
        parts::label(this, "lblLabel4", tr("Some rights reserved."), look::font(tnr, 12), Qt::AlignHCenter);
    parts::colour(lblLabel4, blue, silver);
    lblLabel5 = parts::label(this, "lblLabel5", QString(), look::font(tnr, 12), Qt::AlignHCenter);
    parts::colour(lblLabel5, blue, silver);
    lblLabel7 = parts::label(this, "lblLabel7", QString(), look::font(tnr, 12));
    parts::colour(lblLabel7, yellow, look::vb(0xFF0000), true);
    lblLabel6 = parts::label(this, "lblLabel6", QString(), look::font(tnr, 9.6), Qt::AlignHCenter);
    parts::colour(lblLabel6, palette().color(QPalette::WindowText), look::vb(0xFFFF00), true);

    picPicture1 = new QLabel(this);
    picPicture1->setObjectName(QStringLiteral("picPicture1"));
    picPicture1->setAccessibleName(tr("Picture: the two competing species"));
    picPicture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picPicture1->setPixmap(parts::designPicture(QStringLiteral(":/vorlenza/author.jpg"), this));
    parts::background(picPicture1, silver);

    cmdCommand1 =
        parts::button(this, "cmdCommand1", tr("OK"), look::font(QStringLiteral("MS Sans Serif"), 7.8));
    cmdCommand1->setCursor(look::customPointer());
}

void frmCopyrigh::placeControls()
{
    setUpWindow(tr("Copyright"), look::vb(0xC0C0C0), 8220, 7128);
    parts::place(this, {
                           {"lblLabel1", 600, 120, 6615, 375},
                           {"lblLabel2", 480, 480, 7335, 1575},
                           {"lblLabel3", 360, 2160, 4575, 975},
                           {"lblLabel4", 5160, 2640, 2895, 375},
                           {"lblLabel5", 4920, 3000, 3255, 375},
                           {"lblLabel7", 360, 3240, 4575, 1935},
                           {"lblLabel6", 360, 5280, 4575, 1575},
                           {"picPicture1", 5640, 3720, 1776, 2292},
                           {"cmdCommand1", 6000, 6360, 1215, 495},
                       });
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
