#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace vorlenza {

/// The program's windows. A new one goes last, before WindowCount is raised.
enum class WindowId {
    Main,         ///< frmForm1
    Large,        ///< frmLarggraf
    Background,   ///< frmBackForm
    Title,        ///< frmTitlform
    Introduction, ///< frmIntrofrm
    References,   ///< frmReference
    HowTo,        ///< frmHowto
    About,        ///< frmCopyrigh
    Dedication,   ///< Vater
    Quiz,         ///< frmQuiz
    Lab,          ///< frmLab, the phase-plane lab
    Lesson,       ///< frmLesson, shown beside the working window
};
constexpr int WindowCount = 12;
static_assert(WindowCount == static_cast<int>(WindowId::Lesson) + 1,
              "WindowCount must count every WindowId: raise it, and name the last id here");

/// The window model in one place: a window is created when it is first needed (its constructor
/// runs its load routine), hiding keeps it with all its state, closing it through its frame runs
/// its unload handler and destroys it, so that the next show creates it anew. All shows are
/// non-modal. Windows refer to each other only through their ids; each window's factory brings
/// along whatever the window is made with.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    /// Makes the window (its load routine runs); nullptr when it cannot be made.
    using Factory = std::function<QWidget*()>;

    WindowRegistry();
    ~WindowRegistry() override;

    void setFactory(WindowId id, Factory factory);
    /// What show does after showing a window, e.g. raise and activate it where the platform stacks
    /// windows. Unset: a shown window is only shown.
    void setBringToFront(std::function<void(QWidget&)> bringToFront);

    /// The window if it exists now, else nullptr.
    QWidget* window(WindowId id) const;
    template <class T> T* window(WindowId id) const { return qobject_cast<T*>(window(id)); }

    /// Creates the window (its load routine runs) unless it exists; does not show it.
    QWidget* load(WindowId id);
    /// Creates the window if needed, then shows it non-modal and raises it.
    QWidget* show(WindowId id);
    /// The same, and `id` remembers that `from` opened it, to go back there when it is left.
    QWidget* show(WindowId id, WindowId from);
    /// The window that last opened `id` through show(id, from); the main window when none did.
    WindowId openedFrom(WindowId id) const { return m_openedFrom[static_cast<std::size_t>(id)]; }
    /// Which window `w` is, if it is one of them.
    std::optional<WindowId> idOf(const QWidget* w) const;
    /// Hides the window if it exists; it keeps all its state.
    void hide(WindowId id);
    bool isVisible(WindowId id) const;

    /// Ends the program at once: every window goes away and no other window's handler runs.
    void endProgram();
    /// True once endProgram has been called; close handlers then do nothing.
    bool ending() const { return m_ending; }
    /// What endProgram finally calls (QCoreApplication::exit by default; tests count instead).
    void setExitFunction(std::function<void()> exitFunction);

    /// Destroys every window (at the end of the program, before the session goes).
    void destroyAll();

signals:
    void windowCreated(WindowId id);

private:
    std::array<WindowId, WindowCount> m_openedFrom{};
    std::array<Factory, WindowCount> m_factories;
    std::array<QPointer<QWidget>, WindowCount> m_windows;
    std::function<void()> m_exit;
    std::function<void(QWidget&)> m_bringToFront;
    bool m_ending = false;
};

} // namespace vorlenza
