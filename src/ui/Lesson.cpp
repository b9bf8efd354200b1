#include "Lesson.h"

#include "ModelState.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace vorlenza {

namespace {

const QString kT = QStringLiteral("T");

/// The outcomes by their names in the file, in the order a prediction offers them.
const std::pair<const char*, CompetitionOutcome> kOutcomes[] = {
    {"coexistence", CompetitionOutcome::Coexistence},
    {"A wins", CompetitionOutcome::AWins},
    {"B wins", CompetitionOutcome::BWins},
    {"start decides", CompetitionOutcome::EitherWins},
};

const std::pair<const char*, TaskKind> kKinds[] = {
    {"predict", TaskKind::Predict},
    {"reach", TaskKind::Reach},
    {"read", TaskKind::Read},
    {"explain", TaskKind::Explain},
};

const std::pair<const char*, ReadQuantity> kQuantities[] = {
    {"N1", ReadQuantity::N1},
    {"N2", ReadQuantity::N2},
    {"continuous N1", ReadQuantity::ContinuousN1},
    {"continuous N2", ReadQuantity::ContinuousN2},
    {"equilibrium N1", ReadQuantity::EquilibriumN1},
    {"equilibrium N2", ReadQuantity::EquilibriumN2},
};

template <class T, std::size_t N>
std::optional<T> named(const std::pair<const char*, T> (&table)[N], const QJsonValue& value)
{
    for (const auto& [name, item] : table)
        if (value.toString() == QLatin1String(name))
            return item;
    return std::nullopt;
}

/// The entries each kind of task takes, besides "kind", "text" and "values".
QStringList entriesOf(TaskKind kind)
{
    switch (kind) {
    case TaskKind::Predict: return {QStringLiteral("question"), QStringLiteral("day")};
    case TaskKind::Reach:
        return {QStringLiteral("fields"), QStringLiteral("outcome"), QStringLiteral("above"), QStringLiteral("steps")};
    case TaskKind::Read: return {QStringLiteral("quantity"), QStringLiteral("day"), QStringLiteral("tolerance")};
    case TaskKind::Explain: return {};
    }
    return {};
}

int valueIndex(const QString& key)
{
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i)
        if (key == QLatin1String(ScenarioValues[i].key))
            return static_cast<int>(i);
    return -1;
}

/// What the file holds at a place, for a message: a text as it is, anything else as JSON; cut short.
QString shownValue(const QJsonValue& value)
{
    QString text;
    if (value.isString())
        text = value.toString();
    else if (value.isUndefined())
        text = QString();
    else if (value.isObject())
        text = QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    else if (value.isArray())
        text = QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    else
        text = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    return text.size() > 60 ? text.left(59) + QChar(0x2026) : text;
}

/// Reads one lesson, noting every problem with its place.
class Reader {
public:
    explicit Reader(LessonReading& reading) : m_reading(reading) {}

    void readLessonEntry(const QJsonObject& lesson, bool valuesUsable);

private:
    void problem(LessonFault fault, const QString& entry, const QJsonValue& given = QJsonValue::Undefined)
    {
        LessonProblem p;
        p.fault = fault;
        p.task = m_task;
        p.entry = entry;
        p.given = shownValue(given);
        m_reading.problems.push_back(std::move(p));
    }
    bool readText(const QJsonValue& value, int longest, ScenarioText& text, const QString& entry, bool required);
    void unknownEntries(const QJsonObject& object, const QStringList& known, const QString& prefix = {});
    void readTask(const QJsonObject& object, LessonTask& task);
    void readValues(const QJsonValue& value, LessonTask& task);
    std::optional<int> readDay(const QJsonObject& object, const QString& entry, const QString& shownEntry);
    void readPredict(const QJsonObject& object, LessonTask& task);
    void readReach(const QJsonObject& object, LessonTask& task);
    void readAbove(const QJsonValue& value, LessonTask& task);
    void readRead(const QJsonObject& object, LessonTask& task);

    LessonReading& m_reading;
    int m_task = 0;
    bool m_valuesUsable = true;
    std::array<double, 9> m_setUp{}; ///< the set-up of the task being read
};

bool Reader::readText(const QJsonValue& value, int longest, ScenarioText& text, const QString& entry, bool required)
{
    text.clear();
    bool good = true;
    if (value.isUndefined()) {
        good = !required;
    } else if (value.isString()) {
        good = !value.toString().trimmed().isEmpty() && value.toString().size() <= longest;
        text.insert(QString(), value.toString());
    } else if (value.isObject()) {
        const QJsonObject byLanguage = value.toObject();
        good = !byLanguage.isEmpty();
        for (auto it = byLanguage.begin(); it != byLanguage.end(); ++it) {
            if (it.key().isEmpty() || it.key().size() > 16 || !it.value().isString() ||
                it.value().toString().size() > longest)
                good = false;
            else
                text.insert(it.key(), it.value().toString());
        }
    } else {
        good = false;
    }
    if (!good) {
        text.clear();
        problem(LessonFault::BadEntry, entry, value);
    }
    return good;
}

