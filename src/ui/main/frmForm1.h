#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmForm1 : public QWidget {
    Q_OBJECT
public:
    explicit frmForm1(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
