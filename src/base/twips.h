#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vorlenza {

/// Every position and size of the windows is designed in twips (1440 per inch). They become
/// device-independent pixels here and only here: 15 twips per pixel, so the windows keep their
/// proportions on any screen and at any scale factor.
namespace twips {

constexpr int PerPixel = 15;

/// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int px(int t) { return t >= 0 ? (t + PerPixel / 2) / PerPixel : -((-t + PerPixel / 2) / PerPixel); }

/// Pixels back to twips (for rules stated in twips, such as centring a picture).
constexpr int fromPx(int p) { return p * PerPixel; }

inline QRect rect(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

inline QSize size(int width, int height) { return QSize(px(width), px(height)); }

inline QPoint point(int left, int top) { return QPoint(px(left), px(top)); }

} // namespace twips

} // namespace vorlenza
