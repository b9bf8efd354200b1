#pragma once

#include "CompanionWindow.h"

class QPlainTextEdit;
class QPushButton;

namespace vorlenza {

/// The introduction: what the model is and what it teaches, with a way on to the references.
class frmIntrofrm : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmIntrofrm(Session& session, QWidget* parent = nullptr);

    /// The introduction text, put together from its pieces.
    static QString introductionText();

private slots:
    void Form_Load() override;
    void cmdCommand1_Click();
    void cmdCommand2_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    QPlainTextEdit* txtText1 = nullptr;
    QPushButton* cmdCommand2 = nullptr;
    QPushButton* cmdCommand1 = nullptr;
};

} // namespace vorlenza
