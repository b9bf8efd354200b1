#include "frmIntrofrm.h"

#include "Session.h"

frmIntrofrm::frmIntrofrm(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Introduction"));
    static_cast<void>(m_session);
}
