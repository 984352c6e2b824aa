#include "document/plane.hpp"

namespace corvanth {

void RedrawView(TCanvas view, const Bitmap& plane, bool grid) {
    view.StretchDraw({0, 0, kViewSize, kViewSize}, plane);
    if (!grid) return;
    view.Pen().color = clBlack;
    for (int i = kViewScale - 1; i < kViewSize; i += kViewScale) {
        view.MoveTo(i, 0);
        view.LineTo(i, kViewSize - 1);
        view.MoveTo(0, i);
        view.LineTo(kViewSize - 1, i);
    }
}

void PaintCell(TCanvas view, int x, int y, TColor color, bool grid) {
    const int side = grid ? kViewScale - 1 : kViewScale;
    view.Brush().color = color;
    view.Brush().style = TBrushStyle::bsSolid;
    view.FillRect({kViewScale * x, kViewScale * y, kViewScale * x + side, kViewScale * y + side});
}

}  // namespace corvanth
