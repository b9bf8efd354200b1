#pragma once

#include "Simulation.h"
#include "VersionedJson.h"

#include <QByteArray>
#include <QMap>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vorlenza {

/// A scenario file: a teacher's set-up that every student's program opens to the same run. It is
/// JSON, and everything in it is read as hostile input: the reader needs nothing but QtCore and the
/// model, so that a fuzz target takes it alone.
///
///     {
///         "chart": "ShowN2vsN1withIsoclines",
///         "continuous": false,
///         "format": "vorlenza-scenario",
///         "lab": { "dailySteps": false, "open": true, "starts": [[30, 10], [10, 30]] },
///         "note": { "de": "…", "en": "Where the run ends depends on where it starts." },
///         "title": { "de": "…", "en": "The start decides" },
///         "values": { "K1": 200, "K2": 200, "N1(0)": 10, "N2(0)": 10, "T": 150,
///                     "alpha": 1.5, "beta": 1.5, "r1": 0.2, "r2": 0.3 },
///         "version": 1
///     }
///
/// The nine values are JSON numbers, written so that they read back as the very same doubles in
/// any language and region. "chart", "continuous", "lab", "title" and "note" may be left out.
namespace scenario {
/// What the file calls itself.
inline constexpr char Format[] = "vorlenza-scenario";
/// The newest version this program reads and the one it writes; every older one opens too.
constexpr int Version = 1;
/// The largest file the program reads; a set-up is a few kilobytes.
constexpr qint64 MaxBytes = 1024 * 1024;
/// At most this many characters in a title, and in a note (in each language).
constexpr int MaxTitle = 200;
constexpr int MaxNote = 4000;
/// At most this many trajectory starts in the lab (as many as the lab draws).
constexpr int MaxStarts = 12;
} // namespace scenario

/// One of the nine values: its name in the file, the field that holds it and the text a run reads.
struct ScenarioValue {
    const char* key;
    ParameterField field;
    std::string FieldTexts::*text;
};
/// The nine, in the order of the main window's fields (down the "Data" frame, the length last):
/// a file with several faults is told the first of them in that order.
extern const std::array<ScenarioValue, 9> ScenarioValues;

/// A text of the teacher's, by language ("de", "pt_BR", "en"), or under "" when the file gives one
/// text for every language.
using ScenarioText = QMap<QString, QString>;

/// `text` in `language` (a translation's code, "en" or empty for English): that language, else the
/// same language of another region, else English, else the one text given.
QString scenarioTextIn(const ScenarioText& text, const QString& language);

/// The lab as the scenario leaves it.
struct ScenarioLab {
    bool open = false;           ///< the lab is the window shown
    bool dailySteps = false;     ///< the daily steps are marked
    std::vector<QPointF> starts; ///< the trajectories' starts (N1, N2), in the order they were added
};

struct Scenario {
    /// The nine values, in the order of ScenarioValues.
    std::array<double, 9> values{};
    /// The main window's chart, by its chart procedure's name ("ShowN1vsN2", …).
    QString chart = QStringLiteral("ShowN1vsN2");
    bool continuous = false;        ///< the continuous solution drawn in the main window's chart
    std::optional<ScenarioLab> lab; ///< nothing: the lab starts afresh from the run, as after any run
    ScenarioText title;
    ScenarioText note;
};

/// What can be wrong with a scenario file.
struct ScenarioReading {
    Scenario scenario;
    ScenarioProblem problem;
    /// The file is a lesson: a scenario with a "lesson" entry (see Lesson.h), whatever that holds.
    bool lesson = false;
};

/// Reads a scenario from the bytes of a file. All or nothing: a problem comes with no scenario to use.
ScenarioReading readScenario(const QByteArray& bytes);

/// Reads the file at `path`: only an ordinary file of at most scenario::MaxBytes, read once from
/// the one handle the checks were made on, so that a file replaced or gone meanwhile is told
/// rather than half read.
ScenarioReading readScenarioFile(const QString& path);

/// The bytes of the file at `path` as readScenarioFile takes them (an ordinary file of at most
/// `limit` bytes, read from one handle), or why not.
ScenarioProblem readSetUpBytes(const QString& path, QByteArray& bytes, qint64 limit = scenario::MaxBytes);

/// The file's bytes: indented JSON, the entries in the order of their names, every number written
/// so that it reads back the same. Reading them back and writing again gives the same bytes.
QByteArray scenarioBytes(const Scenario& scenario);

/// The whole number a length must be, and the values every other field takes (above 0, finite),
/// as the fields' Enter accepts them; the first value that is not, in the order of ScenarioValues.
ScenarioProblem checkScenarioValues(const std::array<double, 9>& values);

/// The values the field texts stand for, as a run reads them (NumericPrefix), in the order of
/// ScenarioValues.
std::array<double, 9> scenarioValuesOf(const FieldTexts& texts);

/// The field texts that make a run of exactly these values: each in the number display format when
/// that reads back as the same double, else in the shortest text that does.
FieldTexts scenarioFieldTexts(const Scenario& scenario);

} // namespace vorlenza
