#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "app/artwork.hpp"
#include "app/tmain.hpp"
#include "document/composite.hpp"
#include "document/plane.hpp"
#include "document/readout.hpp"
#include "platform/line_walk.hpp"

// Our additions around the view: the composite preview, the active plane's marker and the readout.
namespace corvanth {

void TMain::RefreshPreviews() {
    Bitmap& rgb = imgRGB.GetCanvas().bitmap();
    Bitmap& alpha = imgA.GetCanvas().bitmap();
    const bool whole = imgComposite.Picture.empty() || composedBackdrop_ != state.CompositeBackdrop;
    Bitmap& composite = imgComposite.GetCanvas().bitmap();
    // Both planes are always taken, so a whole recompose leaves no stale changes for the next one.
    const TRect changed[] = {rgb.TakeChanged(Bitmap::Watcher::Derived),
                             alpha.TakeChanged(Bitmap::Watcher::Derived)};
    if (whole) {
        Compose(composite, rgb, alpha, state.CompositeBackdrop, {0, 0, kPlaneSize, kPlaneSize});
        composedBackdrop_ = state.CompositeBackdrop;
    } else {
        for (const TRect& r : changed) Compose(composite, rgb, alpha, state.CompositeBackdrop, r);
    }
    if (markedAlphaMode_ != state.AlphaMode) {
        MarkActivePlane(*this);
        markedAlphaMode_ = state.AlphaMode;
    }
}

void TMain::imgCompositeClick() {
    state.CompositeBackdrop =
        static_cast<Backdrop>((static_cast<int>(state.CompositeBackdrop) + 1) % kBackdropCount);
    RefreshPreviews();
}

void TMain::ShowReadout(int X, int Y) {
    std::optional<TPoint> pixel;
    TColor rgb = clBlack;
    int alpha = 0;
    if (X >= 0 && Y >= 0 && X < kViewSize && Y < kViewSize) {
        pixel = TPoint{ViewToPlane(X), ViewToPlane(Y)};
        rgb = imgRGB.GetCanvas().bitmap().GetPixel(pixel->x, pixel->y);
        alpha = Red(imgA.GetCanvas().bitmap().GetPixel(pixel->x, pixel->y));
    }
    // The size of what the release leaves: a rectangle's and an ellipse's box leaves out its far row and
    // column, a line its end pixel; a selection holds both of its corners.
    std::optional<DragSize> drag;
    const int tool = state.CurrentTool;
    const TPoint at{ViewToPlane(X), ViewToPlane(Y)};
    if (state.ButtonHeld) {
        const TPoint from = state.DragStart;
        const TPoint corner{state.SelectionRect.x1, state.SelectionRect.y1};
        if (tool == Rectangle || tool == Ellipse) {
            drag = DragSize{std::abs(at.x - from.x), std::abs(at.y - from.y)};
        } else if (tool == Line) {
            const TRect box = LinePixelBox(from, at);
            drag = DragSize{box.width(), box.height()};
        } else if (tool == Select) {
            drag = DragSize{std::abs(at.x - corner.x) + 1, std::abs(at.y - corner.y) + 1};
        }
    }
    setReadout(ReadoutText(pixel, rgb, alpha, state.AlphaMode != 0, drag));
}

void TMain::HideReadout() {
    setReadout({});
}

void TMain::setReadout(std::string text) {
    if (text == readout_ && !Image4.Picture.empty()) return;
    PaintReadout(*this, readout_, text);
    readout_ = std::move(text);
}

}  // namespace corvanth
