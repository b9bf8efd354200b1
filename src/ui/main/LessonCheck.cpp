#include "LessonCheck.h"

#include "LessonAnswers.h"
#include "ScenarioFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace vorlenza {

namespace {

QString reasonOf(const LessonProblem& p)
{
    switch (p.fault) {
    case LessonFault::Scenario: return scenarioProblemReason(p.scenario);
    case LessonFault::NotLesson:
        return QCoreApplication::translate("Lesson", "it is missing: this is a scenario, not a lesson");
    case LessonFault::BadEntry:
        return p.given.isEmpty() ? QCoreApplication::translate("Lesson", "it is missing or does not hold what it must")
                                 : QCoreApplication::translate("Lesson", "“%1” is not what it must hold").arg(p.given);
    case LessonFault::UnknownEntry: return QCoreApplication::translate("Lesson", "this entry means nothing here");
    case LessonFault::UnknownKind:
        return QCoreApplication::translate("Lesson", "the kind “%1” is none of predict, reach, read and explain")
            .arg(p.given);
    case LessonFault::UnknownName:
        return QCoreApplication::translate("Lesson", "“%1” is none of the names this entry takes").arg(p.given);
    case LessonFault::UnknownField:
        return QCoreApplication::translate(
                   "Lesson", "“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)")
            .arg(p.given);
    case LessonFault::ToleranceNotNumber:
        return QCoreApplication::translate("Lesson", "the tolerance “%1” is not a number").arg(p.given);
    case LessonFault::NotPositive:
        return QCoreApplication::translate("Lesson", "it must be a number greater than 0, not “%1”").arg(p.given);
    case LessonFault::DayOutOfRange:
        return QCoreApplication::translate("Lesson", "it must be a whole day from 0 to %1, not “%2”")
            .arg(p.limit)
            .arg(p.given);
    case LessonFault::ValueOutOfRange:
        return QCoreApplication::translate("Lesson", "%1 is a value that %2 does not take")
            .arg(p.given, scenarioFieldName(p.field));
    case LessonFault::NoRightAnswer:
        return QCoreApplication::translate(
            "Lesson", "the isoclines lie on one another with these values, so no outcome is right");
    case LessonFault::NoEquilibrium:
        return QCoreApplication::translate(
            "Lesson", "the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to "
                      "read");
    case LessonFault::GoalCount:
        return QCoreApplication::translate("Lesson",
                                           "a reach task needs exactly one of “outcome”, “above” and “steps”");
    }
    return {};
}

QString placeOf(const LessonProblem& p)
{
    QStringList parts;
    if (p.task > 0)
        parts << QCoreApplication::translate("Lesson", "task %1").arg(p.task);
    if (!p.entry.isEmpty())
        parts << QCoreApplication::translate("Lesson", "entry “%1”").arg(p.entry);
    if (parts.isEmpty())
        parts << (p.fault == LessonFault::Scenario ? QCoreApplication::translate("Lesson", "the file")
                                                   : QCoreApplication::translate("Lesson", "the lesson"));
    return parts.join(QStringLiteral(", "));
}

/// A cell of the table: quoted where it holds a comma, a quote or a line break. A text a
/// spreadsheet would take for a formula ("=…", "+…", "-…", "@…") starts with an apostrophe, so
/// that a student's name is never run as one on the teacher's machine.
QByteArray cell(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty() && QByteArray("=+-@\t\r").contains(bytes.front()))
        bytes.prepend('\'');
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QStringList lessonProblemTexts(const LessonReading& reading)
{
    QStringList lines;
    for (const LessonProblem& p : reading.problems)
        //: where a lesson's problem is ("task 3, entry “tolerance”"), then what it is
        lines << QCoreApplication::translate("Lesson", "%1: %2").arg(placeOf(p), reasonOf(p));
    return lines;
}

ClassSummary classSummary(const QStringList& paths)
{
    ClassSummary summary;
    QString digest;
    QString title;
    qsizetype tasks = 0;
    QList<QByteArray> rows;
    for (const QString& path : paths) {
        const AnswersReading r = readAnswersFile(path);
        if (!r.problem.ok()) {
            QString reason = scenarioProblemReason(r.problem);
            if (r.problem.fault == ScenarioFault::NotScenario)
                reason = QCoreApplication::translate("Lesson", "it is not a Vorlenza answers file");
            else if (r.problem.fault == ScenarioFault::BadEntry)
                reason = QCoreApplication::translate("Lesson", "the entry “%1” does not hold what it must")
                             .arg(r.problem.entry);
            summary.skipped << QCoreApplication::translate("Lesson", "“%1” is left out: %2.").arg(shown(path), reason);
            continue;
        }
        const LessonAnswers& a = r.answers;
        if (digest.isEmpty()) {
            digest = a.digest;
            title = a.lesson;
            tasks = static_cast<qsizetype>(a.tasks.size());
        } else if (a.digest != digest) {
            summary.skipped << QCoreApplication::translate(
                                   "Lesson",
                                   "“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.")
                                   .arg(shown(path), a.lesson, title);
            continue;
        }
        QByteArray row = cell(a.student);
        for (const TaskAnswer& t : a.tasks)
            row += ',' + (t.mark == Mark::Right   ? QByteArray("1")
                          : t.mark == Mark::Wrong ? QByteArray("0")
                                                  : QByteArray());
        row += ',' + QByteArray::number(a.right());
        rows << row;
    }
    if (rows.isEmpty())
        return summary;
    QByteArray header = cell(QCoreApplication::translate("Lesson", "Student"));
    for (qsizetype i = 1; i <= tasks; ++i)
        header += ',' + cell(QCoreApplication::translate("Lesson", "Task %1").arg(i));
    header += ',' + cell(QCoreApplication::translate("Lesson", "Total"));
    // UTF-8 with its byte order mark: the spreadsheets take the names' letters as they are
    summary.csv = "\xEF\xBB\xBF" + header + "\r\n";
    for (const QByteArray& row : rows)
        summary.csv += row + "\r\n";
    return summary;
}

} // namespace vorlenza
