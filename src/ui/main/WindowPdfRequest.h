#pragma once

class QWidget;

namespace vorlenza {

class Session;

/// Asks for a PDF file name and saves `window` as the page printing would send; tells the user
/// when that fails. A cancelled dialog writes nothing. The page is the default printer's, or the
/// paper of the user's region when there is none or the print service does not answer. Reached from the chart menu's
/// "Save window as PDF…" and from the "Save as PDF…" a failed print offers.
void saveWindowAsPdfAsked(Session& session, QWidget& window);

} // namespace vorlenza
