#include "frmReference.h"

#include "Look.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPushButton>

namespace {
// Label1_0 is the heading; the references follow in the order they stand in the window:
// Label1_2, Label1_4, Label1_1, Label1_3.
// Only the connecting words of a reference are translated; Gause and Yodzis have none.
const std::array<const char*, 5> kTexts{
    QT_TRANSLATE_NOOP("frmReference", "References"),
    QT_TRANSLATE_NOOP(
        "frmReference",
        "Volterra, V. 1926. Variazioni e fluttuazioni del numero d'individui in specie animali "
        "conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. "
        "1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448."),
    "Gause, G. F. 1932. Experimental studies on the struggle for existence. I. Mixed "
    "population of two species of yeast. Journal of Experimental Biology 9: 389–402.",
    "Yodzis, P. 1989. Introduction to Theoretical Ecology. Harper & Row, New York.",
    QT_TRANSLATE_NOOP(
        "frmReference",
        "May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), "
        "Theoretical Ecology: Principles and Applications. Blackwell, Oxford."),
};
} // namespace

frmReference::frmReference(Session& session, QWidget* parent)
    : CompanionWindow(session, WindowId::References, parent)
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
}

void frmReference::createControls()
{
    setObjectName(QStringLiteral("frmReference"));
    const QFont labelFont = look::font(QStringLiteral("Times New Roman"), 12, true);
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        const QByteArray name = "Label1_" + QByteArray::number(static_cast<int>(i));
        Label1[i] = parts::label(this, name.constData(), tr(kTexts[i]), labelFont);
        parts::colour(Label1[i], look::vb(0x000000), look::vb(0xFFFFFF));
    }
    const QFont buttonFont = look::font(QStringLiteral("MS Sans Serif"), 7.8, true);
    Command1 = parts::button(this, "Command1", tr("Back to main form"), buttonFont);
    Command2 = parts::button(this, "Command2", tr("Quit"), buttonFont);
}

void frmReference::placeControls()
{
    setUpWindow(tr("References"), look::vb(0xFFFFFF), 8690, 5731);
    parts::place(this, {
                           {"Label1_0", 240, 240, 6735, 255},
                           {"Label1_2", 240, 720, 8295, 615},
                           {"Label1_4", 240, 1440, 8415, 615},
                           {"Label1_1", 240, 2160, 8415, 975},
                           {"Label1_3", 240, 3240, 8415, 375},
                           {"Command1", 2520, 5160, 2295, 495},
                           {"Command2", 5160, 5160, 975, 495},
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
