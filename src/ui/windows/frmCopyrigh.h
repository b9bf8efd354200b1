#pragma once

#include "CompanionWindow.h"
class QLabel;
class QPushButton;

namespace vorlenza {

class ClickLabel;

/// The about window: usage and licence notices, how to cite the program, where new versions come
/// from, and the copyright line with the current year. Its "OK" leads on to the dedication.
class frmCopyrigh : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmCopyrigh(Session& session, QWidget* parent = nullptr);

    /// The texts built at load; `year` is the current calendar year.
    static QString citationText(int year);
    static QString newVersionText();
    static QString copyrightText(int year);

private slots:
    void Form_Load() override;
    void cmdCommand1_Click();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;

    ClickLabel* lblLabel1 = nullptr;
    ClickLabel* lblLabel2 = nullptr;
    ClickLabel* lblLabel3 = nullptr;
    ClickLabel* lblLabel4 = nullptr;
    ClickLabel* lblLabel5 = nullptr;
    ClickLabel* lblLabel7 = nullptr;
    ClickLabel* lblLabel6 = nullptr;
    QLabel* picPicture1 = nullptr;
    QPushButton* cmdCommand1 = nullptr;
};

} // namespace vorlenza
