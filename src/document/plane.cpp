#include "document/plane.hpp"

#include <algorithm>

namespace corvanth {

void RedrawView(TCanvas view, const Bitmap& plane, bool grid) {
    view.StretchDraw({0, 0, kViewSize, kViewSize}, plane);
    if (!grid) return;
    // Row by row rather than line by line, in one pass. Each line stops short of the view's last pixel,
    // so the bottom-right corner stays the picture's.
    // The whole view counts as changed once, instead of pixel by pixel.
    Bitmap& bitmap = view.bitmap();
    const auto pixels = bitmap.pixels({0, 0, kViewSize, kViewSize});
    for (int y = 0; y < kViewSize; ++y) {
        TColor* row = pixels.data() + static_cast<std::size_t>(y) * bitmap.width();
        if (y % kViewScale == kViewScale - 1) std::fill(row, row + kViewSize - 1, clBlack);
        if (y < kViewSize - 1)
            for (int x = kViewScale - 1; x < kViewSize; x += kViewScale) row[x] = clBlack;
    }
}

void PaintCell(TCanvas view, int x, int y, TColor color, bool grid) {
    const int side = grid ? kViewScale - 1 : kViewScale;
    view.Brush().color = color;
    view.Brush().style = TBrushStyle::bsSolid;
    view.FillRect({kViewScale * x, kViewScale * y, kViewScale * x + side, kViewScale * y + side});
}

}  // namespace corvanth
