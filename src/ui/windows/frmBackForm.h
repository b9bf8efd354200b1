#pragma once

#include "ProgramWindow.h"

class QCloseEvent;
class QMouseEvent;

namespace vorlenza {

/// The dark-blue, borderless, maximised background that stays behind the working windows for
/// the whole run. It has no controls. It asks the window system to keep it at the bottom, and a
/// click on it brings the working window that is up back to the front.
class frmBackForm : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmBackForm(Session& session, QWidget* parent = nullptr);

protected:
    /// It stays up until the program ends: a close request from the window system is refused.
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createControls() override;
    void placeControls() override;
};

} // namespace vorlenza
