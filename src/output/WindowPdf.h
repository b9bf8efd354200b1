#pragma once

#include "Outcome.h"

#include <QPageLayout>
#include <QString>

class QLocale;
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

/// The page for when no printer gives one: the paper of `locale`'s region (Letter where it is the
/// usual paper, A4 elsewhere) with the margins and resolution of Qt's printers as they start (10 pt,
/// 1200 dots per inch). Made without a QPrinter, which would ask the print service.
PrintPage regionalPrintPage(const QLocale& locale);
/// The same for the user's region.
PrintPage regionalPrintPage();

/// The file a name typed for a window PDF stands for: the name itself when it ends in ".pdf" (in
/// any case); with ".pdf" added when it has no ending, or one that names no known type of file
/// ("run 1.draft"); empty when its ending names another type ("window.svg", "a.png"), so that PDF
/// bytes never go under another type's name.
QString windowPdfPath(const QString& typed);

/// Writes the page that printWindow would send for `window` on `page` to the PDF file `path`: the
/// window's client area scaled to fit the printable area and centred, charts as lines and text.
/// Written through writeWholeFile, so a failure leaves any earlier file as it was and no temporary
/// file; the error then names the file and the reason. Changes nothing on the window.
Outcome saveWindowAsPdf(QWidget& window, const QString& path, const PrintPage& page = regionalPrintPage());

} // namespace vorlenza
