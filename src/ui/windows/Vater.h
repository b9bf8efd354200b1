#pragma once

#include "CompanionWindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vorlenza {

/// The dedication: a quiet picture and one button, the way out of the program.
class Vater : public CompanionWindow {
    Q_OBJECT
public:
    explicit Vater(Session& session, QWidget* parent = nullptr);

private slots:
    void Form_Load() override;
    void Command1_Click();
    /// Closing the window through its frame ends the program like its button: this window is
    /// the way out, and nothing else would be left on the screen.
    void Form_Unload() override;

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    QFrame* Frame1 = nullptr;
    QLabel* Picture2 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace vorlenza
