#include "document/composite.hpp"

#include <algorithm>
#include <array>
#include <span>

#include "document/plane.hpp"

namespace corvanth {

namespace {

constexpr TColor kCheckLight = 0xC8C8C8, kCheckDark = 0x989898;
constexpr int kHalf = kPlaneSize / 2;

TColor OverColour(TColor c, int a, TColor bg) {
    // Most pixels of a logo are opaque or clear, and need no blending.
    if (a == 255) return c & clWhite;
    if (a == 0) return bg;
    return RGB(Over(Red(c), a, Red(bg)), Over(Green(c), a, Green(bg)), Over(Blue(c), a, Blue(bg)));
}

// Preview pixel (x, y) of the tile: the four plane pixels it halves, each over the checkerboard, averaged.
TColor TilePixel(const Bitmap& rgb, const Bitmap& alpha, int x, int y) {
    const TColor bg = BackdropAt(Backdrop::Checkerboard, x, y);
    int r = 0, g = 0, b = 0;
    const int px = (x % kHalf) * 2, py = (y % kHalf) * 2;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            const TColor c = OverColour(rgb.at(px + dx, py + dy), Red(alpha.at(px + dx, py + dy)), bg);
            r += Red(c), g += Green(c), b += Blue(c);
        }
    return RGB((r + 2) / 4, (g + 2) / 4, (b + 2) / 4);
}

}  // namespace

TColor BackdropAt(Backdrop backdrop, int x, int y) {
    switch (backdrop) {
        case Backdrop::Black:
            return clBlack;
        case Backdrop::White:
            return clWhite;
        case Backdrop::Checkerboard:
        case Backdrop::Tile:
            break;
    }
    return (x / 4 + y / 4) % 2 ? kCheckDark : kCheckLight;
}

void Compose(Bitmap& preview, const Bitmap& rgb, const Bitmap& alpha, Backdrop backdrop, TRect changed) {
    if (preview.width() != kPlaneSize || preview.height() != kPlaneSize)
        preview = Bitmap(kPlaneSize, kPlaneSize), changed = {0, 0, kPlaneSize, kPlaneSize};
    const TRect area{std::max(changed.left, 0), std::max(changed.top, 0), std::min(changed.right, kPlaneSize),
                     std::min(changed.bottom, kPlaneSize)};
    if (area.empty()) return;
    // Each row is written only where it differs, so the preview repaints only what really changed.
    std::array<TColor, kPlaneSize> row{};
    const auto put = [&](int y, int left, int right) {
        preview.PutRow(y, left, std::span(row).first(static_cast<std::size_t>(right - left)));
    };
    if (backdrop != Backdrop::Tile) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                row[x - area.left] =
                    OverColour(rgb.at(x, y), Red(alpha.at(x, y)), BackdropAt(backdrop, x, y));
            put(y, area.left, area.right);
        }
        return;
    }
    // Each copy of the halved logo shows the changed pixels at half their position.
    const int left = area.left / 2, right = (area.right + 1) / 2;
    for (const int oy : {0, kHalf})
        for (const int ox : {0, kHalf})
            for (int y = area.top / 2; y < (area.bottom + 1) / 2; ++y) {
                for (int x = left; x < right; ++x) row[x - left] = TilePixel(rgb, alpha, ox + x, oy + y);
                put(oy + y, ox + left, ox + right);
            }
}

}  // namespace corvanth
