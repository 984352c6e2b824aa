#include "app/control_tips.hpp"

#include <array>

#include "colour/swatch_panel.hpp"
#include "document/plane.hpp"
#include "tools/tool_palette.hpp"
#include "tools/tool_tips.hpp"

namespace corvanth {

namespace {

// The pictures whose tip is the same all over, one row each.
struct WholeTip {
    std::string_view control;
    std::string_view text;
};
constexpr std::array<WholeTip, 3> kWholeTips{{
    {"imgRGB", "Colour plane\nClick to edit the colour plane."},
    {"imgA", "Alpha plane\nClick to edit the alpha plane: black is transparent, white opaque."},
    {"imgComposite",
     "Preview\nThe logo as it will be used, seen through its alpha.\n"
     "Click for the next background: checkerboard, black, white, tiled."},
}};

// The swatch panel's parts, their hit areas made exclusive rectangles.
constexpr TRect Exclusive(const TRect& r) {
    return {r.left, r.top, r.right + 1, r.bottom + 1};
}
constexpr std::string_view kPrimaryTip =
    "Primary colour\nPainted by most tools.\n"
    "Click to change it with the sliders; double-click for the colour dialog.";
constexpr std::string_view kSecondaryTip =
    "Secondary colour\nPainted by the eraser; fills what a move leaves.\n"
    "Click to change it with the sliders; double-click for the colour dialog.";
constexpr std::string_view kSwapTip = "Exchange\nClick to swap the primary and secondary colours.";
constexpr std::string_view kPanelTip =
    "Colours of the plane being edited\n"
    "Click a swatch to change it with the sliders, double-click it for the colour dialog.\n"
    "Click the arrow to swap the two.";

std::optional<ControlTip> PaletteTip(int x, int y) {
    const auto tool = ToolAt(x, y);
    if (!tool) return std::nullopt;
    for (const ToolCell& cell : kToolCells)
        if (cell.id == *tool)
            return ControlTip{kToolTips[static_cast<std::size_t>(*tool)],
                              {cell.originX() + 1, cell.originY() + 1, cell.originX() + kToolCellWidth,
                               cell.originY() + kToolCellHeight}};
    return std::nullopt;
}

std::optional<ControlTip> SwatchPanelTip(int x, int y) {
    switch (HitSwatchPanel(x, y)) {
        case SwatchHit::Primary:
            return ControlTip{kPrimaryTip, Exclusive(kPrimarySwatchRect)};
        case SwatchHit::Secondary:
            return ControlTip{kSecondaryTip, Exclusive(kSecondarySwatchRect)};
        case SwatchHit::Swap:
            return ControlTip{kSwapTip, Exclusive(kSwapHitArea)};
        case SwatchHit::None:
            break;
    }
    return ControlTip{kPanelTip, {0, 0, kPanelWidth, kPanelHeight}};
}

}  // namespace

std::optional<ControlTip> TipAt(std::string_view control, int x, int y) {
    if (control == "imgToolbar") return PaletteTip(x, y);
    if (control == "imgColors") return SwatchPanelTip(x, y);
    for (const WholeTip& tip : kWholeTips)
        if (tip.control == control) return ControlTip{tip.text, {0, 0, kPlaneSize, kPlaneSize}};
    return std::nullopt;
}

}  // namespace corvanth
