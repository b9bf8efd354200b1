#pragma once

#include "Simulation.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace vorlenza {

/// What is wrong with a file of the program's own (a scenario, a lesson, an answers file).
enum class ScenarioFault {
    None,
    Folder,          ///< the name is a folder
    NotThere,        ///< no such file (any more)
    NoPermission,    ///< it may not be read
    Unreadable,      ///< reading failed (`detail`: the system's reason)
    NotAFile,        ///< a device, a pipe or the like
    TooLarge,        ///< more than the file kind's largest size
    NotJson,         ///< not JSON at `line`, `column` (`detail`: the JSON reader's reason)
    NotScenario,     ///< JSON, but no object with the format's name and a version number
    Newer,           ///< a newer version (`version`) than this program reads
    ValueMissing,    ///< `field` has no value
    ValueNotNumber,  ///< `field`'s value is not a number
    ValueOutOfRange, ///< `field`'s value is outside what the field takes
    BadEntry,        ///< the entry `entry` ("chart", "lab.starts", …) does not hold what it must
};

struct ScenarioProblem {
    ScenarioFault fault = ScenarioFault::None;
    ParameterField field = ParameterField::None;
    QString entry;
    int line = 0;
    int column = 0;
    int version = 0;
    QString detail;
    bool ok() const { return fault == ScenarioFault::None; }
};

/// Reads the JSON object of a file of the program's own: at most `maxBytes` bytes, valid JSON (a
/// problem names its line and column), `"format": format`, and a whole `"version"` from 1 to
/// `version` (a newer one is named). On success the problem is None and `root` holds the object.
ScenarioProblem readVersionedJson(const QByteArray& bytes, const char* format, int version, qint64 maxBytes,
                                  QJsonObject& root);

} // namespace vorlenza
