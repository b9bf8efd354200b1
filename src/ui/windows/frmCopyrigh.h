#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmCopyrigh : public QWidget {
    Q_OBJECT
public:
    explicit frmCopyrigh(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
