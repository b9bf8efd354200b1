#include "frmTitlform.h"

#include "Session.h"

frmTitlform::frmTitlform(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral(""));
    static_cast<void>(m_session);
}
