#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class frmQuiz : public QWidget {
    Q_OBJECT
public:
    explicit frmQuiz(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
