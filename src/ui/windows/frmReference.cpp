#include "frmReference.h"

#include "Session.h"

frmReference::frmReference(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("References"));
    static_cast<void>(m_session);
}
