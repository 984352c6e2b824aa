#include "qt/qt_colors.hpp"

#include <array>
#include <cstddef>
#include <cstring>

namespace corvanth::qt {

namespace {

constexpr std::array<QRgb, kInkColours.size()> kInkRgb = [] {
    std::array<QRgb, kInkColours.size()> rgb{};
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = ToQRgb(kInkColours[i]);
    return rgb;
}();

}  // namespace

QImage ToQImage(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    CopyPixels(bitmap, {0, 0, bitmap.width(), bitmap.height()}, reinterpret_cast<QRgb*>(image.bits()),
               image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)));
    return image;
}

QImage ToQImage(const InkBitmap& picture) {
    // Premultiplied, which Qt draws without a conversion; it is the same as plain alpha here, since
    // every pixel is either opaque or wholly transparent.
    QImage image(picture.width(), picture.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    CopyPixels(picture, {0, 0, picture.width(), picture.height()}, reinterpret_cast<QRgb*>(image.bits()),
               image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), true);
    return image;
}

void CopyPixels(const Bitmap& bitmap, const TRect& r, QRgb* to, qsizetype stride) {
    const auto width = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y, to += stride) {
        // A plain loop over locals, so that it vectorises.
        const TColor* from = bitmap.pixels().data() + static_cast<std::size_t>(y) * bitmap.width() + r.left;
        for (std::size_t x = 0; x < width; ++x) to[x] = ToQRgb(from[x]);
    }
}

void CopyPixels(const InkBitmap& picture, const TRect& r, QRgb* to, qsizetype stride, bool seeThrough) {
    const auto width = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y, to += stride) {
        const Ink* from = picture.pixels().data() + static_cast<std::size_t>(y) * picture.width() + r.left;
        const auto ink = [from](std::size_t x) { return static_cast<std::size_t>(from[x]); };
        // A row with nothing see-through in it, like the readout's band, takes the plain loop.
        if (seeThrough && std::memchr(from, static_cast<int>(Ink::SeeThrough), width)) {
            constexpr auto clear = static_cast<std::size_t>(Ink::SeeThrough);
            for (std::size_t x = 0; x < width; ++x) to[x] = ink(x) == clear ? to[x] : kInkRgb[ink(x)];
        } else {
            for (std::size_t x = 0; x < width; ++x) to[x] = kInkRgb[ink(x)];
        }
    }
}

}  // namespace corvanth::qt
