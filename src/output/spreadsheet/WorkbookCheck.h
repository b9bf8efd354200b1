#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace vorlenza {

/// What reading a finished workbook back found.
struct WorkbookCheck {
    /// The zip opens and holds exactly the parts asked for, each whole (its checksum right and its
    /// XML closed), and the sheet ends with the row asked for.
    bool whole = false;
    qint64 largestPart = 0; ///< the largest part unpacked, in bytes, of those that could be read
};

/// Reads the bytes of a workbook (.xlsx, a zip of XML parts) back through libzip: `parts` are the
/// names it must hold, `sheetPart` the one of them whose last row must be `lastRow` (counted from 1,
/// as the sheet's XML counts). A part cut off anywhere, a damaged or missing part or a zip that does
/// not open makes the book not whole.
WorkbookCheck checkWorkbook(const QByteArray& book, const QByteArrayList& parts, const QByteArray& sheetPart,
                            quint32 lastRow);

} // namespace vorlenza
