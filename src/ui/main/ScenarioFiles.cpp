#include "ScenarioFiles.h"

#include "ChartDefinition.h"
#include "MessageTitle.h"
#include "ModelState.h"
#include "ParameterFieldTable.h"
#include "ProgramWindow.h"
#include "Session.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vorlenza {

namespace {

/// The file types of the scenario dialogs.
QString scenarioFilter() { return QCoreApplication::translate("Scenario", "Vorlenza scenarios (*.vorlenza)"); }

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

/// A field as the main window's label shows it, with the value's name in the file beside it:
/// “Carrying capacity for species A (K1)” (K1).
QString fieldNamed(ParameterField field)
{
    const ParameterFieldRow* row = parameterFieldRowOf(field);
    QString label = row ? row->labelText().simplified() : QString();
    while (label.endsWith(QLatin1Char(':')) || label.endsWith(QChar(0xFF1A))) // and the full-width colon
        label = label.chopped(1).trimmed();
    QString key;
    for (const ScenarioValue& v : ScenarioValues)
        if (v.field == field)
            key = QLatin1String(v.key);
    //: a field of the main window by its label, then the value's name in a scenario file
    return QCoreApplication::translate("Scenario", "“%1” (%2)").arg(label, key);
}

QString entryReason(const QString& entry)
{
    if (entry == QLatin1String("chart"))
        return QCoreApplication::translate("Scenario", "the entry “chart” names none of the main window's charts");
    if (entry == QLatin1String("title") || entry == QLatin1String("note"))
        return QCoreApplication::translate(
                   "Scenario", "the entry “%1” must be a text of at most %2 characters, or such texts by language")
            .arg(entry)
            .arg(entry == QLatin1String("title") ? scenario::MaxTitle : scenario::MaxNote);
    if (entry == QLatin1String("lab.starts"))
        return QCoreApplication::translate(
                   "Scenario",
                   "the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more")
            .arg(scenario::MaxStarts);
    if (entry == QLatin1String("values") || entry == QLatin1String("lab"))
        return QCoreApplication::translate("Scenario", "the entry “%1” must be a group of entries in braces { }")
            .arg(entry);
    return QCoreApplication::translate("Scenario", "the entry “%1” must be true or false").arg(entry);
}

QString reasonOf(const ScenarioProblem& p)
{
    switch (p.fault) {
    case ScenarioFault::None: return {};
    case ScenarioFault::Folder: return QCoreApplication::translate("Scenario", "it is a folder, not a file");
    case ScenarioFault::NotThere: return QCoreApplication::translate("Scenario", "the file is not there (any more)");
    case ScenarioFault::NoPermission:
        return QCoreApplication::translate("Scenario", "you may not read it (no permission)");
    case ScenarioFault::Unreadable:
        return QCoreApplication::translate("Scenario", "it could not be read (%1)").arg(p.detail);
    case ScenarioFault::NotAFile: return QCoreApplication::translate("Scenario", "it is not an ordinary file");
    case ScenarioFault::TooLarge:
        return QCoreApplication::translate("Scenario", "it is larger than %1 MB, far more than any scenario holds")
            .arg(scenario::MaxBytes >> 20);
    case ScenarioFault::NotJson:
        return QCoreApplication::translate("Scenario",
                                           "it is not a scenario: at line %1, column %2 its text is not JSON (%3)")
            .arg(p.line)
            .arg(p.column)
            .arg(p.detail);
    case ScenarioFault::NotScenario: return QCoreApplication::translate("Scenario", "it is not a Vorlenza scenario");
    case ScenarioFault::Newer:
        return QCoreApplication::translate(
                   "Scenario",
                   "it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)")
            .arg(p.version)
            .arg(scenario::Version);
    case ScenarioFault::ValueMissing:
        return QCoreApplication::translate("Scenario", "it gives no value for %1").arg(fieldNamed(p.field));
    case ScenarioFault::ValueNotNumber:
        return QCoreApplication::translate("Scenario", "the value for %1 is not a number").arg(fieldNamed(p.field));
    case ScenarioFault::ValueOutOfRange:
        if (p.field == ParameterField::Simut)
            return QCoreApplication::translate("Scenario",
                                               "the value for %1 must be a whole number of days from 1 to %2")
                .arg(fieldNamed(p.field))
                .arg(ModelState::MaxSimTime);
        return QCoreApplication::translate("Scenario", "the value for %1 must be a number greater than 0")
            .arg(fieldNamed(p.field));
    case ScenarioFault::BadEntry: return entryReason(p.entry);
    }
    return {};
}

void tell(Session& session, QWidget* parent, const QString& text)
{
    session.platform().reportProblem(parent, messageTitle(), text);
}

ProgramWindow* programWindow(Session& session, WindowId id)
{
    return qobject_cast<ProgramWindow*>(session.windows().window(id));
}

/// A file name from a title: the characters no file name may hold, or that folders treat
/// specially, give way to a dash.
QString fileNameOf(const QString& title)
{
    QString name = title.simplified().left(60);
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QLatin1Char('*') ||
            c == QLatin1Char('?') || c == QLatin1Char('"') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char('|') || c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    //: the name the scenario's save dialog suggests when the scenario has no title, without its ending
    return name.isEmpty() ? QCoreApplication::translate("Scenario", "scenario") : name;
}

/// The examples in the order a lesson takes them: the four outcomes, then what one-day steps do;
/// then the lessons.
const char* const kExamples[] = {"coexistence",
                                 "a-wins",
                                 "b-wins",
                                 "bistable",
                                 "false-plateau",
                                 "chaos",
                                 "lesson-four-outcomes",
                                 "lesson-phase-plane",
                                 "lesson-one-day-steps",
                                 "lesson-separatrix"};

} // namespace

