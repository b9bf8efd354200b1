#include "frmForm1.h"

#include "Session.h"

frmForm1::frmForm1(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Vorlenza"));
    static_cast<void>(m_session);
}
