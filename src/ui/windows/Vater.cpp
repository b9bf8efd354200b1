#include "Vater.h"

#include "Session.h"

Vater::Vater(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Dedication"));
    static_cast<void>(m_session);
}
