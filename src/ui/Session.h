#pragma once

#include "ModelState.h"
#include "WindowRegistry.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

/// What the program asks of the desktop, gathered so that tests can answer in its place.
struct Platform {
    /// The plain save dialog: the chosen full file name, or empty when cancelled.
    std::function<QString(QWidget* parent)> chooseSaveFile;
    /// The system's default printer, or nullptr when there is none.
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter;
    /// Why the print system will not take a job for the printer now, in plain words; empty when
    /// it will. Asked before the page is drawn.
    std::function<QString(const QPrinter&)> printerRefusal;
    /// Why the print system did not take the job just sent to the printer; empty when it did.
    std::function<QString(const QPrinter&)> jobRefusal;
    /// Tells the user something went wrong (a message box by default).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> reportProblem;
    /// The system clock.
    std::function<QDateTime()> now;
};

/// Where the save dialog opens: the user's documents folder, or the home folder when there is none.
QString SaveDialogFolder();

/// Everything that lives for the whole program: the one ModelState, the windows, the chart-click
/// counters and title-window places that outlive any window, and the desktop services.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ModelState& model() { return *m_model; }
    const ModelState& model() const { return *m_model; }
    WindowRegistry& windows() { return m_windows; }
    Platform& platform() { return m_platform; }

    /// Main window chart-click cycle, 0..7; changed only by a click on the main window's chart.
    std::int16_t graphCycle = 0;
    /// Large window chart-click cycle, 0..7; survives closing and reopening that window.
    std::int16_t largeGraphCycle = 0;
    /// Title window: the place chosen at the latest tick and the place shown before it.
    std::int16_t titleCurrentIndex = 0;
    std::int16_t titlePreviousIndex = 0;

private:
    std::unique_ptr<ModelState> m_model;
    Platform m_platform;
    WindowRegistry m_windows; // last: its windows may use the rest while they are destroyed
};
