#include "frmQuiz.h"

#include "Session.h"

frmQuiz::frmQuiz(Session& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Quiz"));
    static_cast<void>(m_session);
}
