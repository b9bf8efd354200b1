#pragma once

class QWidget;

namespace vorlenza {

/// Paints the style's focus frame just inside the edge of `plot` while it has the keyboard focus,
/// and nothing else (some styles also tint the area inside, which would hide a chart's colours).
/// For a plot's paintEvent, after the plot has painted itself; on screen only, so pages, window
/// PDFs and exported charts never show it.
void paintFocusFrame(QWidget& plot);

} // namespace vorlenza
