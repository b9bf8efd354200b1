#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmIntrofrm : public QWidget {
    Q_OBJECT
public:
    explicit frmIntrofrm(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
