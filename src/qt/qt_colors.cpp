#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, std::optional<TColor> seeThrough) {
    QImage image(bitmap.width(), bitmap.height(), seeThrough ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    CopyToQImage(bitmap, {0, 0, bitmap.width(), bitmap.height()}, image, seeThrough);
    return image;
}

void CopyToQImage(const Bitmap& bitmap, const TRect& r, QImage& image, std::optional<TColor> seeThrough) {
    for (int y = r.top; y < r.bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left; x < r.right; ++x) {
            const TColor c = bitmap.at(x, y);
            line[x] = seeThrough && c == *seeThrough ? 0u : ToQRgb(c);
        }
    }
}

}  // namespace corvanth::qt