QString scenarioLanguage()
{
    //: The code of this translation's language as scenario files name their texts by language:
    //: de, fr, es, pt_BR or zh_CN. Left "en", the texts are taken in English.
    return QCoreApplication::translate("Scenario", "en");
}

std::optional<ChartProcedure> mainChartNamed(const QString& name)
{
    for (ChartProcedure p : mainChartClickCycle())
        if (procedureName(p) == name)
            return p;
    return std::nullopt;
}

QString scenarioProblemReason(const ScenarioProblem& problem) { return reasonOf(problem); }

QString scenarioFieldName(ParameterField field) { return fieldNamed(field); }

QString scenarioProblemText(const ScenarioProblem& problem, const QString& path)
{
    return QCoreApplication::translate("Scenario", "The scenario “%1” could not be opened: %2.")
        .arg(shown(path), reasonOf(problem));
}

bool openScenarioFile(Session& session, const QString& path, QWidget* parent)
{
    ScenarioReading reading = readScenarioFile(path);
    if (reading.problem.ok() && reading.lesson && session.openLesson)
        return session.openLesson(path, parent);
    if (reading.problem.ok() && !mainChartNamed(reading.scenario.chart)) {
        reading.problem.fault = ScenarioFault::BadEntry;
        reading.problem.entry = QStringLiteral("chart");
    }
    if (!reading.problem.ok()) {
        tell(session, parent, scenarioProblemText(reading.problem, path));
        return false;
    }
    const Scenario& s = reading.scenario;
    WindowRegistry& windows = session.windows();
    auto* main = qobject_cast<ProgramWindow*>(windows.load(WindowId::Main));
    if (!main)
        return false;
    // the main window runs it first: a run that fails leaves everything as it was
    const QString refused = main->takeScenario(s);
    if (!refused.isEmpty()) {
        //: the file, then why its run failed, in a sentence of its own
        tell(session, parent,
             QCoreApplication::translate("Scenario", "The scenario “%1” was not opened. %2").arg(shown(path), refused));
        return false;
    }
    session.scenarioTitle = s.title;
    session.scenarioNote = s.note;
    session.scenarioRun = session.runSerial();
    if (s.lab)
        if (auto* lab = qobject_cast<ProgramWindow*>(windows.load(WindowId::Lab)))
            lab->takeScenario(s);

    // The window it was saved from, alone over the background.
    const WindowId shownWindow = s.lab && s.lab->open ? WindowId::Lab : WindowId::Main;
    for (int i = 0; i < WindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (id != WindowId::Background && id != shownWindow)
            windows.hide(id);
    }
    if (shownWindow == WindowId::Lab)
        windows.show(WindowId::Lab, WindowId::Main);
    else
        windows.show(WindowId::Main);
    return true;
}

void openScenarioAsked(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    if (!platform.chooseOpenFile)
        return;
    const QString path = platform.chooseOpenFile(&window, saveDialogFolder(), scenarioFilter());
    if (!path.isEmpty())
        openScenarioFile(session, path, &window);
}

