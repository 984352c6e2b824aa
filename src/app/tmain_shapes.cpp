#include "app/tmain.hpp"
#include "app/tool_steps.hpp"
#include "tools/shapes.hpp"

// Line, rectangle and ellipse: each move redraws the shape over the plane as it was at the press.
namespace corvanth {

namespace {
enum Shape { kLine, kRectangle, kEllipse };
}  // namespace

bool TMain::shapeNeedsDrawing(const ShapePreview& shape) {
    const bool shown = shapeShown_ == shape && shapeBase.Current(ActivePlane().Picture, state.AlphaMode);
    shapeShown_ = shape;
    return !shown;
}

// Each shape is drawn from what its preview is known by, so the check above and the drawing cannot differ.
void TMain::PreviewLine(int x1, int y1, int x2, int y2) {
    const ShapePreview s{kLine, {x1, y1}, {x2, y2}, PrimaryColor(), false, state.AlphaMode};
    if (shapeNeedsDrawing(s))
        DrawOverSnapshot(*this, shapeBase,
                         [&](TCanvas plane, const Bitmap&) { DrawLine(plane, s.from, s.to, s.colour); });
    RedrawView();
}

void TMain::PreviewRectangle(int x1, int y1, int x2, int y2) {
    const ShapePreview s{kRectangle, {x1, y1}, {x2, y2}, PrimaryColor(), chkFilled.Checked, state.AlphaMode};
    if (shapeNeedsDrawing(s))
        DrawOverSnapshot(*this, shapeBase, [&](TCanvas plane, const Bitmap&) {
            DrawRectangle(plane, s.from, s.to, s.colour, s.filled);
        });
    RedrawView();
}

// "Filled" counts for the ellipse too, although the box shows only under the rectangle.
void TMain::PreviewEllipse(int x1, int y1, int x2, int y2) {
    const ShapePreview s{kEllipse, {x1, y1}, {x2, y2}, PrimaryColor(), chkFilled.Checked, state.AlphaMode};
    if (shapeNeedsDrawing(s))
        DrawOverSnapshot(*this, shapeBase, [&](TCanvas plane, const Bitmap&) {
            DrawEllipse(plane, s.from, s.to, s.colour, s.filled);
        });
    RedrawView();
}

}  // namespace corvanth
