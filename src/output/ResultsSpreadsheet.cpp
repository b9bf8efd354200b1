#include "ResultsSpreadsheet.h"

#include "SpreadsheetMaker.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace vorlenza {

namespace {

const char* const SpreadsheetSuffix = ".xlsx";

/// Where the spreadsheet plugin is looked for: a folder set by spreadsheetPluginFolder, else beside
/// the program as installed (<prefix>/lib/vorlenza/plugins beside <prefix>/bin), else the build tree's.
QString& chosenPluginFolder()
{
    static QString folder;
    return folder;
}

QStringList pluginFolders()
{
    if (!chosenPluginFolder().isEmpty())
        return {chosenPluginFolder()};
    QStringList folders;
    if (QCoreApplication::instance() != nullptr)
        folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/vorlenza/plugins"));
    folders << QStringLiteral(VORLENZA_BUILD_PLUGIN_DIR);
    return folders;
}

/// The spreadsheet maker, loaded once from the first folder that holds it (and kept: a plugin is
/// never unloaded); null with `why` when it cannot be loaded.
SpreadsheetMaker* spreadsheetMaker(QString* where, QString* why)
{
    static QString loadedFrom;
    static SpreadsheetMaker* maker = nullptr;
    const QStringList folders = pluginFolders();
    if (maker != nullptr && folders.contains(loadedFrom)) {
        *where = loadedFrom;
        return maker;
    }
    const QString name = QStringLiteral("libvorlenza-spreadsheet.so");
    QString path = QDir(folders.constFirst()).filePath(name);
    for (const QString& folder : folders) {
        if (QFileInfo::exists(QDir(folder).filePath(name))) {
            path = QDir(folder).filePath(name);
            break;
        }
    }
    *where = QDir::toNativeSeparators(path);
    QPluginLoader loader(path);
    SpreadsheetMaker* loaded = qobject_cast<SpreadsheetMaker*>(loader.instance());
    if (loaded == nullptr) {
        *why = loader.errorString();
        return nullptr;
    }
    loadedFrom = QFileInfo(path).path();
    maker = loaded;
    return maker;
}

/// Why the workbook made in the temporary folder is not whole: `detail` is what libxlsxwriter said
/// (empty when it said nothing and reading the book back found it cut short), `largestFile` the
/// largest of its files that could be measured. libxlsxwriter does not see its own writes fail, so
/// the reason is found from outside.
QString makingProblem(const QString& detail, qint64 largestFile)
{
    // A file cut off at the size limit needed at least one byte more.
    const QString limit = sizeLimitProblem(largestFile + 1);
    if (!limit.isEmpty())
        return limit;
    QString reason = diskFullProblem();
    if (!detail.isEmpty())
        reason += QStringLiteral(" (%1)").arg(detail);
    return QCoreApplication::translate("ResultsSpreadsheet", "in the temporary folder “%1”, %2")
        .arg(QDir::toNativeSeparators(QDir::tempPath()), reason);
}

} // namespace

void spreadsheetPluginFolder(const QString& folder) { chosenPluginFolder() = folder; }

QByteArray resultsSpreadsheetContents(const ModelState& state, QString* problem)
{
    const auto fail = [problem](const QString& why) {
        if (problem != nullptr)
            *problem = why;
        return QByteArray();
    };
    QString where;
    QString why;
    const SpreadsheetMaker* maker = spreadsheetMaker(&where, &why);
    if (maker == nullptr)
        return fail(QCoreApplication::translate("ResultsSpreadsheet",
                                                "the part of Vorlenza that makes spreadsheets (%1) could not be "
                                                "loaded (%2); installing Vorlenza again brings it back")
                        .arg(where, why));
    const SpreadsheetMaking made = maker->make(state);
    switch (made.failure) {
    case SpreadsheetMaking::Failure::None: break;
    case SpreadsheetMaking::Failure::NoScratchFolder:
        return fail(QCoreApplication::translate("ResultsSpreadsheet", "no temporary folder could be made in “%1” (%2)")
                        .arg(QDir::toNativeSeparators(QDir::tempPath()), made.detail));
    case SpreadsheetMaking::Failure::NotWhole: return fail(makingProblem(made.detail, made.largestFile));
    case SpreadsheetMaking::Failure::Unreadable:
        return fail(QCoreApplication::translate("ResultsSpreadsheet",
                                                "the spreadsheet made in the temporary folder could not be read (%1)")
                        .arg(made.detail));
    }
    return made.bytes;
}

Outcome writeResultsSpreadsheet(const QString& path, const ModelState& state)
{
    // A name that cannot be written is told before the workbook is made.
    if (const QString problem = pathProblem(path); !problem.isEmpty())
        return {false, fileFailure(path, problem)};
    QString problem;
    const QByteArray bytes = resultsSpreadsheetContents(state, &problem);
    if (bytes.isEmpty())
        return {false, fileFailure(path, problem + earlierFileUnchanged())};
    return writeWholeFile(path, bytes);
}

QString resultsFileFilter() { return QCoreApplication::translate("ResultsSpreadsheet", "Results file (*)"); }
QString resultsSpreadsheetFilter() { return QCoreApplication::translate("ResultsSpreadsheet", "Spreadsheet (*.xlsx)"); }
QString resultsSaveFilters() { return resultsFileFilter() + QStringLiteral(";;") + resultsSpreadsheetFilter(); }

ResultsTarget resolveResultsTarget(const QString& typed, const QString& chosenFilter)
{
    if (typed.isEmpty())
        return {};
    const QLatin1String suffix(SpreadsheetSuffix);
    if (typed.endsWith(suffix, Qt::CaseInsensitive))
        return {typed, true};
    if (chosenFilter == resultsSpreadsheetFilter())
        return {typed + suffix, true};
    return {derivedResultsName(typed), false};
}

} // namespace vorlenza
