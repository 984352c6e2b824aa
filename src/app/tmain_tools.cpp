#include <array>

#include "app/tmain.hpp"
#include "document/plane.hpp"
#include "tools/plane_tools.hpp"
#include "tools/stamps.hpp"
#include "tools/tool_icons.hpp"
#include "tools/tool_palette.hpp"

// Tool palette, brush stamps and the view's mouse handlers.
namespace corvanth {

namespace {

void Stamp(TMain& form, int x, int y, TImage& plane, TColor color, const std::array<BrushMask, 8>& masks,
           StampInk ink) {
    const auto mask = MaskForSize(masks, form.state.BrushSize);
    if (!mask) return;
    ApplyMask(plane.GetCanvas().bitmap(), x, y, *mask, color, ink,
              [&form](int px, int py, TColor c) { form.PaintCell(px, py, c); });
}

// What one tool does on the view: press, move with the button held, release. The common press steps
// (ButtonHeld, the undo copy) are done by the handlers before these run.
struct ToolActions {
    void (*press)(TMain&, int x, int y);
    void (*move)(TMain&, int x, int y);
    void (*release)(TMain&, int x, int y);
};

void Nothing(TMain&, int, int) {}

void PencilAt(TMain& f, int x, int y) {
    f.StampSolid(x, y, f.ActivePlane(), f.PrimaryColor());
}
void BrushAt(TMain& f, int x, int y) {
    f.StampSoft(x, y, f.ActivePlane(), f.PrimaryColor());
}
void SprayAt(TMain& f, int x, int y) {
    f.StampScatter(x, y, f.ActivePlane(), f.PrimaryColor());
}
void EraserAt(TMain& f, int x, int y) {
    f.StampSolid(x, y, f.ActivePlane(), f.SecondaryColor());
}

void PickAt(TMain& f, int x, int y) {
    const auto picked = PickColor(f.ActivePlane().GetCanvas().bitmap(), x, y);
    if (!picked) return;
    f.ActiveColor() = *picked;
    f.ShowColorInSliders();
    f.ShowSlidersInEdits();
    f.UpdateColorFromSliders();
    f.DrawSwatches();
}

void FillAt(TMain& f, int x, int y) {
    FillRegion(f.ActivePlane().GetCanvas(), x, y, f.PrimaryColor());
    f.RedrawView();
}

// Indexed by tool id. Shapes, text, selection and move get their actions with those tools.
constexpr std::array<ToolActions, kToolCount> kToolActions{{
    {PencilAt, PencilAt, Nothing},  // Pencil
    {BrushAt, BrushAt, Nothing},    // Brush
    {SprayAt, SprayAt, Nothing},    // Spray
    {PickAt, PickAt, Nothing},      // ColorPicker
    {FillAt, Nothing, Nothing},     // Fill
    {EraserAt, EraserAt, Nothing},  // Eraser
    {Nothing, Nothing, Nothing},    // Ellipse
    {Nothing, Nothing, Nothing},    // Rectangle
    {Nothing, Nothing, Nothing},    // Text
    {Nothing, Nothing, Nothing},    // Select
    {Nothing, Nothing, Nothing},    // Move
    {Nothing, Nothing, Nothing},    // Line
}};

const ToolActions& ActionsOf(int tool) {
    static constexpr ToolActions kNone{Nothing, Nothing, Nothing};
    if (tool < 0 || tool >= kToolCount) return kNone;
    return kToolActions[static_cast<std::size_t>(tool)];
}

}  // namespace

void TMain::imgToolbarMouseDown(TMouseButton, int X, int Y) {
    if (const auto tool = ToolAt(X, Y)) {
        state.CurrentTool = *tool;
        const ToolOptions options = OptionsFor(*tool);
        options.brushSize ? ShowBrushSizeControls() : HideBrushSizeControls();
        options.filled ? ShowFilledOption() : HideFilledOption();
    }
    HideTextEdit();
    DrawToolFrames();
}

void TMain::DrawToolIcons() {
    PaintToolIcons(imgToolbar.GetCanvas());
}
void TMain::DrawToolFrames() {
    PaintToolFrames(imgToolbar.GetCanvas(), state.CurrentTool);
}

void TMain::ShowBrushSizeControls() {
    lblBrushSize.SetVisible(true);
    edtBrushSize.SetVisible(true);
    trbBrushSize.SetVisible(true);
}
void TMain::HideBrushSizeControls() {
    lblBrushSize.SetVisible(false);
    edtBrushSize.SetVisible(false);
    trbBrushSize.SetVisible(false);
}
void TMain::ShowFilledOption() {
    chkFilled.SetVisible(true);
}
void TMain::HideFilledOption() {
    chkFilled.SetVisible(false);
}
void TMain::ShowTextEdit() {
    edtText.SetVisible(true);
}
void TMain::HideTextEdit() {
    edtText.SetVisible(false);
}

void TMain::StampSolid(int x, int y, TImage& plane, TColor color) {
    Stamp(*this, x, y, plane, color, kSolidMasks, StampInk::Set);
}
void TMain::StampSoft(int x, int y, TImage& plane, TColor color) {
    Stamp(*this, x, y, plane, color, kSoftMasks, StampInk::Blend);
}
void TMain::StampScatter(int x, int y, TImage& plane, TColor color) {
    Stamp(*this, x, y, plane, color, kScatterMasks, StampInk::Blend);
}

void TMain::imgMainMouseDown(TMouseButton, int X, int Y) {
    // Every press, whatever the tool and button, holds the button and takes the undo copy first.
    state.ButtonHeld = 1;
    SaveUndo();
    ActionsOf(state.CurrentTool).press(*this, ViewToPlane(X), ViewToPlane(Y));
    // The selection frame is redrawn here once selections are drawn on the view.
}

void TMain::imgMainMouseMove(int X, int Y) {
    // No interpolation: each event acts at its own pixel only, so a fast drag leaves gaps.
    if (state.ButtonHeld == 1) ActionsOf(state.CurrentTool).move(*this, ViewToPlane(X), ViewToPlane(Y));
    // Unless the tool is Move, the selection frame is redrawn here, with or without a button.
}

void TMain::imgMainMouseUp(TMouseButton, int X, int Y) {
    state.ButtonHeld = 0;
    ActionsOf(state.CurrentTool).release(*this, ViewToPlane(X), ViewToPlane(Y));
}

}  // namespace corvanth
