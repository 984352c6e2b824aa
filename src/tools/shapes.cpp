#include "tools/shapes.hpp"

namespace corvanth {

void DrawLine(TCanvas plane, TPoint from, TPoint to, TColor color) {
    plane.Pen().color = color;
    plane.MoveTo(from.x, from.y);
    plane.LineTo(to.x, to.y);
}

void DrawRectangle(TCanvas plane, TPoint a, TPoint b, TColor color, bool filled) {
    plane.Brush() = {color, TBrushStyle::bsSolid};
    const TRect box = NormalisedBox(a, b);
    filled ? plane.FillRect(box) : plane.FrameRect(box);
}

void DrawEllipse(TCanvas plane, TPoint a, TPoint b, TColor color, bool filled) {
    plane.Brush() = {color, filled ? TBrushStyle::bsSolid : TBrushStyle::bsClear};
    plane.Pen().color = color;
    const TRect box = NormalisedBox(a, b);
    plane.Ellipse(box.left, box.top, box.right, box.bottom);
}

}  // namespace corvanth
