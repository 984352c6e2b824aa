#pragma once
#include "platform/bitmap.hpp"
#include "platform/canvas.hpp"

namespace corvanth {

inline constexpr int kPlaneSize = 64;
inline constexpr int kViewScale = 4;
inline constexpr int kViewSize = kPlaneSize * kViewScale;

// View pixel to plane pixel; truncates toward zero, so -3..-1 still land on 0.
constexpr int ViewToPlane(int v) {
    return v / kViewScale;
}

// The view from the plane, with grid lines on every fourth column and row when asked: all of it, or only
// the given area of it (view pixels) when the caller knows the rest is as it should be. Only the pixels
// that differ from what the view showed count as changed.
void RedrawView(TCanvas view, const Bitmap& plane, bool grid, TRect area = {0, 0, kViewSize, kViewSize});

// For a view that showed the whole plane, grid and all, before some of its pixels in area (plane pixels)
// changed: repaints the cells that no longer show their pixel's colour, inside the grid lines, which stay
// as they are. A cell's top-left view pixel is never on a grid line or a selection frame, so one look
// per plane pixel tells.
void RedrawChangedCells(TCanvas view, const Bitmap& plane, bool grid, TRect area);

// One plane pixel's 4 by 4 cell, or its upper-left 3 by 3 when the grid is on.
void PaintCell(TCanvas view, int x, int y, TColor color, bool grid);

}  // namespace corvanth
