#include "document/plane.hpp"

#include <algorithm>
#include <array>
#include <span>

namespace corvanth {

void RedrawView(TCanvas view, const Bitmap& plane, bool grid, TRect changed) {
    // Planes are 64 by 64 for the program's whole life.
    if (plane.width() != kPlaneSize || plane.height() != kPlaneSize) return;
    // Row by row, each written only where it differs from what the view shows: a preview that moves a few
    // plane pixels repaints only their cells.
    Bitmap& bitmap = view.bitmap();
    const auto width = static_cast<std::size_t>(std::min(bitmap.width(), kViewSize));
    std::array<TColor, kViewSize> cells{}, lined{};
    const int top = std::max(changed.top, 0) * kViewScale;
    const int bottom = std::min({changed.bottom * kViewScale, bitmap.height(), kViewSize});
    for (int y = top; y < bottom; ++y) {
        if (y % kViewScale == 0) {
            const TColor* from =
                plane.pixels().data() + static_cast<std::size_t>(y / kViewScale) * kPlaneSize;
            TColor* to = cells.data();
            for (int x = 0; x < kPlaneSize; ++x, to += kViewScale)
                for (int i = 0; i < kViewScale; ++i) to[i] = from[x];
        }
        std::span<const TColor> row = cells;
        if (grid) {
            lined = cells;
            // Each line stops short of the view's last pixel, so the bottom-right corner stays the picture's.
            if (y % kViewScale == kViewScale - 1) std::fill(lined.begin(), lined.end() - 1, clBlack);
            if (y < kViewSize - 1)
                for (int x = kViewScale - 1; x < kViewSize; x += kViewScale) lined[x] = clBlack;
            row = lined;
        }
        bitmap.PutRow(y, 0, row.first(width));
    }
}

void PaintCell(TCanvas view, int x, int y, TColor color, bool grid) {
    const int side = grid ? kViewScale - 1 : kViewScale;
    view.Brush().color = color;
    view.Brush().style = TBrushStyle::bsSolid;
    view.FillRect({kViewScale * x, kViewScale * y, kViewScale * x + side, kViewScale * y + side});
}

}  // namespace corvanth