void Reader::unknownEntries(const QJsonObject& object, const QStringList& known, const QString& prefix)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            problem(LessonFault::UnknownEntry, prefix + it.key());
}

void Reader::readLessonEntry(const QJsonObject& lesson, bool valuesUsable)
{
    m_valuesUsable = valuesUsable;
    Lesson& l = m_reading.lesson;
    unknownEntries(lesson, {QStringLiteral("title"), QStringLiteral("introduction"), QStringLiteral("tasks")});
    readText(lesson.value(QLatin1String("title")), scenario::MaxTitle, l.title, QStringLiteral("title"), true);
    readText(lesson.value(QLatin1String("introduction")), lesson::MaxText, l.introduction,
             QStringLiteral("introduction"), false);
    const QJsonValue tasks = lesson.value(QLatin1String("tasks"));
    if (!tasks.isArray() || tasks.toArray().isEmpty() || tasks.toArray().size() > lesson::MaxTasks) {
        problem(LessonFault::BadEntry, QStringLiteral("tasks"));
        return;
    }
    l.digest =
        QStringLiteral("sha256:") +
        QString::fromLatin1(QCryptographicHash::hash(QJsonDocument(tasks.toArray()).toJson(QJsonDocument::Compact),
                                                     QCryptographicHash::Sha256)
                                .toHex());
    const QJsonArray all = tasks.toArray();
    for (qsizetype i = 0; i < all.size(); ++i) {
        m_task = static_cast<int>(i) + 1;
        LessonTask task;
        if (!all[i].isObject())
            problem(LessonFault::BadEntry, QString(), all[i]);
        else
            readTask(all[i].toObject(), task);
        l.tasks.push_back(std::move(task));
    }
    m_task = 0;
}

void Reader::readTask(const QJsonObject& object, LessonTask& task)
{
    const QJsonValue kind = object.value(QLatin1String("kind"));
    const std::optional<TaskKind> known = named(kKinds, kind);
    if (kind.isUndefined())
        problem(LessonFault::BadEntry, QStringLiteral("kind"));
    else if (!known)
        problem(LessonFault::UnknownKind, QStringLiteral("kind"), kind);
    readText(object.value(QLatin1String("text")), lesson::MaxText, task.text, QStringLiteral("text"), true);
    readValues(object.value(QLatin1String("values")), task);
    if (!known)
        return;
    task.kind = *known;
    unknownEntries(object, QStringList{QStringLiteral("kind"), QStringLiteral("text"), QStringLiteral("values")} +
                               entriesOf(task.kind));
    switch (task.kind) {
    case TaskKind::Predict: readPredict(object, task); break;
    case TaskKind::Reach: readReach(object, task); break;
    case TaskKind::Read: readRead(object, task); break;
    case TaskKind::Explain: break;
    }
}

void Reader::readValues(const QJsonValue& value, LessonTask& task)
{
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i)
        m_setUp[i] = m_reading.lesson.scenario.values[i];
    if (value.isUndefined())
        return;
    if (!value.isObject()) {
        problem(LessonFault::BadEntry, QStringLiteral("values"), value);
        return;
    }
    const QJsonObject values = value.toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const int i = valueIndex(it.key());
        if (i < 0) {
            problem(LessonFault::UnknownField, QStringLiteral("values"), it.key());
            continue;
        }
        const QString entry = QStringLiteral("values.") + it.key();
        if (!it.value().isDouble()) {
            problem(LessonFault::BadEntry, entry, it.value());
            continue;
        }
        // the value alone, among values every field takes
        std::array<double, 9> alone;
        alone.fill(1.0);
        alone[static_cast<std::size_t>(i)] = it.value().toDouble();
        const ScenarioProblem range = checkScenarioValues(alone);
        if (!range.ok()) {
            problem(LessonFault::ValueOutOfRange, entry, it.value());
            m_reading.problems.back().field = range.field;
            continue;
        }
        task.values[static_cast<std::size_t>(i)] = it.value().toDouble();
        m_setUp[static_cast<std::size_t>(i)] = it.value().toDouble();
    }
}

std::optional<int> Reader::readDay(const QJsonObject& object, const QString& entry, const QString& shownEntry)
{
    const QJsonValue value = object.value(entry);
    if (value.isUndefined()) {
        problem(LessonFault::BadEntry, shownEntry);
        return std::nullopt;
    }
    const int last =
        m_valuesUsable ? static_cast<int>(m_setUp[static_cast<std::size_t>(valueIndex(kT))]) : ModelState::MaxSimTime;
    const double day = value.toDouble(-1.0);
    if (!value.isDouble() || day != std::floor(day) || day < 0.0 || day > last) {
        problem(LessonFault::DayOutOfRange, shownEntry, value);
        m_reading.problems.back().limit = last;
        return std::nullopt;
    }
    return static_cast<int>(day);
}

