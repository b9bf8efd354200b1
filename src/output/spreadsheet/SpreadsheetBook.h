#pragma once

#include "SpreadsheetMaker.h"

namespace vorlenza {

/// The results workbook of `state`, made by libxlsxwriter in a folder of its own in the system's
/// temporary folder and read back before it is handed out (see SpreadsheetMaker).
SpreadsheetMaking makeResultsSpreadsheet(const ModelState& state);

} // namespace vorlenza
