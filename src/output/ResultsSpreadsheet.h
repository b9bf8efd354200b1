#pragma once

#include "ResultsFile.h"

#include <QByteArray>
#include <QString>

namespace vorlenza {

struct ModelState;

/// The results as a spreadsheet (.xlsx): one sheet holding the two parameter lines as labelled
/// numbers, the header row of the results file and one row per day 0..simTime with the nine
/// columns of the results file as numbers, and two charts beside them: N1 and N2 against the day,
/// and N2 against N1 with both isoclines. Empty when the workbook could not be made; `problem`
/// then says why, in plain words. Locale-free: the numbers are typed cells, read the same by
/// every spreadsheet in every language.
QByteArray resultsSpreadsheetContents(const ModelState& state, QString* problem = nullptr);

/// Writes the spreadsheet to `path` whole or not at all, with the messages of writeResultsFile. The
/// workbook is made in the system's temporary folder and read back before it is saved: one that is
/// not whole (libxlsxwriter does not see its own writes there fail) is never saved, and the message
/// says why (the file size limit, a full disk or a folder that cannot be written).
Outcome writeResultsSpreadsheet(const QString& path, const ModelState& state);

/// Looks for the plugin that makes spreadsheets in `folder` alone from now on (an empty folder: where
/// the program is installed, else in the build tree). For tests of a plugin that is missing.
void spreadsheetPluginFolder(const QString& folder);

/// The two file types of the results' save dialog: the results file, first and the default, and
/// the spreadsheet. resultsSaveFilters joins them with ";;".
QString resultsFileFilter();
QString resultsSpreadsheetFilter();
QString resultsSaveFilters();

/// What a choice in the results' save dialog asks for.
struct ResultsTarget {
    QString path;             ///< the name to write to; empty when nothing is to be written
    bool spreadsheet = false; ///< the spreadsheet, written to the chosen name as it is
};

/// A typed name ending in ".xlsx" (any case), or the spreadsheet type chosen, gives the
/// spreadsheet, at the typed name (with ".xlsx" added when the type was chosen and the name lacks
/// it); anything else gives the results file, at derivedResultsName of the typed name (empty when
/// that name is too short). Nothing typed gives an empty path.
ResultsTarget resolveResultsTarget(const QString& typed, const QString& chosenFilter);

} // namespace vorlenza
