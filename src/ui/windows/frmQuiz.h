#pragma once

#include "CompanionWindow.h"

class QLabel;
class QPushButton;

namespace vorlenza {

/// The quiz: one picture of four isocline sketches with its questions, and the way back.
class frmQuiz : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmQuiz(Session& session, QWidget* parent = nullptr);

    /// Where the load puts the picture, in twips, for a window of the given outer size (twips)
    /// and a picture of the given size (twips): centred across, raised 400 twips above the middle.
    static QPoint imagePlace(QSize outerTwips, QSize imageTwips);
    /// The resource of the quiz picture in the program's language: each translation names the
    /// picture with its own words; English, and a language without one, show the English picture.
    static QString quizPicture();

protected:
    bool event(QEvent* event) override;

private slots:
    void Form_Load() override;
    void Command1_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;
    void placeImage();

    bool m_placedWithFrame = false; ///< placed with the frame the window manager reported
    QLabel* imgImage1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace vorlenza
