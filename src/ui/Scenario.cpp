#include "Scenario.h"

#include "ModelState.h"
#include "NumberText.h"
#include "VersionedJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlenza {

const std::array<ScenarioValue, 9> ScenarioValues = {{
    {"r1", ParameterField::R1, &FieldTexts::rrateA},
    {"N1(0)", ParameterField::N1Start, &FieldTexts::a0},
    {"K1", ParameterField::K1, &FieldTexts::K1},
    {"alpha", ParameterField::Alpha, &FieldTexts::u},
    {"r2", ParameterField::R2, &FieldTexts::rrateB},
    {"N2(0)", ParameterField::N2Start, &FieldTexts::b0},
    {"K2", ParameterField::K2, &FieldTexts::K2},
    {"beta", ParameterField::Beta, &FieldTexts::v},
    {"T", ParameterField::Simut, &FieldTexts::simut},
}};

namespace {

const QString kEnglish = QStringLiteral("en");

ScenarioReading failed(ScenarioFault fault, const QString& detail = {})
{
    ScenarioReading r;
    r.problem.fault = fault;
    r.problem.detail = detail;
    return r;
}

ScenarioReading badEntry(const char* entry)
{
    ScenarioReading r = failed(ScenarioFault::BadEntry);
    r.problem.entry = QLatin1String(entry);
    return r;
}

/// A teacher's text: one text, or texts by language; nothing when the entry is absent.
bool readText(const QJsonValue& value, int longest, ScenarioText& text)
{
    text.clear();
    if (value.isUndefined())
        return true;
    if (value.isString()) {
        if (value.toString().size() > longest)
            return false;
        text.insert(QString(), value.toString());
        return true;
    }
    if (!value.isObject())
        return false;
    const QJsonObject byLanguage = value.toObject();
    for (auto it = byLanguage.begin(); it != byLanguage.end(); ++it) {
        if (it.key().isEmpty() || it.key().size() > 16 || !it.value().isString() ||
            it.value().toString().size() > longest)
            return false;
        text.insert(it.key(), it.value().toString());
    }
    return true;
}

QJsonValue textValue(const ScenarioText& text)
{
    if (text.size() == 1 && text.contains(QString()))
        return text.value(QString());
    QJsonObject byLanguage;
    for (auto it = text.begin(); it != text.end(); ++it)
        byLanguage.insert(it.key(), it.value());
    return byLanguage;
}

/// A yes-or-no entry; false when absent.
bool readFlag(const QJsonObject& object, const char* key, bool& flag)
{
    const QJsonValue value = object.value(QLatin1String(key));
    flag = value.toBool(false);
    return value.isUndefined() || value.isBool();
}

/// A chart procedure's name: "Show" and letters or digits. Whether the main window draws such a
/// chart is the window's to say.
bool isChartName(const QString& name)
{
    if (name.size() > 64 || !name.startsWith(QLatin1String("Show")))
        return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128))
            return false;
    return true;
}

bool readStarts(const QJsonValue& value, std::vector<QPointF>& starts)
{
    if (value.isUndefined())
        return true;
    if (!value.isArray() || value.toArray().size() > scenario::MaxStarts)
        return false;
    const QJsonArray points = value.toArray();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QJsonArray xy = points[i].toArray();
        if (!points[i].isArray() || xy.size() != 2 || !xy[0].isDouble() || !xy[1].isDouble())
            return false;
        const double n1 = xy[0].toDouble(), n2 = xy[1].toDouble();
        if (!(n1 >= 0.0) || !(n2 >= 0.0) || !std::isfinite(n1) || !std::isfinite(n2))
            return false;
        starts.emplace_back(n1, n2);
    }
    return true;
}

/// Everything after the format and version: the values, then the rest.
ScenarioReading readEntries(const QJsonObject& root)
{
    ScenarioReading r;
    Scenario& s = r.scenario;

    const QJsonValue values = root.value(QLatin1String("values"));
    if (!values.isObject())
        return badEntry("values");
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i) {
        const QJsonValue value = values.toObject().value(QLatin1String(ScenarioValues[i].key));
        if (value.isDouble()) {
            s.values[i] = value.toDouble();
            continue;
        }
        r = failed(value.isUndefined() ? ScenarioFault::ValueMissing : ScenarioFault::ValueNotNumber);
        r.problem.field = ScenarioValues[i].field;
        return r;
    }
    const ScenarioProblem range = checkScenarioValues(s.values);
    if (!range.ok()) {
        r.problem = range;
        return r;
    }

    const QJsonValue chart = root.value(QLatin1String("chart"));
    if (!chart.isUndefined()) {
        if (!chart.isString() || !isChartName(chart.toString()))
            return badEntry("chart");
        s.chart = chart.toString();
    }
    if (!readFlag(root, "continuous", s.continuous))
        return badEntry("continuous");

    const QJsonValue lab = root.value(QLatin1String("lab"));
    if (!lab.isUndefined()) {
        if (!lab.isObject())
            return badEntry("lab");
        ScenarioLab setup;
        if (!readFlag(lab.toObject(), "open", setup.open))
            return badEntry("lab.open");
        if (!readFlag(lab.toObject(), "dailySteps", setup.dailySteps))
            return badEntry("lab.dailySteps");
        if (!readStarts(lab.toObject().value(QLatin1String("starts")), setup.starts))
            return badEntry("lab.starts");
        s.lab = std::move(setup);
    }

    if (!readText(root.value(QLatin1String("title")), scenario::MaxTitle, s.title))
        return badEntry("title");
    if (!readText(root.value(QLatin1String("note")), scenario::MaxNote, s.note))
        return badEntry("note");
    return r;
}

