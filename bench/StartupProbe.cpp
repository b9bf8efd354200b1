// Ends the process it is linked into once the window named VORLENZA_PROBE_WINDOW has painted
// itself for the first time. Linked beside the program's own main.cpp it makes
// vorlenza-startup-probe, which starts exactly as vorlenza does; beside EmptyQt.cpp it makes the
// empty Qt program the bench compares the start with. Nothing is torn down: the time a start takes
// is the time until the window is on the screen.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <cstdlib>

#ifndef VORLENZA_PROBE_WINDOW
#error "VORLENZA_PROBE_WINDOW names the window whose first paint ends the probe"
#endif

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint &&
            watched->objectName() == QLatin1String(VORLENZA_PROBE_WINDOW)) {
            m_seen = true;
            // Its children paint in the same pass and the pass ends with the picture on the
            // screen: end after that, from the event loop.
            QMetaObject::invokeMethod(
                this, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

void watchForFirstPaint()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
