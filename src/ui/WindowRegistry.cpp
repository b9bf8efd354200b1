#include "WindowRegistry.h"

#include <QCoreApplication>

namespace vorlenza {

namespace {
std::size_t slot(WindowId id) { return static_cast<std::size_t>(id); }
} // namespace

WindowRegistry::WindowRegistry() : m_exit([] { QCoreApplication::exit(0); }) {}

WindowRegistry::~WindowRegistry() { destroyAll(); }

void WindowRegistry::setFactory(WindowId id, Factory factory) { m_factories[slot(id)] = std::move(factory); }

void WindowRegistry::setBringToFront(std::function<void(QWidget&)> bringToFront)
{
    m_bringToFront = std::move(bringToFront);
}

QWidget* WindowRegistry::window(WindowId id) const { return m_windows[slot(id)].data(); }

QWidget* WindowRegistry::load(WindowId id)
{
    QPointer<QWidget>& w = m_windows[slot(id)];
    if (w)
        return w;
    const Factory& make = m_factories[slot(id)];
    if (!make)
        return nullptr;
    QWidget* created = make();
    if (!created)
        return nullptr;
    // Closing through the frame destroys the window; the next show makes a new one.
    created->setAttribute(Qt::WA_DeleteOnClose, true);
    w = created;
    emit windowCreated(id);
    return created;
}

QWidget* WindowRegistry::show(WindowId id)
{
    QWidget* w = load(id);
    if (!w || m_ending)
        return w;
    w->show();
    if (m_bringToFront)
        m_bringToFront(*w);
    return w;
}

QWidget* WindowRegistry::show(WindowId id, WindowId from)
{
    m_openedFrom[slot(id)] = from;
    return show(id);
}

std::optional<WindowId> WindowRegistry::idOf(const QWidget* w) const
{
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        if (w != nullptr && m_windows[i].data() == w)
            return static_cast<WindowId>(i);
    return std::nullopt;
}

void WindowRegistry::hide(WindowId id)
{
    if (QWidget* w = window(id))
        w->hide();
}

bool WindowRegistry::isVisible(WindowId id) const
{
    const QWidget* w = window(id);
    return w && w->isVisible();
}

void WindowRegistry::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    for (auto& w : m_windows)
        if (w)
            w->hide();
    if (m_exit)
        m_exit();
}

void WindowRegistry::setExitFunction(std::function<void()> exitFunction) { m_exit = std::move(exitFunction); }

void WindowRegistry::destroyAll()
{
    m_ending = true;
    for (auto& w : m_windows) {
        delete w.data();
        w = nullptr;
    }
}

} // namespace vorlenza
