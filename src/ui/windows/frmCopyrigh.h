#pragma once

#include "CompanionWindow.h"

class QLabel;
class QPushButton;

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
    void Form_Load();
    void cmdCommand1_Click();

private:
    void createControls();
    void placeControls();
    void connectHandlers();

    QLabel* lblLabel1 = nullptr;
    QLabel* lblLabel2 = nullptr;
    QLabel* lblLabel3 = nullptr;
    QLabel* lblLabel4 = nullptr;
    QLabel* lblLabel5 = nullptr;
    QLabel* lblLabel7 = nullptr;
    QLabel* lblLabel6 = nullptr;
    QLabel* picPicture1 = nullptr;
    QPushButton* cmdCommand1 = nullptr;
};
