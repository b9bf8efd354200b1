#include "TeacherTools.h"

#include "Language.h"
#include "Lesson.h"
#include "LessonCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

#include <cstdio>

namespace vorlenza {

namespace {

void print(std::FILE* to, const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int checkLessons(const QStringList& paths)
{
    int status = 0;
    for (const QString& path : paths) {
        const LessonReading reading = readLessonFile(path);
        const QString shown = QDir::toNativeSeparators(path);
        if (reading.ok()) {
            print(stdout, QCoreApplication::translate("Lesson", "%1: no problem found in its %2 tasks")
                              .arg(shown)
                              .arg(reading.lesson.tasks.size()));
            continue;
        }
        status = 1;
        for (const QString& problem : lessonProblemTexts(reading))
            print(stdout, shown + QStringLiteral(": ") + problem);
    }
    return status;
}

int summarise(const QStringList& paths)
{
    const ClassSummary summary = classSummary(paths);
    for (const QString& skipped : summary.skipped)
        print(stderr, skipped);
    std::fwrite(summary.csv.constData(), 1, static_cast<std::size_t>(summary.csv.size()), stdout);
    return summary.csv.isEmpty() ? 1 : 0;
}

} // namespace

std::optional<int> runTeacherCommand(int argc, char* argv[])
{
    if (argc < 2 || (qstrcmp(argv[1], "--check-lesson") != 0 && qstrcmp(argv[1], "--class-summary") != 0))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    Translations translations;
    translations.use(QLocale::system().uiLanguages());
    QStringList arguments = QCoreApplication::arguments();
    const bool check = arguments[1] == QLatin1String("--check-lesson");
    const QStringList paths = arguments.mid(2);
    if (paths.isEmpty()) {
        print(stderr,
              check ? QCoreApplication::translate("Lesson", "Which lesson? vorlenza --check-lesson FILE…")
                    : QCoreApplication::translate("Lesson", "Which answers files? vorlenza --class-summary FILE…"));
        return 2;
    }
    return check ? checkLessons(paths) : summarise(paths);
}

} // namespace vorlenza
