#include "frmLarggraf.h"

#include "Session.h"

frmLarggraf::frmLarggraf(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Form2"));
    static_cast<void>(m_session);
}
