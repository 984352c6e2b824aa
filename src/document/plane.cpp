#include "document/plane.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace corvanth {

void RedrawView(TCanvas view, const Bitmap& plane, bool grid, TRect area) {
    // Planes are 64 by 64 for the program's whole life.
    if (plane.width() != kPlaneSize || plane.height() != kPlaneSize) return;
    Bitmap& bitmap = view.bitmap();
    area = Intersect(area, {0, 0, std::min(bitmap.width(), kViewSize), std::min(bitmap.height(), kViewSize)});
    if (area.empty()) return;
    // Row by row, each written only where it differs from what the view shows: a preview that moves a few
    // plane pixels repaints only their cells.
    const auto left = static_cast<std::size_t>(area.left), width = static_cast<std::size_t>(area.width());
    std::array<TColor, kViewSize> cells{}, lined{};
    bitmap.PutRows(area.top, area.bottom, area.left, [&](int y) {
        // The cells of the plane pixels the area reaches, once per plane row.
        if (y == area.top || y % kViewScale == 0) {
            const TColor* from =
                plane.pixels().data() + static_cast<std::size_t>(y / kViewScale) * kPlaneSize;
            for (int x = area.left / kViewScale; x * kViewScale < area.right; ++x)
                std::fill_n(cells.begin() + x * kViewScale, kViewScale, from[x]);
        }
        std::span<const TColor> row = std::span(cells).subspan(left, width);
        if (grid) {
            std::ranges::copy(row, lined.begin() + area.left);
            // Each line stops short of the view's last pixel, so the bottom-right corner stays the picture's.
            if (y % kViewScale == kViewScale - 1)
                std::fill(lined.begin() + area.left, lined.begin() + std::min(area.right, kViewSize - 1),
                          clBlack);
            if (y < kViewSize - 1)
                for (int x = area.left / kViewScale * kViewScale + kViewScale - 1; x < area.right;
                     x += kViewScale)
                    lined[x] = clBlack;
            row = std::span(lined).subspan(left, width);
        }
        return row;
    });
}

void RedrawChangedCells(TCanvas view, const Bitmap& plane, bool grid, TRect area) {
    Bitmap& bitmap = view.bitmap();
    if (plane.width() != kPlaneSize || plane.height() != kPlaneSize) return;
    if (bitmap.width() != kViewSize || bitmap.height() != kViewSize) return RedrawView(view, plane, grid);
    area = Intersect(area, {0, 0, kPlaneSize, kPlaneSize});
    const int side = grid ? kViewScale - 1 : kViewScale;
    const std::span<const TColor> shown = std::as_const(bitmap).pixels();
    for (int y = area.top; y < area.bottom; ++y) {
        const TColor* from = plane.pixels().data() + static_cast<std::size_t>(y) * kPlaneSize;
        const TColor* top = shown.data() + static_cast<std::size_t>(y) * kViewScale * kViewSize;
        // Each run of changed cells in the row counts as changed in one piece.
        for (int x = area.left; x < area.right;) {
            if (from[x] == top[x * kViewScale]) {
                ++x;
                continue;
            }
            const int run = x;
            while (x < area.right && from[x] != top[x * kViewScale]) ++x;
            const std::span<TColor> to = bitmap.pixels(
                {run * kViewScale, y * kViewScale, (x - 1) * kViewScale + side, y * kViewScale + side});
            for (int row = y * kViewScale; row < y * kViewScale + side; ++row)
                for (int cell = run; cell < x; ++cell)
                    std::fill_n(to.begin() + row * kViewSize + cell * kViewScale, side, from[cell]);
        }
    }
    // The grid lines stop short of the view's last pixel, which shows the last plane pixel.
    if (grid && !area.empty() && area.right == kPlaneSize && area.bottom == kPlaneSize)
        bitmap.PutRow(kViewSize - 1, kViewSize - 1, plane.pixels().last(1));
}

void PaintCell(TCanvas view, int x, int y, TColor color, bool grid) {
    const int side = grid ? kViewScale - 1 : kViewScale;
    view.Brush().color = color;
    view.Brush().style = TBrushStyle::bsSolid;
    view.FillRect({kViewScale * x, kViewScale * y, kViewScale * x + side, kViewScale * y + side});
}

}  // namespace corvanth
