#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, std::optional<TColor> seeThrough) {
    // Premultiplied, which Qt draws without a conversion; it is the same as plain alpha here, since
    // every pixel is either opaque or wholly transparent.
    QImage image(bitmap.width(), bitmap.height(),
                 seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (seeThrough) image.fill(Qt::transparent);
    CopyPixels(bitmap, {0, 0, bitmap.width(), bitmap.height()}, reinterpret_cast<QRgb*>(image.bits()),
               image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), seeThrough);
    return image;
}

void CopyPixels(const Bitmap& bitmap, const TRect& r, QRgb* to, qsizetype stride,
                std::optional<TColor> seeThrough) {
    const auto width = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y, to += stride) {
        const TColor* from = bitmap.pixels().data() + static_cast<std::size_t>(y) * bitmap.width() + r.left;
        // Two plain loops over locals, so that both vectorise; the see-through one keeps what is below a
        // see-through pixel by writing it back (a select) rather than skipping it (a branch).
        if (seeThrough) {
            const TColor clear = *seeThrough;
            for (std::size_t x = 0; x < width; ++x) to[x] = from[x] == clear ? to[x] : ToQRgb(from[x]);
        } else {
            for (std::size_t x = 0; x < width; ++x) to[x] = ToQRgb(from[x]);
        }
    }
}

}  // namespace corvanth::qt
