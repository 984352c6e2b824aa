#include "qt/qt_colors.hpp"

namespace corvanth::qt {

QImage ToQImage(const Bitmap& bitmap, bool keyTransparent) {
    const int w = bitmap.width(), h = bitmap.height();
    QImage image(w, h, keyTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (bitmap.empty()) return image;
    const TColor key = bitmap.at(0, h - 1);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const TColor c = bitmap.at(x, y);
            line[x] = keyTransparent && c == key ? 0u : ToQRgb(c);
        }
    }
    return image;
}

}  // namespace corvanth::qt
