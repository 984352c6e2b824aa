#pragma once
#include "platform/canvas.hpp"

namespace corvanth {

// The selection's two corners in plane pixels, as dragged: both belong to it, in any order, and
// either may lie outside the plane.
struct SelectionCorners {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const SelectionCorners&, const SelectionCorners&) = default;
};

constexpr SelectionCorners Shifted(SelectionCorners s, int dx, int dy) {
    return {s.x1 + dx, s.y1 + dy, s.x2 + dx, s.y2 + dy};
}

// The selected pixels as a rectangle with right and bottom exclusive.
TRect SelectionBox(const SelectionCorners& s);

// The frame around the selected cells of the view: its left and top edges on the view column and row
// just before the first cell, its right and bottom edges on the last ones of the last cell.
TRect SelectionFrame(const SelectionCorners& s);

// White, then dotted with the black diagonal-cross hatch, so it reads on light and dark images.
void DrawSelectionFrameOn(TCanvas view, const SelectionCorners& s);

// Over a plane restored from the snapshot: the box's block shifted by (dx, dy), the hole it left in the
// hole colour. The block comes from the snapshot, as copying within one bitmap would smear.
void DrawMovedBlock(TCanvas plane, const Bitmap& snapshot, const TRect& box, int dx, int dy, TColor hole);

}  // namespace corvanth