#ifdef Q_OS_UNIX
ScenarioFault faultOfErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return ScenarioFault::NotThere;
    case EACCES:
    case EPERM: return ScenarioFault::NoPermission;
    case EISDIR: return ScenarioFault::Folder;
    default: return ScenarioFault::Unreadable;
    }
}

/// The whole file, or why not: one handle, checked and read, never waiting on a pipe or a device.
ScenarioReading readFileBytes(const QString& path, QByteArray& bytes, qint64 limit = scenario::MaxBytes)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return failed(ScenarioFault::NotThere);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return failed(faultOfErrno(error), QString::fromLocal8Bit(std::strerror(error)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(ScenarioFault::Unreadable, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(info.st_mode))
        return failed(ScenarioFault::Folder);
    if (!S_ISREG(info.st_mode))
        return failed(ScenarioFault::NotAFile);
    if (info.st_size > limit)
        return failed(ScenarioFault::TooLarge);
    // one byte more than the limit tells a file that grew meanwhile
    bytes.resize(limit + 1);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            return failed(faultOfErrno(error), QString::fromLocal8Bit(std::strerror(error)));
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit)
        return failed(ScenarioFault::TooLarge);
    bytes.truncate(got);
    return {};
}
#else
ScenarioReading readFileBytes(const QString& path, QByteArray& bytes, qint64 limit = scenario::MaxBytes)
{
    QFile file(path);
    if (!file.exists())
        return failed(ScenarioFault::NotThere);
    if (!file.open(QIODevice::ReadOnly))
        return failed(ScenarioFault::Unreadable, file.errorString());
    bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return failed(ScenarioFault::TooLarge);
    return {};
}
#endif

} // namespace

QString scenarioTextIn(const ScenarioText& text, const QString& language)
{
    if (text.isEmpty())
        return {};
    const QString wanted = language.isEmpty() ? kEnglish : language;
    const QString bare = wanted.section(QLatin1Char('_'), 0, 0);
    if (text.contains(wanted))
        return text.value(wanted);
    for (auto it = text.begin(); it != text.end(); ++it)
        if (it.key().section(QLatin1Char('_'), 0, 0) == bare)
            return it.value();
    if (text.contains(kEnglish))
        return text.value(kEnglish);
    return text.first();
}

ScenarioReading readScenario(const QByteArray& bytes)
{
    QJsonObject root;
    if (ScenarioProblem problem =
            readVersionedJson(bytes, scenario::Format, scenario::Version, scenario::MaxBytes, root);
        !problem.ok()) {
        ScenarioReading r;
        r.problem = problem;
        return r;
    }
    ScenarioReading r = readEntries(root);
    r.lesson = root.contains(QLatin1String("lesson"));
    return r;
}

ScenarioReading readScenarioFile(const QString& path)
{
    QByteArray bytes;
    ScenarioReading r = readFileBytes(path, bytes);
    if (!r.problem.ok())
        return r;
    return readScenario(bytes);
}

ScenarioProblem readSetUpBytes(const QString& path, QByteArray& bytes, qint64 limit)
{
    return readFileBytes(path, bytes, limit).problem;
}

QByteArray scenarioBytes(const Scenario& s)
{
    QJsonObject values;
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i)
        values.insert(QLatin1String(ScenarioValues[i].key), s.values[i]);
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(scenario::Format));
    root.insert(QLatin1String("version"), scenario::Version);
    root.insert(QLatin1String("values"), values);
    root.insert(QLatin1String("chart"), s.chart);
    root.insert(QLatin1String("continuous"), s.continuous);
    if (s.lab) {
        QJsonArray starts;
        for (const QPointF& p : s.lab->starts)
            starts.append(QJsonArray{p.x(), p.y()});
        root.insert(QLatin1String("lab"), QJsonObject{{QLatin1String("open"), s.lab->open},
                                                      {QLatin1String("dailySteps"), s.lab->dailySteps},
                                                      {QLatin1String("starts"), starts}});
    }
    if (!s.title.isEmpty())
        root.insert(QLatin1String("title"), textValue(s.title));
    if (!s.note.isEmpty())
        root.insert(QLatin1String("note"), textValue(s.note));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ScenarioProblem checkScenarioValues(const std::array<double, 9>& values)
{
    ScenarioProblem problem;
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i) {
        const double v = values[i];
        const bool taken = ScenarioValues[i].field == ParameterField::Simut
                               ? v >= 1.0 && v <= ModelState::MaxSimTime && v == std::floor(v)
                               : std::isfinite(v) && v > 0.0;
        if (!taken) {
            problem.fault = ScenarioFault::ValueOutOfRange;
            problem.field = ScenarioValues[i].field;
            return problem;
        }
    }
    return problem;
}

std::array<double, 9> scenarioValuesOf(const FieldTexts& texts)
{
    std::array<double, 9> values{};
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i)
        values[i] = NumericPrefix(texts.*ScenarioValues[i].text);
    return values;
}

FieldTexts scenarioFieldTexts(const Scenario& s)
{
    FieldTexts texts;
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i) {
        std::string text = formatNumber(s.values[i]);
        if (NumericPrefix(text) != s.values[i])
            text = QByteArray::number(s.values[i], 'g', QLocale::FloatingPointShortest).toStdString();
        texts.*ScenarioValues[i].text = std::move(text);
    }
    return texts;
}

} // namespace vorlenza
