#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmBackForm : public QWidget {
    Q_OBJECT
public:
    explicit frmBackForm(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
