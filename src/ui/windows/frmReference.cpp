#include "frmReference.h"

#include "Look.h"
#include "WindowKit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace vorlenza {

namespace {
// The texts of Label1_0 (the heading) to Label1_4. Down the window the references stand as
// Label1_2, Label1_4, Label1_1, Label1_3 (see the placement). A reference is translated only in
// its connecting words, so the Gause and Yodzis references are the same in every language.
const std::array<const char*, 5> kTexts{
    QT_TRANSLATE_NOOP("frmReference", "References"),
    QT_TRANSLATE_NOOP("frmReference",
                      "Volterra, V. 1926. Variazioni e fluttuazioni del numero d'individui in specie animali "
                      "conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. "
                      "1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448."),
    "Gause, G. F. 1932. Experimental studies on the struggle for existence. I. Mixed "
    "population of two species of yeast. Journal of Experimental Biology 9: 389–402.",
    "Yodzis, P. 1989. Introduction to Theoretical Ecology. Harper & Row, New York.",
    QT_TRANSLATE_NOOP("frmReference",
                      "May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), "
                      "Theoretical Ecology: Principles and Applications. Blackwell, Oxford."),
};
} // namespace

frmReference::frmReference(Session& session, QWidget* parent) : CompanionWindow(session, "frmReference", parent)
{
    build();
}

void frmReference::createControls()
{
    const QFont labelFont = look::font(QStringLiteral("Times New Roman"), 12, true);
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        const QByteArray name = "Label1_" + QByteArray::number(static_cast<int>(i));
        Label1[i] =
            kit::label(this, name.constData(), QCoreApplication::translate("frmReference", kTexts[i]), labelFont);
        kit::colour(Label1[i], look::vb(0x000000), look::vb(0xFFFFFF));
    }
    const QFont buttonFont = look::font(QStringLiteral("MS Sans Serif"), 7.8, true);
    Command1 = kit::button(this, "Command1", tr("Back to main form"), buttonFont);
    Command2 = kit::button(this, "Command2", tr("Quit"), buttonFont);
}

void frmReference::placeControls()
{
    setUpWindow(tr("References"), look::vb(0xFFFFFF), 8690, 5731);
    kit::place({
        {Label1[0], {240, 240, 6735, 255}},
        {Label1[2], {240, 720, 8295, 615}},
        {Label1[4], {240, 1440, 8415, 615}},
        {Label1[1], {240, 2160, 8415, 975}},
        {Label1[3], {240, 3240, 8415, 375}},
        {Command1, {2520, 5160, 2295, 495}},
        {Command2, {5160, 5160, 975, 495}},
    });
}

void frmReference::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &frmReference::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmReference::Command2_Click);
}

void frmReference::Form_Load() { Command1->setFocus(); }

void frmReference::Command1_Click() { leaveTo(WindowId::Main); }

void frmReference::Command2_Click() { leaveTo(WindowId::About); }

} // namespace vorlenza
