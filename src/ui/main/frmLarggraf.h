#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmLarggraf : public QWidget {
    Q_OBJECT
public:
    explicit frmLarggraf(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
