#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, std::optional<TColor> seeThrough) {
    QImage image(bitmap.width(), bitmap.height(), seeThrough ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    CopyToQImage(bitmap, {0, 0, bitmap.width(), bitmap.height()}, image, seeThrough);
    return image;
}

void CopyToQImage(const Bitmap& bitmap, const TRect& r, QImage& image, std::optional<TColor> seeThrough) {
    const std::size_t left = static_cast<std::size_t>(r.left), right = static_cast<std::size_t>(r.right);
    for (int y = r.top; y < r.bottom; ++y) {
        const TColor* from = bitmap.pixels().data() + static_cast<std::size_t>(y) * bitmap.width();
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Two plain loops over locals, so that the common one without a see-through colour vectorises.
        if (seeThrough) {
            const TColor clear = *seeThrough;
            for (std::size_t x = left; x < right; ++x) to[x] = from[x] == clear ? 0u : ToQRgb(from[x]);
        } else {
            for (std::size_t x = left; x < right; ++x) to[x] = ToQRgb(from[x]);
        }
    }
}

}  // namespace corvanth::qt
