#include "frmHowto.h"

#include "Session.h"

frmHowto::frmHowto(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("How to"));
    static_cast<void>(m_session);
}
