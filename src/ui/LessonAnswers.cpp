#include "LessonAnswers.h"

#include "VersionedJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace vorlenza {

namespace {

const char* markName(Mark mark) { return mark == Mark::Right ? "right" : "wrong"; }

AnswersReading failed(ScenarioFault fault, const QString& entry = {})
{
    AnswersReading r;
    r.problem.fault = fault;
    r.problem.entry = entry;
    return r;
}

bool isText(const QJsonValue& value, int longest) { return value.isString() && value.toString().size() <= longest; }

/// A count written for the reader's eyes: a whole number from 0.
bool isCount(const QJsonValue& value)
{
    const double n = value.toDouble(-1.0);
    return value.isDouble() && n >= 0.0 && n == std::floor(n) && n <= 1e6;
}

std::optional<std::array<double, 9>> readRun(const QJsonValue& value, bool& good)
{
    good = true;
    if (value.isUndefined())
        return std::nullopt;
    std::array<double, 9> run{};
    const QJsonObject values = value.toObject();
    good = value.isObject() && values.size() == static_cast<qsizetype>(ScenarioValues.size());
    for (std::size_t i = 0; good && i < ScenarioValues.size(); ++i) {
        const QJsonValue v = values.value(QLatin1String(ScenarioValues[i].key));
        good = v.isDouble();
        run[i] = v.toDouble();
    }
    good = good && checkScenarioValues(run).ok();
    return good ? std::optional(run) : std::nullopt;
}

/// One task's answer, or the entry that is wrong ("tasks[3].mark").
QString readTask(const QJsonValue& value, int number, TaskAnswer& answer)
{
    const QString at = QStringLiteral("tasks[%1]").arg(number);
    if (!value.isObject())
        return at;
    const QJsonObject task = value.toObject();
    for (auto it = task.begin(); it != task.end(); ++it)
        if (!QStringList{"answer", "explanation", "kind", "mark", "run", "task"}.contains(it.key()))
            return at + QLatin1Char('.') + it.key();
    if (task.value(QLatin1String("task")).toDouble() != number)
        return at + QStringLiteral(".task");
    bool known = false;
    for (TaskKind kind : {TaskKind::Predict, TaskKind::Reach, TaskKind::Read, TaskKind::Explain})
        if (task.value(QLatin1String("kind")).toString() == kindName(kind)) {
            answer.kind = kind;
            known = true;
        }
    if (!known)
        return at + QStringLiteral(".kind");
    const QJsonValue given = task.value(QLatin1String("answer"));
    if (!given.isUndefined() && !isText(given, answers::MaxAnswer))
        return at + QStringLiteral(".answer");
    answer.answer = given.toString();
    const QJsonValue mark = task.value(QLatin1String("mark"));
    if (mark.toString() == QLatin1String("right"))
        answer.mark = Mark::Right;
    else if (mark.toString() == QLatin1String("wrong"))
        answer.mark = Mark::Wrong;
    else if (!mark.isUndefined())
        return at + QStringLiteral(".mark");
    if (answer.kind == TaskKind::Explain && answer.mark != Mark::None)
        return at + QStringLiteral(".mark");
    const QJsonValue explanation = task.value(QLatin1String("explanation"));
    if (!explanation.isUndefined() && !isText(explanation, answers::MaxAnswer))
        return at + QStringLiteral(".explanation");
    answer.explanation = explanation.toString();
    bool good = true;
    answer.run = readRun(task.value(QLatin1String("run")), good);
    if (!good)
        return at + QStringLiteral(".run");
    return {};
}

} // namespace

int LessonAnswers::right() const
{
    int n = 0;
    for (const TaskAnswer& t : tasks)
        n += t.mark == Mark::Right ? 1 : 0;
    return n;
}

int LessonAnswers::marked() const
{
    int n = 0;
    for (const TaskAnswer& t : tasks)
        n += t.mark != Mark::None ? 1 : 0;
    return n;
}

