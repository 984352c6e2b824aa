#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, std::optional<TColor> seeThrough) {
    const int w = bitmap.width(), h = bitmap.height();
    QImage image(w, h, seeThrough ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const TColor c = bitmap.at(x, y);
            line[x] = seeThrough && c == *seeThrough ? 0u : ToQRgb(c);
        }
    }
    return image;
}

}  // namespace corvanth::qt
