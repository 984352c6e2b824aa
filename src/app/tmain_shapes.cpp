#include "app/tmain.hpp"
#include "app/tool_steps.hpp"
#include "tools/shapes.hpp"

// Line, rectangle and ellipse: each move redraws the shape over the plane as it was at the press.
namespace corvanth {

void TMain::PreviewLine(int x1, int y1, int x2, int y2) {
    DrawOverSnapshot(*this, shapeBase, [&](TCanvas plane, const Bitmap&) {
        DrawLine(plane, {x1, y1}, {x2, y2}, PrimaryColor());
    });
    RedrawView();
}

void TMain::PreviewRectangle(int x1, int y1, int x2, int y2) {
    DrawOverSnapshot(*this, shapeBase, [&](TCanvas plane, const Bitmap&) {
        DrawRectangle(plane, {x1, y1}, {x2, y2}, PrimaryColor(), chkFilled.Checked);
    });
    RedrawView();
}

// "Filled" counts for the ellipse too, although the box shows only under the rectangle.
void TMain::PreviewEllipse(int x1, int y1, int x2, int y2) {
    DrawOverSnapshot(*this, shapeBase, [&](TCanvas plane, const Bitmap&) {
        DrawEllipse(plane, {x1, y1}, {x2, y2}, PrimaryColor(), chkFilled.Checked);
    });
    RedrawView();
}

}  // namespace corvanth
