#pragma once

#include "CompanionWindow.h"

class QLabel;
class QPushButton;

namespace vorlenza {

/// How to work the program, in four lines.
class frmHowto : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmHowto(Session& session, QWidget* parent = nullptr);

    /// The instructions, put together from their pieces (line feeds between the lines).
    static QString howToText();

private slots:
    void Form_Load() override;
    void cmdCommand1_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    QLabel* lblLabel1 = nullptr;
    QPushButton* cmdCommand1 = nullptr;
};

} // namespace vorlenza
