#include "colour/swatch_panel.hpp"

namespace corvanth {

namespace {

void PaintFrame(TCanvas& panel, const FrameMask& mask, TPoint origin) {
    for (int r = 0; r < kFrameSide; ++r)
        for (int c = 0; c < kFrameSide; ++c) {
            const int v = mask[static_cast<std::size_t>(r * kFrameSide + c)];
            if (v != 0) panel.SetPixel(origin.x + c, origin.y + r, v == 1 ? clBlack : clWhite);
        }
}

void FillSwatch(TCanvas& panel, const TRect& rect, TColor color) {
    panel.Brush().color = color;
    panel.Brush().style = TBrushStyle::bsSolid;
    panel.FillRect(rect);
}

}  // namespace

SwatchHit HitSwatchPanel(int X, int Y) {
    if (kPrimarySwatchRect.containsInclusive(X, Y)) return SwatchHit::Primary;
    if (kSecondarySwatchRect.containsInclusive(X, Y)) return SwatchHit::Secondary;
    if (kSwapHitArea.containsInclusive(X, Y)) return SwatchHit::Swap;
    return SwatchHit::None;
}

void PaintSwatchPanel(TCanvas panel) {
    const int right = kPanelWidth - 1, bottom = kPanelHeight - 1;
    for (int x = 0; x <= right; ++x) panel.SetPixel(x, 0, kPanelEdgeLight);
    for (int x = 1; x <= right; ++x) panel.SetPixel(x, bottom, clBlack);
    for (int y = 0; y <= bottom; ++y) panel.SetPixel(0, y, kPanelEdgeLight);
    for (int y = 1; y <= bottom; ++y) panel.SetPixel(right, y, clBlack);
    for (int y = 1; y < bottom; ++y)
        for (int x = 1; x < right; ++x) panel.SetPixel(x, y, kPanelInside);
    for (int r = 0; r < static_cast<int>(kSwapArrowMask.size()); ++r)
        for (int c = 0; c < static_cast<int>(kSwapArrowMask[r].size()); ++c)
            if (kSwapArrowMask[r][c] == '#')
                panel.SetPixel(kSwapArrowOrigin.x + c, kSwapArrowOrigin.y + r, clBlack);
}

void PaintSwatches(TCanvas panel, int activeSwatch, const TRect& primaryRect, const TRect& secondaryRect,
                   TColor primary, TColor secondary) {
    const bool primaryActive = activeSwatch == 0;
    PaintFrame(panel, primaryActive ? kActiveFrameMask : kInactiveFrameMask, kPrimaryFrameOrigin);
    PaintFrame(panel, primaryActive ? kInactiveFrameMask : kActiveFrameMask, kSecondaryFrameOrigin);
    FillSwatch(panel, primaryRect, primary);
    FillSwatch(panel, secondaryRect, secondary);
}

}  // namespace corvanth
