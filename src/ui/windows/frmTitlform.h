#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmTitlform : public QWidget {
    Q_OBJECT
public:
    explicit frmTitlform(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
