#pragma once

// What the window tests share: the windows by name, a record of windows shown, hidden and asked
// to close, and a control's place against its place in twips.

#include "Session.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QStringList>
#include <QWidget>

using namespace vorlenza;

inline const char* idName(WindowId id)
{
    static const char* names[] = {"Main",  "Large", "Background", "Title", "Introduction", "References",
                                  "HowTo", "About", "Dedication", "Quiz",  "Lab",          "Lesson"};
    return names[static_cast<int>(id)];
}

/// Shows, hides and close requests of top-level windows while it lives, in the order they happen:
/// "show Main", "hide Title", "close About"; windows the session does not know are named "?".
class WindowTrail : public QObject {
public:
    explicit WindowTrail(Session& session) : m_session(session) { qApp->installEventFilter(this); }
    ~WindowTrail() override { qApp->removeEventFilter(this); }
    QStringList steps;

    /// The steps about the session's own windows.
    QStringList known() const
    {
        QStringList out;
        for (const QString& s : steps)
            if (!s.endsWith(QLatin1Char('?')))
                out << s;
        return out;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow() || (t != QEvent::Show && t != QEvent::Hide && t != QEvent::Close))
            return false;
        QString name = QStringLiteral("?");
        for (int i = 0; i < WindowCount; ++i)
            if (m_session.windows().window(static_cast<WindowId>(i)) == w)
                name = QLatin1String(idName(static_cast<WindowId>(i)));
        steps << QLatin1String(t == QEvent::Show ? "show " : t == QEvent::Hide ? "hide " : "close ") + name;
        return false;
    }

private:
    Session& m_session;
};

/// Where a control is, when it is not within a pixel of its place in twips; empty when it is.
inline QString misplaced(const QWidget* w, const QRect& twipsRect)
{
    const QRect g = w->geometry();
    const auto near = [](int pixels, int tw) { return qAbs(pixels - tw / 15.0) <= 1.0; };
    if (near(g.x(), twipsRect.x()) && near(g.y(), twipsRect.y()) && near(g.width(), twipsRect.width()) &&
        near(g.height(), twipsRect.height()))
        return {};
    QString where;
    QDebug(&where) << w->objectName() << "at" << g;
    return where;
}