QByteArray answersBytes(const LessonAnswers& a)
{
    QJsonArray tasks;
    for (std::size_t i = 0; i < a.tasks.size(); ++i) {
        const TaskAnswer& t = a.tasks[i];
        QJsonObject task{{QLatin1String("task"), static_cast<int>(i) + 1},
                         {QLatin1String("kind"), kindName(t.kind)},
                         {QLatin1String("answer"), t.answer}};
        if (t.mark != Mark::None)
            task.insert(QLatin1String("mark"), QLatin1String(markName(t.mark)));
        if (!t.explanation.isEmpty())
            task.insert(QLatin1String("explanation"), t.explanation);
        if (t.run) {
            QJsonObject run;
            for (std::size_t v = 0; v < ScenarioValues.size(); ++v)
                run.insert(QLatin1String(ScenarioValues[v].key), (*t.run)[v]);
            task.insert(QLatin1String("run"), run);
        }
        tasks.append(task);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(answers::Format));
    root.insert(QLatin1String("version"), answers::Version);
    root.insert(QLatin1String("lesson"), QJsonObject{{QLatin1String("title"), a.lesson},
                                                     {QLatin1String("digest"), a.digest},
                                                     {QLatin1String("tasks"), static_cast<int>(a.tasks.size())}});
    root.insert(QLatin1String("student"), a.student);
    root.insert(QLatin1String("date"), a.saved.toString(Qt::ISODate));
    root.insert(QLatin1String("tasks"), tasks);
    root.insert(QLatin1String("right"), a.right());
    root.insert(QLatin1String("marked"), a.marked());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

AnswersReading readAnswers(const QByteArray& bytes)
{
    QJsonObject root;
    if (ScenarioProblem problem = readVersionedJson(bytes, answers::Format, answers::Version, answers::MaxBytes, root);
        !problem.ok()) {
        AnswersReading r;
        r.problem = problem;
        return r;
    }
    AnswersReading r;
    LessonAnswers& a = r.answers;
    const QJsonObject lesson = root.value(QLatin1String("lesson")).toObject();
    static const QRegularExpression digest(QStringLiteral("^sha256:[0-9a-f]{64}$"));
    if (!isText(lesson.value(QLatin1String("title")), scenario::MaxTitle))
        return failed(ScenarioFault::BadEntry, QStringLiteral("lesson.title"));
    if (!digest.match(lesson.value(QLatin1String("digest")).toString()).hasMatch())
        return failed(ScenarioFault::BadEntry, QStringLiteral("lesson.digest"));
    a.lesson = lesson.value(QLatin1String("title")).toString();
    a.digest = lesson.value(QLatin1String("digest")).toString();
    if (!isText(root.value(QLatin1String("student")), answers::MaxName))
        return failed(ScenarioFault::BadEntry, QStringLiteral("student"));
    a.student = root.value(QLatin1String("student")).toString();
    a.saved = QDateTime::fromString(root.value(QLatin1String("date")).toString(), Qt::ISODate);
    if (!a.saved.isValid())
        return failed(ScenarioFault::BadEntry, QStringLiteral("date"));
    const QJsonArray tasks = root.value(QLatin1String("tasks")).toArray();
    if (!root.value(QLatin1String("tasks")).isArray() || tasks.isEmpty() || tasks.size() > lesson::MaxTasks ||
        lesson.value(QLatin1String("tasks")).toDouble() != static_cast<double>(tasks.size()))
        return failed(ScenarioFault::BadEntry, QStringLiteral("tasks"));
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        TaskAnswer answer;
        const QString wrong = readTask(tasks[i], static_cast<int>(i) + 1, answer);
        if (!wrong.isEmpty())
            return failed(ScenarioFault::BadEntry, wrong);
        a.tasks.push_back(std::move(answer));
    }
    // the totals, written for whoever reads the file, agree with the marks
    for (const auto& [key, count] : {std::pair{"right", a.right()}, std::pair{"marked", a.marked()}}) {
        const QJsonValue total = root.value(QLatin1String(key));
        if (!isCount(total) || total.toDouble() != count)
            return failed(ScenarioFault::BadEntry, QLatin1String(key));
    }
    return r;
}

AnswersReading readAnswersFile(const QString& path)
{
    QByteArray bytes;
    const ScenarioProblem problem = readSetUpBytes(path, bytes, answers::MaxBytes);
    if (!problem.ok()) {
        AnswersReading r;
        r.problem = problem;
        return r;
    }
    return readAnswers(bytes);
}

} // namespace vorlenza
