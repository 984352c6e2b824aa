#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, std::optional<TColor> seeThrough) {
    // Premultiplied, which Qt draws without a conversion; it is the same as plain alpha here, since
    // every pixel is either opaque or wholly transparent.
    QImage image(bitmap.width(), bitmap.height(),
                 seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    CopyToQImage(bitmap, {0, 0, bitmap.width(), bitmap.height()}, image, seeThrough);
    return image;
}

void CopyToQImage(const Bitmap& bitmap, const TRect& r, QImage& image, std::optional<TColor> seeThrough) {
    const auto width = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y) {
        const TColor* from = bitmap.pixels().data() + static_cast<std::size_t>(y) * bitmap.width() + r.left;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y - r.top));
        // Two plain loops over locals, so that the common one without a see-through colour vectorises.
        if (seeThrough) {
            const TColor clear = *seeThrough;
            for (std::size_t x = 0; x < width; ++x) to[x] = from[x] == clear ? 0u : ToQRgb(from[x]);
        } else {
            for (std::size_t x = 0; x < width; ++x) to[x] = ToQRgb(from[x]);
        }
    }
}

}  // namespace corvanth::qt
