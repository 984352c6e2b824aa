#include <utility>

#include "app/tmain.hpp"
#include "colour/swatch_panel.hpp"
#include "platform/numeric.hpp"

// Colour panel: the slider-and-edit pairs keep each other in step through their nested change handlers.
namespace corvanth {

namespace {

constexpr int kChannelMax = 255;

// A slider moved: its edit box shows it, then the active colour follows the sliders.
void SliderChanged(TMain& form, const TTrackBar& bar, TEdit& edit) {
    edit.SetTextBuf(itoa(bar.Position()));
    form.UpdateColorFromSliders();
    form.DrawSwatches();
}

// An edit box changed: the slider takes the number (and clamps it); an oversized number is mended
// here because a slider already at its maximum reports no change.
void EditChanged(TMain& form, TEdit& edit, TTrackBar& bar) {
    const int n = atol(edit.Text());
    bar.SetPosition(n);
    if (n > kChannelMax) edit.SetTextBuf(itoa(kChannelMax));
    form.UpdateColorFromSliders();
    form.DrawSwatches();
}

}  // namespace

void TMain::UpdateColorFromSliders() {
    if (state.AlphaMode) {
        ActiveColor() = Grey(trbA.Position());
    } else {
        ActiveColor() = RGB(trbR.Position(), trbG.Position(), trbB.Position());
    }
}

void TMain::ShowColorInSliders() {
    // Each slider's handler rewrites the active colour, so work from a copy.
    TColor c = ActiveColor();
    if (state.AlphaMode) {
        trbA.SetPosition(static_cast<int>(c % 256));
        return;
    }
    trbR.SetPosition(static_cast<int>(c % 256));
    c /= 256;
    trbG.SetPosition(static_cast<int>(c % 256));
    c /= 256;
    trbB.SetPosition(static_cast<int>(c % 256));
}

void TMain::ShowSlidersInEdits() {
    if (state.AlphaMode) {
        edtA.SetTextBuf(itoa(trbA.Position()));
        return;
    }
    edtR.SetTextBuf(itoa(trbR.Position()));
    edtG.SetTextBuf(itoa(trbG.Position()));
    edtB.SetTextBuf(itoa(trbB.Position()));
}

void TMain::DrawSwatches() {
    PaintSwatches(imgColors.GetCanvas(), state.ActiveSwatch, state.PrimarySwatchRect,
                  state.SecondarySwatchRect, PrimaryColor(), SecondaryColor());
}

void TMain::DrawSwatchPanel() {
    PaintSwatchPanel(imgColors.GetCanvas());
}

void TMain::trbRChange() {
    SliderChanged(*this, trbR, edtR);
}
void TMain::trbGChange() {
    SliderChanged(*this, trbG, edtG);
}
void TMain::trbBChange() {
    SliderChanged(*this, trbB, edtB);
}
void TMain::trbAChange() {
    SliderChanged(*this, trbA, edtA);
}
void TMain::edtRChange() {
    EditChanged(*this, edtR, trbR);
}
void TMain::edtGChange() {
    EditChanged(*this, edtG, trbG);
}
void TMain::edtBChange() {
    EditChanged(*this, edtB, trbB);
}
// Also the handler of the text tool's box; it always works on the alpha pair.
void TMain::edtAChange() {
    EditChanged(*this, edtA, trbA);
}

void TMain::trbBrushSizeChange() {
    state.BrushSize = trbBrushSize.Position();
    edtBrushSize.SetTextBuf(itoa(trbBrushSize.Position()));
}

void TMain::edtBrushSizeChange() {
    const int n = atol(edtBrushSize.Text());
    trbBrushSize.SetPosition(n);
    if (n > trbBrushSize.Max) edtBrushSize.SetTextBuf(itoa(trbBrushSize.Max));
}

void TMain::imgColorsMouseDown(TMouseButton, int X, int Y) {
    const SwatchHit hit = HitSwatchPanel(X, Y);
    if (state.ActiveSwatch == 0 && hit == SwatchHit::Secondary) {
        state.ActiveSwatch = 1;
        ShowColorInSliders();
    } else if (state.ActiveSwatch == 1 && hit == SwatchHit::Primary) {
        state.ActiveSwatch = 0;
        ShowColorInSliders();
    } else if (hit == SwatchHit::Swap) {
        std::swap(PrimaryColor(), SecondaryColor());
        ShowColorInSliders();
    }
    // Always: the edit handlers recompose the active colour and redraw the frames.
    ShowSlidersInEdits();
}

void TMain::imgColorsDblClick() {
    if (cldColorDialog.Execute()) {
        ActiveColor() = cldColorDialog.Color;
        ShowColorInSliders();
    }
    // In alpha mode this leaves the grey of the chosen red byte.
    ShowSlidersInEdits();
}

}  // namespace corvanth