void Reader::readPredict(const QJsonObject& object, LessonTask& task)
{
    const QJsonValue question = object.value(QLatin1String("question"));
    if (question.isUndefined() || question.toString() == QLatin1String("outcome")) {
        task.question = PredictQuestion::Outcome;
        if (object.contains(QLatin1String("day")))
            problem(LessonFault::UnknownEntry, QStringLiteral("day"));
        if (m_valuesUsable && outcomeOf(parametersOfValues(m_setUp)) == CompetitionOutcome::Neutral)
            problem(LessonFault::NoRightAnswer, QStringLiteral("values"));
    } else if (question.toString() == QLatin1String("larger")) {
        task.question = PredictQuestion::Larger;
        task.day = readDay(object, QStringLiteral("day"), QStringLiteral("day")).value_or(0);
    } else {
        problem(LessonFault::UnknownName, QStringLiteral("question"), question);
    }
}

void Reader::readReach(const QJsonObject& object, LessonTask& task)
{
    const QJsonValue fields = object.value(QLatin1String("fields"));
    if (!fields.isArray() || fields.toArray().isEmpty()) {
        problem(LessonFault::BadEntry, QStringLiteral("fields"), fields);
    } else {
        for (const QJsonValue& name : fields.toArray()) {
            const int i = valueIndex(name.toString());
            if (!name.isString())
                problem(LessonFault::BadEntry, QStringLiteral("fields"), name);
            else if (i < 0)
                problem(LessonFault::UnknownField, QStringLiteral("fields"), name);
            else
                task.open[static_cast<std::size_t>(i)] = true;
        }
    }
    const int goals = int(object.contains(QLatin1String("outcome"))) + int(object.contains(QLatin1String("above"))) +
                      int(object.contains(QLatin1String("steps")));
    if (goals != 1) {
        problem(LessonFault::GoalCount, QString());
        return;
    }
    if (object.contains(QLatin1String("outcome"))) {
        task.goal = ReachGoal::Outcome;
        const QJsonValue outcome = object.value(QLatin1String("outcome"));
        if (const std::optional<CompetitionOutcome> o = named(kOutcomes, outcome))
            task.outcome = *o;
        else
            problem(LessonFault::UnknownName, QStringLiteral("outcome"), outcome);
    } else if (object.contains(QLatin1String("above"))) {
        task.goal = ReachGoal::Above;
        readAbove(object.value(QLatin1String("above")), task);
    } else {
        task.goal = ReachGoal::Steps;
        const QJsonValue steps = object.value(QLatin1String("steps"));
        if (steps.toString() == QLatin1String("misleading") || steps.toString() == QLatin1String("faithful"))
            task.misleading = steps.toString() == QLatin1String("misleading");
        else
            problem(LessonFault::UnknownName, QStringLiteral("steps"), steps);
    }
}

void Reader::readAbove(const QJsonValue& value, LessonTask& task)
{
    if (!value.isObject()) {
        problem(LessonFault::BadEntry, QStringLiteral("above"), value);
        return;
    }
    const QJsonObject above = value.toObject();
    unknownEntries(above, {QStringLiteral("species"), QStringLiteral("size"), QStringLiteral("day")},
                   QStringLiteral("above."));
    const QJsonValue species = above.value(QLatin1String("species"));
    if (species.toString() == QLatin1String("A") || species.toString() == QLatin1String("B"))
        task.species = species.toString() == QLatin1String("A") ? Species::A : Species::B;
    else if (species.isUndefined())
        problem(LessonFault::BadEntry, QStringLiteral("above.species"));
    else
        problem(LessonFault::UnknownName, QStringLiteral("above.species"), species);
    const QJsonValue size = above.value(QLatin1String("size"));
    if (size.isUndefined())
        problem(LessonFault::BadEntry, QStringLiteral("above.size"));
    else if (!size.isDouble() || !(size.toDouble() > 0.0) || !std::isfinite(size.toDouble()))
        problem(LessonFault::NotPositive, QStringLiteral("above.size"), size);
    else
        task.size = size.toDouble();
    task.day = readDay(above, QStringLiteral("day"), QStringLiteral("above.day")).value_or(0);
}

