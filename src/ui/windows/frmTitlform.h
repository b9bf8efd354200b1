#pragma once

#include "ProgramWindow.h"

#include <array>

class QCloseEvent;
class QEvent;
class QHideEvent;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QShowEvent;
class QTimer;

namespace vorlenza {

class ClickLabel;

/// The place (0..4) for a uniform draw u in [0, 1): 4·u rounded to the nearest integer, a value
/// exactly halfway going to the even neighbour (so 0 and 4 are half as likely as 1, 2 and 3).
int titlePlaceFor(double u);

/// The place of the next tick: the generator is reseeded with `second` (0..59) and drawn until the
/// place differs from `previous`.
int nextTitlePlace(int second, int previous);

/// The title window: the product word jumps between five places every half second until any key
/// that produces a character or any click on the window hides it and brings up the main window.
class frmTitlform : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmTitlform(Session& session, QWidget* parent = nullptr);

    static constexpr int Places = 5;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// The window has no close box; a close request from the window system dismisses it like a
    /// key would, so that the main window always comes up.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void Form_Load() override;
    void tmrTimer1_Timer();
    void Form_KeyPress(int keyAscii);
    void Form_Click();
    void Form_DblClick();
    void Label1_Click(int index);
    void Label1_DblClick(int index);
    void Label2_Click();
    void Label2_DblClick();

private:
    void createControls() override;
    void placeControls() override;
    void connectHandlers() override;
    /// Hide the title window, then make the main window visible.
    void dismiss();

    QTimer* tmrTimer1 = nullptr;
    ClickLabel* Label2 = nullptr;
    std::array<QLabel*, Places> Label1{};
};

} // namespace vorlenza
