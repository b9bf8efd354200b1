#pragma once

#include <QWidget>

class Session;

/// Placeholder until the window is built.
class Vater : public QWidget {
    Q_OBJECT
public:
    explicit Vater(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
};
