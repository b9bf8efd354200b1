#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>

namespace vorlenza {

struct ModelState;

/// What making the results workbook came to: the whole workbook, or why there is none.
struct SpreadsheetMaking {
    enum class Failure {
        None,
        NoScratchFolder, ///< no folder of its own in the system's temporary folder (`detail`: why)
        NotWhole,        ///< libxlsxwriter failed (`detail`: its words) or the book read back was cut short
        Unreadable,      ///< the finished book could not be read back (`detail`: why)
    };
    QByteArray bytes; ///< the whole workbook; empty unless `failure` is None
    Failure failure = Failure::None;
    QString detail;
    qint64 largestFile = 0; ///< NotWhole: the largest of the book's files that could be measured
};

/// The maker of the results workbook. It lives in a plugin of its own (libxlsxwriter, and libzip to
/// read the book back, come with it), which the program loads at the first spreadsheet save, so
/// that starting the program does not load them.
class SpreadsheetMaker {
public:
    virtual ~SpreadsheetMaker() = default;
    /// The workbook of `state` (see resultsSpreadsheetContents), made in the system's temporary
    /// folder and read back whole, or why it could not be.
    virtual SpreadsheetMaking make(const ModelState& state) const = 0;
};

} // namespace vorlenza

#define VorlenzaSpreadsheetMaker_iid "org.example.vorlenza.SpreadsheetMaker/1"
Q_DECLARE_INTERFACE(vorlenza::SpreadsheetMaker, VorlenzaSpreadsheetMaker_iid)
