#pragma once

// A session with every window registered, the clock answered by the test and the end of the
// program only counted. Helpers find the windows and their controls by name.

#include "../UiSupport.h"
#include "AppWindows.h"
#include "Look.h"
#include "Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QtTest>

#include <initializer_list>

using namespace vorlenza;

struct WindowsHarness {
    mutable Session session;
    int exits = 0;
    QDateTime now = QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9));

    WindowsHarness()
    {
        registerWindows(session);
        session.windows().setExitFunction([this] { ++exits; });
        session.platform().now = [this] { return now; };
        session.platform().reportProblem = [](QWidget*, const QString&, const QString&) {};
    }

    WindowRegistry& windows() { return session.windows(); }

    /// The program's start: the main window is loaded, and its load puts up the background and
    /// the title window while it stays hidden itself.
    void startUp() { windows().load(WindowId::Main); }

    /// Started and past the title window: the main window is up.
    void reachMain()
    {
        startUp();
        windows().hide(WindowId::Title);
        windows().show(WindowId::Main);
    }

    QWidget* window(WindowId id) const { return session.windows().window(id); }
    bool visible(WindowId id) const { return session.windows().isVisible(id); }

    template <class T = QWidget> T* child(WindowId id, const char* name) const
    {
        QWidget* w = window(id);
        return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    /// The working windows that are up (everything but the background).
    QList<WindowId> upNow() const
    {
        QList<WindowId> up;
        for (int i = 0; i < WindowCount; ++i) {
            const auto id = static_cast<WindowId>(i);
            if (id != WindowId::Background && visible(id))
                up << id;
        }
        return up;
    }

    /// Clicks a control of a window with the mouse.
    void click(WindowId id, const char* name) const
    {
        QWidget* w = child(id, name);
        QVERIFY2(w, name);
        QVERIFY2(w->isVisible(), name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }

    /// Closes a window as its frame's close box does and lets a closed window go.
    static void closeByFrame(QWidget* w)
    {
        QVERIFY(w);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

Q_DECLARE_METATYPE(WindowId)
