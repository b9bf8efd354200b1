#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmHowto : public QWidget {
    Q_OBJECT
public:
    explicit frmHowto(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
