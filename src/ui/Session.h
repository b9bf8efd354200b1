#pragma once

#include "ModelState.h"
#include "Scenario.h"
#include "Simulation.h"
#include "StepCheck.h"
#include "WindowRegistry.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace vorlenza {

/// What the program asks of the desktop, gathered so that tests can answer in its place.
struct Platform {
    /// The results' save dialog, with no title and the file types `filters` (";;"-separated, the
    /// first chosen at the start): the chosen full file name, or empty when cancelled, and in
    /// `chosenFilter` the file type that was chosen.
    std::function<QString(QWidget* parent, const QString& filters, QString* chosenFilter)> chooseSaveFile;
    /// The system's default printer, or nullptr when there is none.
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter;
    /// Why the print system will not take a job for the printer now, in plain words; empty when
    /// it will. Asked before the page is drawn.
    std::function<QString(const QPrinter&)> printerRefusal;
    /// Whether the printer's queue holds jobs without printing them (the printer is paused);
    /// asked before the page is drawn.
    std::function<bool(const QPrinter&)> printerPaused;
    /// Why the print system did not take the job just sent to the printer; empty when it did.
    std::function<QString(const QPrinter&)> jobRefusal;
    /// How long a window waits for the print service's answer about the default printer
    /// (defaultPrinter, printerRefusal and printerPaused, asked off the window's thread) before it
    /// says that the service does not answer.
    int printServiceWaitMs = 4000;
    /// Tells the user something went wrong (a message box by default).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> reportProblem;
    /// Tells the user that printing failed and offers "Save as PDF…" beside "OK"; true when the
    /// user chose to save. Unset: told through reportProblem, with nothing offered.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> offerSaveAsPdf;
    /// The save dialog of charts and window pages: starts with the file name `suggested` and the
    /// filters (";;"-separated); the chosen full file name, or empty when cancelled, and in
    /// `chosenFilter` the filter that was chosen.
    std::function<QString(QWidget* parent, const QString& suggested, const QString& filters, QString* chosenFilter)>
        chooseExportFile;
    /// Shows a context menu at a global position and returns the action chosen, or nullptr.
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> runMenu;
    /// The system clock.
    std::function<QDateTime()> now;
    /// The open dialog of scenario files, starting in `folder` with the file types `filters`: the
    /// chosen full file name, or empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& filters)> chooseOpenFile;
    /// Asks for the title and the note a scenario is saved with, starting from `title` and `note`, and
    /// leaves there what the user wrote; false when cancelled.
    std::function<bool(QWidget* parent, QString& title, QString& note)> askScenarioTexts;
    /// Asks a student for the name their answers are handed in under, starting from `name`; false
    /// when cancelled.
    std::function<bool(QWidget* parent, QString& name)> askStudentName;
    /// The folder of the example scenarios; empty when none was found.
    QString examplesFolder;
};

/// The equations solved continuously from the start of a run, and what that says of its one-day
/// steps.
struct ContinuousRun {
    ContinuousSolution solution; ///< days 0..T+1
    StepCheck check;
};

/// Where the save dialog opens: the user's documents folder, or the home folder when there is none.
QString saveDialogFolder();

/// The example scenarios installed with the program: beside it as an installation lays them out
/// (bin/../share/vorlenza/examples, which the build folder copies), else in the system's data
/// folders; empty when there are none.
QString installedExamplesFolder();

/// Everything that lives for the whole program: the one ModelState, the windows, the chart-click
/// counters and title-window places that outlive any window, and the desktop services.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// The one ModelState, all zeros before the first run. It is made at the first call: at
    /// start-up nobody reads it, and zeroing its 640 KB then costs the title window time.
    ModelState& model() { return made(); }
    const ModelState& model() const { return made(); }
    /// Runs the model from `fields` (RunSimulation); a completed run is a new run for everybody
    /// who asks runSerial().
    RunResult runSimulation(const FieldTexts& fields);
    /// Which run the model holds: 0 before the first, one more for each completed run. Whoever
    /// keeps something made from a run keeps this number with it to tell when it is stale.
    std::uint64_t runSerial() const { return m_runSerial; }
    WindowRegistry& windows() { return m_windows; }
    /// The continuous solution of the run the model holds, solved once per run (at the first
    /// call after it) and kept until the model holds another run.
    const ContinuousRun& continuousRun();
    Platform& platform() { return m_platform; }

    /// Main window chart-click cycle, 0..7; changed only by a click on the main window's chart.
    std::int16_t graphCycle = 0;
    /// Large window chart-click cycle, 0..7; survives closing and reopening that window.
    std::int16_t largeGraphCycle = 0;
    /// Whether the direction arrows are on in the main and in the large window's chart; off at
    /// start, kept while the program runs (also when the large window is closed and made anew).
    bool mainArrows = false;
    bool largeArrows = false;
    /// Whether the continuous solution is drawn in the main and in the large window's chart; off at
    /// start, kept while the program runs.
    bool mainContinuous = false;
    bool largeContinuous = false;
    /// Opens a lesson file (a scenario with a lesson) with the lesson window beside the main
    /// window, or tells over `parent` why not; true when opened. Unset: a lesson opens as the
    /// scenario it also is.
    std::function<bool(const QString& path, QWidget* parent)> openLesson;
    /// While a lesson's prediction is open and not yet answered, the main window's Run stays off
    /// (outside a lesson it is never held).
    bool runHeld = false;
    /// Called after each run the student starts with Run (a lesson marks its open task); unset
    /// outside a lesson.
    std::function<void()> runMade;
    /// The scenario opened or saved last: its title and note in every language the file gives them,
    /// and the run its opening made (0: none), which they describe.
    ScenarioText scenarioTitle;
    ScenarioText scenarioNote;
    std::uint64_t scenarioRun = 0;
    /// Title window: the place chosen at the latest tick and the place shown before it.
    std::int16_t titleCurrentIndex = 0;
    std::int16_t titlePreviousIndex = 0;

private:
    ModelState& made() const;

    mutable std::unique_ptr<ModelState> m_model;
    std::uint64_t m_runSerial = 0;
    ContinuousRun m_continuous;
    /// The run m_continuous was solved for (0: none).
    std::uint64_t m_continuousOf = 0;
    Platform m_platform;
    WindowRegistry m_windows; // last: its windows may use the rest while they are destroyed
};

} // namespace vorlenza
