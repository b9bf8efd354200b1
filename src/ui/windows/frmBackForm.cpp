#include "frmBackForm.h"

#include "Session.h"

frmBackForm::frmBackForm(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral(""));
    static_cast<void>(m_session);
}
