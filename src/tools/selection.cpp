#include "tools/selection.hpp"

#include <algorithm>

#include "document/plane.hpp"

namespace corvanth {

TRect SelectionBox(const SelectionCorners& s) {
    return {std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2) + 1, std::max(s.y1, s.y2) + 1};
}

TRect SelectionFrame(const SelectionCorners& s) {
    const TRect box = SelectionBox(s);
    return {kViewScale * box.left - 1, kViewScale * box.top - 1, kViewScale * box.right,
            kViewScale * box.bottom};
}

void DrawSelectionFrameOn(TCanvas view, const SelectionCorners& s) {
    const TRect frame = SelectionFrame(s);
    view.Brush() = {clWhite, TBrushStyle::bsSolid};
    view.FrameRect(frame);
    view.Brush() = {clBlack, TBrushStyle::bsDiagCross};
    view.FrameRect(frame);
}

namespace {
TRect Clip(const TRect& r, const Bitmap& b) {
    return Intersect(r, {0, 0, b.width(), b.height()});
}
TRect Offset(const TRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
}  // namespace

void DrawMovedBlock(TCanvas plane, const Bitmap& snapshot, const TRect& box, int dx, int dy, TColor hole) {
    plane.Brush() = {hole, TBrushStyle::bsSolid};
    plane.FillRect(box);
    // Only what lies inside the snapshot and lands inside the plane, however far the box has gone.
    const TRect to = Clip(Offset(Clip(box, snapshot), dx, dy), plane.bitmap());
    if (!to.empty()) plane.CopyRect(to, snapshot, Offset(to, -dx, -dy));
}

}  // namespace corvanth
