#include <algorithm>
#include <cstdlib>
#include <optional>

#include "app/artwork.hpp"
#include "app/tmain.hpp"
#include "document/composite.hpp"
#include "document/plane.hpp"
#include "document/readout.hpp"

// Our additions around the view: the composite preview, the active plane's marker and the readout.
namespace corvanth {

void TMain::RefreshPreviews() {
    const Bitmap& rgb = imgRGB.GetCanvas().bitmap();
    const Bitmap& alpha = imgA.GetCanvas().bitmap();
    const bool whole = imgComposite.Picture.empty() || composedBackdrop_ != state.CompositeBackdrop;
    // The write counters say cheaply whether either plane was touched at all since the last compose.
    const bool touched = rgb.changes() != composedRgbChanges_ || alpha.changes() != composedAlphaChanges_;
    TRect changed{0, 0, kPlaneSize, kPlaneSize};
    if (!whole && !touched) {
        changed = {};
    } else if (!whole) {
        const TRect a = ChangedArea(composedRgb_, rgb), b = ChangedArea(composedAlpha_, alpha);
        changed = a.empty()   ? b
                  : b.empty() ? a
                              : TRect{std::min(a.left, b.left), std::min(a.top, b.top),
                                      std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
    }
    if (!changed.empty()) {
        Compose(imgComposite.GetCanvas().bitmap(), rgb, alpha, state.CompositeBackdrop, changed);
        composedRgb_ = rgb;
        composedAlpha_ = alpha;
        composedBackdrop_ = state.CompositeBackdrop;
    }
    composedRgbChanges_ = rgb.changes();
    composedAlphaChanges_ = alpha.changes();
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
    readout_ = ReadoutText(pixel, rgb, alpha, state.AlphaMode != 0, drag);
    PaintReadout(*this, readout_);
}

void TMain::HideReadout() {
    readout_.clear();
    PaintReadout(*this, readout_);
}

}  // namespace corvanth
