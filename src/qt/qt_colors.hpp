#pragma once
#include <QColor>
#include <QImage>

#include "app/artwork_inks.hpp"
#include "platform/bitmap.hpp"
#include "platform/tcolor.hpp"

namespace corvanth::qt {

// TColor keeps red in the low byte; QRgb keeps it in the third.
constexpr QRgb ToQRgb(TColor c) {
    return 0xFF000000u | Red(c) << 16 | Green(c) << 8 | Blue(c);
}
inline TColor FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}
inline QColor ToQColor(TColor c) {
    return QColor(Red(c), Green(c), Blue(c));
}

// A 1:1 copy of the bitmap.
QImage ToQImage(const Bitmap& bitmap);
// A 1:1 copy of the picture; see-through pixels become transparent.
QImage ToQImage(const InkBitmap& picture);
// Writes the rectangle r of the bitmap as opaque pixels to `to`, whose rows lie stride pixels apart.
void CopyPixels(const Bitmap& bitmap, const TRect& r, QRgb* to, qsizetype stride);
// The same for a picture in inks. With seeThrough, see-through pixels are skipped: what is below them
// stays.
void CopyPixels(const InkBitmap& picture, const TRect& r, QRgb* to, qsizetype stride, bool seeThrough);

}  // namespace corvanth::qt