void saveScenarioAsked(Session& session, QWidget& window)
{
    Platform& platform = session.platform();
    if (!platform.chooseExportFile || !platform.askScenarioTexts)
        return;
    Scenario s;
    s.title = session.scenarioTitle;
    s.note = session.scenarioNote;
    for (WindowId id : {WindowId::Main, WindowId::Lab})
        if (const ProgramWindow* w = programWindow(session, id))
            w->describeScenario(s);
    const ScenarioProblem values = checkScenarioValues(s.values);
    if (!values.ok()) {
        tell(session, &window,
             QCoreApplication::translate("Scenario", "The scenario could not be saved: %1.").arg(reasonOf(values)));
        return;
    }

    // The teacher's words in the teacher's language; texts left as they were keep every language.
    const QString language = scenarioLanguage();
    const QString title = scenarioTextIn(s.title, language), note = scenarioTextIn(s.note, language);
    QString newTitle = title, newNote = note;
    if (!platform.askScenarioTexts(&window, newTitle, newNote))
        return;
    if (newTitle != title)
        s.title = newTitle.isEmpty() ? ScenarioText() : ScenarioText{{language, newTitle}};
    if (newNote != note)
        s.note = newNote.isEmpty() ? ScenarioText() : ScenarioText{{language, newNote}};

    QString filter = scenarioFilter();
    QString path =
        platform.chooseExportFile(&window, fileNameOf(newTitle) + QStringLiteral(".vorlenza"), filter, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("vorlenza"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".vorlenza");
    const Outcome outcome = writeWholeFile(path, scenarioBytes(s));
    if (!outcome.ok) {
        tell(session, &window, outcome.error);
        return;
    }
    session.scenarioTitle = s.title;
    session.scenarioNote = s.note;
}

std::vector<ExampleScenario> exampleScenarios(const QString& folder)
{
    std::vector<ExampleScenario> examples;
    if (folder.isEmpty())
        return examples;
    for (const char* name : kExamples) {
        const QString path = QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".vorlenza"));
        const ScenarioReading reading = readScenarioFile(path);
        if (!reading.problem.ok())
            continue;
        const QString title = scenarioTextIn(reading.scenario.title, scenarioLanguage());
        examples.push_back({path, title.isEmpty() ? QString::fromLatin1(name) : title});
    }
    return examples;
}

std::vector<PlotMenuItem> scenarioMenuItems(Session& session, QWidget& window)
{
    std::vector<PlotMenuItem> items;
    items.push_back({QCoreApplication::translate("Scenario", "Sa&ve scenario…"),
                     [&session, &window] { saveScenarioAsked(session, window); },
                     std::nullopt,
                     true,
                     {}});
    items.push_back({QCoreApplication::translate("Scenario", "&Open scenario…"),
                     [&session, &window] { openScenarioAsked(session, window); },
                     std::nullopt,
                     false,
                     {}});
    PlotMenuItem examples{QCoreApplication::translate("Scenario", "&Examples"), nullptr, std::nullopt, false, {}};
    int n = 0;
    for (const ExampleScenario& e : exampleScenarios(session.platform().examplesFolder))
        examples.submenu.push_back(
            {QStringLiteral("&%1 %2").arg(++n).arg(QString(e.title).replace(QLatin1Char('&'), QLatin1String("&&"))),
             [&session, &window, path = e.path] { openScenarioFile(session, path, &window); },
             std::nullopt,
             false,
             {}});
    if (!examples.submenu.empty())
        items.push_back(std::move(examples));
    return items;
}

QString scenarioTitleOfRun(Session& session)
{
    if (session.scenarioRun == 0 || session.scenarioRun != session.runSerial())
        return {};
    return scenarioTextIn(session.scenarioTitle, scenarioLanguage());
}

QString scenarioNoteOfRun(Session& session)
{
    if (session.scenarioRun == 0 || session.scenarioRun != session.runSerial())
        return {};
    return wrappedLines(scenarioTextIn(session.scenarioNote, scenarioLanguage()));
}

QString wrappedLines(const QString& text, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines << line;
                line.clear();
            }
            while (word.size() > width) { // a word longer than a line, or a text written without spaces
                lines << word.left(width);
                word.remove(0, width);
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace vorlenza
