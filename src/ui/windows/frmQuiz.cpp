#include "frmQuiz.h"

#include "Look.h"
#include "ScreenPlacement.h"
#include "Session.h"
#include "WindowKit.h"
#include "twips.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace vorlenza {

namespace {
const QString kEnglishQuizPicture = QStringLiteral(":/vorlenza/quiz.jpg");
constexpr int kClientWidth = 9856;
constexpr int kClientHeight = 7546;
constexpr kit::Twips kImage{480, 240, 7200, 5064};
} // namespace

frmQuiz::frmQuiz(Session& session, QWidget* parent) : CompanionWindow(session, "frmQuiz", parent) { build(); }

QString frmQuiz::quizPicture()
{
    //: the file of the quiz picture painted with this language's words by tools/paint_pictures.cpp
    const QString path = QStringLiteral(":/vorlenza/") + tr("quiz.jpg");
    return QFileInfo::exists(path) ? path : kEnglishQuizPicture;
}

QPoint frmQuiz::imagePlace(QSize outerTwips, QSize imageTwips)
{
    return QPoint((outerTwips.width() - imageTwips.width()) / 2, (outerTwips.height() - imageTwips.height()) / 2 - 400);
}

void frmQuiz::createControls()
{
    // The image has no frame or background of its own and takes the size of its picture.
    imgImage1 = kit::picture(this, "imgImage1", quizPicture(), tr("Quiz: four phase planes with their isoclines"));
    imgImage1->setAccessibleDescription(
        tr("Which sketch shows coexistence, which a win of species A, which a win of species B, "
           "and which an outcome that depends on the start?"));

    Command1 = kit::button(this, "Command1", tr("Back to the mainform"),
                           look::font(QStringLiteral("Times New Roman"), 12, true));
}

void frmQuiz::placeControls()
{
    setUpWindow(tr("Quiz"), look::vb(0x80FF80), kClientWidth, kClientHeight);
    kit::place({{imgImage1, kImage}, {Command1, {3600, 6840, 3015, 495}}});
}

void frmQuiz::connectHandlers() { connect(Command1, &QPushButton::clicked, this, &frmQuiz::Command1_Click); }

void frmQuiz::Form_Load()
{
    placeImage();
    Command1->setFocus();
}

void frmQuiz::placeImage()
{
    // The image keeps the size of its picture; the window's outer size (frame included) decides
    // where it goes.
    QSize image(kImage.width, kImage.height);
    if (const QSize picture = kit::designPictureTwips(quizPicture()); picture.isValid())
        image = picture;
    imgImage1->resize(twips::size(image.width(), image.height()));
    const QSize frame = outerSize(this) - size();
    const QSize outer(kClientWidth + twips::fromPx(frame.width()), kClientHeight + twips::fromPx(frame.height()));
    const QPoint at = imagePlace(outer, image);
    imgImage1->move(twips::point(at.x(), at.y()));
}

bool frmQuiz::event(QEvent* event)
{
    // A deferred delete destroys the window inside the base handler: touch nothing after it.
    if (event->type() == QEvent::DeferredDelete)
        return CompanionWindow::event(event);
    const bool handled = CompanionWindow::event(event);
    // The load runs before the window system has framed the window, so it can only guess the
    // frame. The window manager tells the frame after the first show (with the moves, paints
    // and activation that follow it): place the image once more then, with the real frame.
    // Where no frame ever comes (no window manager), the guessed frame stays.
    if (!m_placedWithFrame && isVisible()) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::WindowActivate:
        case QEvent::ActivationChange:
            if (frameGeometry().size() != size()) {
                m_placedWithFrame = true;
                placeImage();
            }
            break;
        default: break;
        }
    }
    return handled;
}

void frmQuiz::Command1_Click() { leaveTo(WindowId::Main); }

} // namespace vorlenza
