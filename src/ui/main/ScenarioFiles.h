#pragma once

#include "ChartProcedures.h"
#include "PlotMenu.h"
#include "Scenario.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace vorlenza {

class Session;

/// The language a scenario's title and note are shown in: the code of the program's translation
/// ("de", "pt_BR", "zh_CN"), "en" while it speaks English.
QString scenarioLanguage();

/// The main window's chart procedure a scenario names ("ShowN1vsN2", …); nothing for a name that
/// is none of the main window's charts.
std::optional<ChartProcedure> mainChartNamed(const QString& name);

/// Why the file at `path` cannot be opened, in a sentence in the user's language; a value is
/// named by its field's label as the main window shows it.
QString scenarioProblemText(const ScenarioProblem& problem, const QString& path);

/// The same reason alone, as in "… could not be opened: <reason>."; and a field so named.
QString scenarioProblemReason(const ScenarioProblem& problem);
QString scenarioFieldName(ParameterField field);

/// Opens the scenario at `path`: the main window takes its values and runs them, then shows its
/// chart; the lab takes its trajectories; the window it was saved from (the main window or the lab)
/// takes the place of every working window shown. A file the program cannot use, or whose run
/// fails, is told over `parent` and changes nothing at all. True when it was opened.
bool openScenarioFile(Session& session, const QString& path, QWidget* parent);

/// The open dialog (starting where the save dialogs start: the documents folder), then openScenarioFile.
void openScenarioAsked(Session& session, QWidget& window);

/// Saves what the windows hold now as a scenario: asks for its title and note (starting from those
/// of the scenario opened or saved last) and for a file name (".vorlenza" added when it has
/// another ending), then writes it whole. Values the fields cannot take, and a failed write, are
/// told; nothing is written then.
void saveScenarioAsked(Session& session, QWidget& window);

/// An example scenario the program offers.
struct ExampleScenario {
    QString path;
    QString title; ///< in the user's language
};
/// The examples in `folder` that can be opened, in the order a lesson takes them.
std::vector<ExampleScenario> exampleScenarios(const QString& folder);

/// "Save scenario…", "Open scenario…" and the "Examples" submenu (when there are examples), which
/// every plot's menu offers after its own items.
std::vector<PlotMenuItem> scenarioMenuItems(Session& session, QWidget& window);

/// The title and the note of the scenario the last run comes from (its opening made it), in the
/// user's language; empty when the run comes from elsewhere. The note is broken into lines short
/// enough for a tooltip.
QString scenarioTitleOfRun(Session& session);
QString scenarioNoteOfRun(Session& session);

/// `text` broken at spaces (or within a long word, as Chinese is written) into lines of at most
/// `width` characters; its own line breaks stay.
QString wrappedLines(const QString& text, int width = 64);

} // namespace vorlenza
