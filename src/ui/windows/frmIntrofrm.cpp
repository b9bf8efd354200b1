#include "frmIntrofrm.h"

#include "Look.h"
#include "WindowKit.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace vorlenza {

frmIntrofrm::frmIntrofrm(Session& session, QWidget* parent) : CompanionWindow(session, "frmIntrofrm", parent)
{
    build();
}

QString frmIntrofrm::introductionText()
{
    // One paragraph; it wraps in the box. The double space after "model." and the trailing
    // blank are part of the text.
    return tr("The Lotka–Volterra model of two species that compete for the same resources is the simplest "
              "two-species competition model. It is extended from the logistic growth model.  It assumes "
              "that all individuals of a species are identical (no age difference and no sexual "
              "dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not "
              "applicable to age-structured populations. However, the undergraduate students can use this "
              "model to learn about the isocline and equilibrium analysis and vector addition. ");
}

void frmIntrofrm::createControls()
{
    const QFont buttonFont = look::font(QStringLiteral("MS Sans Serif"), 7.8);

    txtText1 = kit::make<QPlainTextEdit>(this, "txtText1");
    txtText1->setReadOnly(true);
    txtText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtText1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtText1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtText1->setFont(look::font(QStringLiteral("Times New Roman"), 12, true));

    cmdCommand2 = kit::button(this, "cmdCommand2", tr("References"), buttonFont);
    cmdCommand1 = kit::button(this, "cmdCommand1", tr("OK"), buttonFont);
}

void frmIntrofrm::placeControls()
{
    setUpWindow(tr("Introduction"), look::vb(0xE0E0E0), 7645, 6083);
    kit::place({
        {txtText1, {240, 120, 7215, 5295}},
        {cmdCommand2, {2160, 5520, 1815, 495}},
        {cmdCommand1, {4560, 5520, 1215, 495}},
    });
}

void frmIntrofrm::connectHandlers()
{
    connect(cmdCommand1, &QPushButton::clicked, this, &frmIntrofrm::cmdCommand1_Click);
    connect(cmdCommand2, &QPushButton::clicked, this, &frmIntrofrm::cmdCommand2_Click);
}

void frmIntrofrm::Form_Load()
{
    txtText1->setPlainText(introductionText());
    cmdCommand1->setFocus();
}

void frmIntrofrm::cmdCommand1_Click() { leaveTo(WindowId::Main); }

void frmIntrofrm::cmdCommand2_Click() { leaveTo(WindowId::References); }

} // namespace vorlenza
