// The plugin the program loads at its first spreadsheet save.

#include "SpreadsheetBook.h"

#include <QObject>

namespace vorlenza {

class SpreadsheetPlugin : public QObject, public SpreadsheetMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VorlenzaSpreadsheetMaker_iid)
    Q_INTERFACES(vorlenza::SpreadsheetMaker)

public:
    SpreadsheetMaking make(const ModelState& state) const override { return makeResultsSpreadsheet(state); }
};

} // namespace vorlenza

#include "SpreadsheetPlugin.moc"
