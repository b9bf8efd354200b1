#pragma once

#include "Scenario.h"

#include <QByteArray>
#include <QJsonObject>

namespace vorlenza {

/// Reads the JSON object of a file of the program's own: at most `maxBytes` bytes, valid JSON (a
/// problem names its line and column), `"format": format`, and a whole `"version"` from 1 to
/// `version` (a newer one is named). On success the problem is None and `root` holds the object.
ScenarioProblem readVersionedJson(const QByteArray& bytes, const char* format, int version, qint64 maxBytes,
                                  QJsonObject& root);

} // namespace vorlenza
