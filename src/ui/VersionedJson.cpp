#include "VersionedJson.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

/// The line and column (both from 1, the column in characters) of the byte at `offset`.
void placeOf(const QByteArray& bytes, qsizetype offset, int& line, int& column)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    line = 1;
    column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) { // not the continuation of a UTF-8 character
            ++column;
        }
    }
}

} // namespace

ScenarioProblem readVersionedJson(const QByteArray& bytes, const char* format, int version, qint64 maxBytes,
                                  QJsonObject& root)
{
    ScenarioProblem problem;
    if (bytes.size() > maxBytes) {
        problem.fault = ScenarioFault::TooLarge;
        return problem;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        problem.fault = ScenarioFault::NotJson;
        problem.detail = error.errorString();
        placeOf(bytes, error.offset, problem.line, problem.column);
        return problem;
    }
    root = document.object();
    const QJsonValue written = root.value(QLatin1String("version"));
    const double number = written.toDouble(-1.0);
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != QLatin1String(format) ||
        !written.isDouble() || number != std::floor(number) || number < 1.0) {
        problem.fault = ScenarioFault::NotScenario;
    } else if (number > version) {
        problem.fault = ScenarioFault::Newer;
        problem.version = number < 1e9 ? static_cast<int>(number) : 1000000000;
    }
    return problem;
}

} // namespace vorlenza
