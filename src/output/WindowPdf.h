#pragma once

#include "Outcome.h"

#include <QPageLayout>
#include <QString>

class QPrinter;
class QWidget;

namespace vorlenza {

/// The page layout and resolution a window is printed with.
struct PrintPage {
    QPageLayout layout;
    int resolution = 1200; ///< dots per inch
};

/// The page of `printer`: what printWindow lays the window out on.
PrintPage pageOf(const QPrinter& printer);

/// The page a printer starts with when nothing is set up (Qt's own default paper and margins at
/// high resolution), for when there is no printer to take it from.
PrintPage defaultPrintPage();

/// The file a name typed for a window PDF stands for: the name itself when it ends in ".pdf" (in
/// any case); with ".pdf" added when it has no ending, or one that names no known type of file
/// ("run 1.draft"); empty when its ending names another type ("window.svg", "a.png"), so that PDF
/// bytes never go under another type's name.
QString windowPdfPath(const QString& typed);

/// Writes the page that printWindow would send for `window` on `page` to the PDF file `path`: the
/// window's client area scaled to fit the printable area and centred, charts as lines and text.
/// Written through writeWholeFile, so a failure leaves any earlier file as it was and no temporary
/// file; the error then names the file and the reason. Changes nothing on the window.
Outcome saveWindowAsPdf(QWidget& window, const QString& path, const PrintPage& page = defaultPrintPage());

} // namespace vorlenza
