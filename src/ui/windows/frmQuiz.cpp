#include "frmQuiz.h"

#include "Look.h"
#include "WindowParts.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString kQuizPicture = QStringLiteral(":/vorlenza/quiz.jpg");
constexpr int kClientWidth = 9856;
constexpr int kClientHeight = 7546;
constexpr parts::Place kImage{"imgImage1", 480, 240, 7200, 5064};
} // namespace

frmQuiz::frmQuiz(Session& session, QWidget* parent) : CompanionWindow(session, WindowId::Quiz, parent)
{
    createControls();
    placeControls();
    connectHandlers();
    Form_Load();
}

QPoint frmQuiz::imagePlace(QSize outerTwips, QSize imageTwips)
{
    return QPoint((outerTwips.width() - imageTwips.width()) / 2,
                  (outerTwips.height() - imageTwips.height()) / 2 - 400);
}

void frmQuiz::createControls()
{
    setObjectName(QStringLiteral("frmQuiz"));
    // The image has no frame or background of its own and takes the size of its picture.
    imgImage1 = new QLabel(this);
    imgImage1->setObjectName(QStringLiteral("imgImage1"));
    imgImage1->setAccessibleName(tr("Quiz: four phase planes with their isoclines"));
    imgImage1->setAccessibleDescription(
        tr("Which sketch shows coexistence, which a win of species A, which a win of species B, "
           "and which an outcome that depends on the start?"));
    imgImage1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgImage1->setPixmap(parts::designPicture(kQuizPicture, this));

    Command1 = parts::button(this, "Command1", QStringLiteral("Back to the mainform"),
                             look::font(QStringLiteral("Times New Roman"), 12, true));
}

void frmQuiz::placeControls()
{
    setUpWindow(QStringLiteral("Quiz"), look::vb(0x80FF80), kClientWidth, kClientHeight);
    parts::place(this, {
                           kImage,
                           {"Command1", 3600, 6840, 3015, 495},
                       });
}

void frmQuiz::connectHandlers() { connect(Command1, &QPushButton::clicked, this, &frmQuiz::Command1_Click); }

void frmQuiz::Form_Load()
{
    // The image keeps the size of its picture; the window's outer size (frame included) decides
    // where it goes.
    QSize image(kImage.width, kImage.height);
    if (const QSize picture = parts::designPictureTwips(kQuizPicture); picture.isValid())
        image = picture;
    imgImage1->resize(twips::size(image.width(), image.height()));
    const QSize frame = OuterSize(this) - size();
    const QSize outer(kClientWidth + twips::fromPx(frame.width()), kClientHeight + twips::fromPx(frame.height()));
    const QPoint at = imagePlace(outer, image);
    imgImage1->move(twips::point(at.x(), at.y()));
    Command1->setFocus();
}

void frmQuiz::Command1_Click() { leaveTo(WindowId::Main); }
