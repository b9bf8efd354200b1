#pragma once

#include "CompanionWindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace vorlenza {

/// The references: the classic papers and books of the competition model.
class frmReference : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmReference(Session& session, QWidget* parent = nullptr);

private slots:
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    std::array<QLabel*, 5> Label1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace vorlenza
