#include "frmCopyrigh.h"

#include "Session.h"

frmCopyrigh::frmCopyrigh(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Copyright"));
    static_cast<void>(m_session);
}
