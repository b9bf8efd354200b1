#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmReference : public QWidget {
    Q_OBJECT
public:
    explicit frmReference(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
