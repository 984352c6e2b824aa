#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "app/artwork.hpp"
#include "app/tmain.hpp"
#include "document/composite.hpp"
#include "document/plane.hpp"
#include "document/readout.hpp"

// Our additions around the view: the composite preview, the active plane's marker and the readout.
namespace corvanth {

void TMain::RefreshPreviews() {
    Bitmap& rgb = imgRGB.GetCanvas().bitmap();
    Bitmap& alpha = imgA.GetCanvas().bitmap();
    const bool whole = imgComposite.Picture.empty() || composedBackdrop_ != state.CompositeBackdrop;
    Bitmap& composite = imgComposite.GetCanvas().bitmap();
    // Both planes are always taken, so a whole recompose leaves no stale changes for the next one.
    const ChangedArea changed[] = {rgb.TakeChanged(Bitmap::Watcher::Derived),
                                   alpha.TakeChanged(Bitmap::Watcher::Derived)};
    if (whole) {
        Compose(composite, rgb, alpha, state.CompositeBackdrop, {0, 0, kPlaneSize, kPlaneSize});
        composedBackdrop_ = state.CompositeBackdrop;
    } else {
        for (const ChangedArea& area : changed)
            for (const TRect& r : area.Rects()) Compose(composite, rgb, alpha, state.CompositeBackdrop, r);
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
    // Shapes measure from their press pixel, a selection from its first corner; both to the pointer's pixel.
    std::optional<DragSize> drag;
    const int tool = state.CurrentTool;
    if (state.ButtonHeld && (tool == Rectangle || tool == Ellipse || tool == Line || tool == Select)) {
        const TPoint from =
            tool == Select ? TPoint{state.SelectionRect.x1, state.SelectionRect.y1} : state.DragStart;
        const int x = ViewToPlane(X), y = ViewToPlane(Y);
        drag = DragSize{std::abs(x - from.x) + 1, std::abs(y - from.y) + 1};
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