void Reader::readRead(const QJsonObject& object, LessonTask& task)
{
    const QJsonValue quantity = object.value(QLatin1String("quantity"));
    const std::optional<ReadQuantity> q = named(kQuantities, quantity);
    if (quantity.isUndefined())
        problem(LessonFault::BadEntry, QStringLiteral("quantity"));
    else if (!q)
        problem(LessonFault::UnknownName, QStringLiteral("quantity"), quantity);
    if (q) {
        task.quantity = *q;
        const bool equilibrium = *q == ReadQuantity::EquilibriumN1 || *q == ReadQuantity::EquilibriumN2;
        if (!equilibrium)
            task.day = readDay(object, QStringLiteral("day"), QStringLiteral("day")).value_or(0);
        else if (object.contains(QLatin1String("day")))
            problem(LessonFault::UnknownEntry, QStringLiteral("day"));
        if (equilibrium && m_valuesUsable) {
            bool crossing = false;
            for (const Equilibrium& e : equilibriaOf(parametersOfValues(m_setUp)))
                crossing = crossing || e.kind == EquilibriumKind::Coexistence;
            if (!crossing)
                problem(LessonFault::NoEquilibrium, QStringLiteral("quantity"), quantity);
        }
    }
    const QJsonValue tolerance = object.value(QLatin1String("tolerance"));
    if (tolerance.isUndefined())
        problem(LessonFault::BadEntry, QStringLiteral("tolerance"));
    else if (!tolerance.isDouble())
        problem(LessonFault::ToleranceNotNumber, QStringLiteral("tolerance"), tolerance);
    else if (!(tolerance.toDouble() > 0.0) || !std::isfinite(tolerance.toDouble()))
        problem(LessonFault::NotPositive, QStringLiteral("tolerance"), tolerance);
    else
        task.tolerance = tolerance.toDouble();
}

} // namespace

ModelParameters parametersOfValues(const std::array<double, 9>& values)
{
    ModelParameters p;
    for (std::size_t i = 0; i < ScenarioValues.size(); ++i) {
        switch (ScenarioValues[i].field) {
        case ParameterField::K1: p.K1 = values[i]; break;
        case ParameterField::K2: p.K2 = values[i]; break;
        case ParameterField::Alpha: p.alpha = values[i]; break;
        case ParameterField::Beta: p.beta = values[i]; break;
        case ParameterField::R1: p.r1 = values[i]; break;
        case ParameterField::R2: p.r2 = values[i]; break;
        default: break;
        }
    }
    return p;
}

bool LessonTask::setsValues() const
{
    for (const std::optional<double>& v : values)
        if (v)
            return true;
    return false;
}

std::array<double, 9> taskSetUp(const Lesson& lesson, const LessonTask& task)
{
    std::array<double, 9> values = lesson.scenario.values;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (task.values[i])
            values[i] = *task.values[i];
    return values;
}

QString outcomeName(CompetitionOutcome outcome)
{
    for (const auto& [name, o] : kOutcomes)
        if (o == outcome)
            return QLatin1String(name);
    return {};
}

std::optional<CompetitionOutcome> outcomeNamed(const QString& name) { return named(kOutcomes, name); }

QString kindName(TaskKind kind)
{
    for (const auto& [name, k] : kKinds)
        if (k == kind)
            return QLatin1String(name);
    return {};
}

LessonReading readLesson(const QByteArray& bytes)
{
    LessonReading r;
    const ScenarioReading asScenario = readScenario(bytes);
    r.lesson.scenario = asScenario.scenario;
    const ScenarioFault fault = asScenario.problem.fault;
    const bool parsed = fault == ScenarioFault::None || fault == ScenarioFault::ValueMissing ||
                        fault == ScenarioFault::ValueNotNumber || fault == ScenarioFault::ValueOutOfRange ||
                        fault == ScenarioFault::BadEntry;
    if (!asScenario.problem.ok()) {
        LessonProblem p;
        p.fault = LessonFault::Scenario;
        p.scenario = asScenario.problem;
        r.problems.push_back(p);
        if (!parsed)
            return r;
    }
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    const QJsonValue lesson = root.value(QLatin1String("lesson"));
    if (!lesson.isObject()) {
        LessonProblem p;
        p.fault = lesson.isUndefined() ? LessonFault::NotLesson : LessonFault::BadEntry;
        p.entry = QStringLiteral("lesson");
        r.problems.push_back(p);
        return r;
    }
    const bool valuesUsable = checkScenarioValues(r.lesson.scenario.values).ok() &&
                              fault != ScenarioFault::ValueMissing && fault != ScenarioFault::ValueNotNumber &&
                              fault != ScenarioFault::ValueOutOfRange;
    Reader(r).readLessonEntry(lesson.toObject(), valuesUsable);
    return r;
}

LessonReading readLessonFile(const QString& path)
{
    QByteArray bytes;
    const ScenarioProblem problem = readSetUpBytes(path, bytes);
    if (!problem.ok()) {
        LessonReading r;
        LessonProblem p;
        p.fault = LessonFault::Scenario;
        p.scenario = problem;
        r.problems.push_back(p);
        return r;
    }
    return readLesson(bytes);
}

} // namespace vorlenza
