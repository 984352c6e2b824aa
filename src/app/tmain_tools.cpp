#include <array>

#include "app/tmain.hpp"
#include "app/tool_steps.hpp"
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

void PencilAt(TMain& f, TPoint p) {
    f.StampSolid(p.x, p.y, f.ActivePlane(), f.PrimaryColor());
}
void BrushAt(TMain& f, TPoint p) {
    f.StampSoft(p.x, p.y, f.ActivePlane(), f.PrimaryColor());
}
void SprayAt(TMain& f, TPoint p) {
    f.StampScatter(p.x, p.y, f.ActivePlane(), f.PrimaryColor());
}
void EraserAt(TMain& f, TPoint p) {
    f.StampSolid(p.x, p.y, f.ActivePlane(), f.SecondaryColor());
}

void PickAt(TMain& f, TPoint p) {
    const auto picked = PickColor(f.ActivePlane().GetCanvas().bitmap(), p.x, p.y);
    if (!picked) return;
    f.ActiveColor() = *picked;
    f.ShowColorInSliders();
    f.ShowSlidersInEdits();
    f.UpdateColorFromSliders();
    f.DrawSwatches();
}

void FillAt(TMain& f, TPoint p) {
    FillRegion(f.ActivePlane().GetCanvas(), p.x, p.y, f.PrimaryColor());
    f.RedrawView();
}

// Which option controls a tool shows under the palette.
struct ToolOptions {
    bool brushSize = false;
    bool filled = false;
};
constexpr ToolOptions kNoOptions{}, kBrushSize{true, false}, kFilled{false, true};

// What each tool is, one row per id: the controls it shows, the snapshot its press takes as the base of
// its previews (none for the tools that draw straight into the plane), and its press, move and release.
struct ToolRow {
    ToolId id;
    ToolOptions options;
    PlaneSnapshot TMain::*snapshot;
    ToolStep press, move, release;
};

constexpr auto kLine = &TMain::PreviewLine;
constexpr auto kRectangle = &TMain::PreviewRectangle;
constexpr auto kEllipse = &TMain::PreviewEllipse;

// clang-format off
constexpr std::array<ToolRow, kToolCount> kTools{{
    // id         options     press snapshot     press                   move                   release
    {Pencil,      kBrushSize, nullptr,           PencilAt,               PencilAt,              Nothing},
    {Brush,       kBrushSize, nullptr,           BrushAt,                BrushAt,               Nothing},
    {Spray,       kBrushSize, nullptr,           SprayAt,                SprayAt,               Nothing},
    {ColorPicker, kNoOptions, nullptr,           PickAt,                 PickAt,                Nothing},
    {Fill,        kNoOptions, nullptr,           FillAt,                 Nothing,               Nothing},
    {Eraser,      kBrushSize, nullptr,           EraserAt,               EraserAt,              Nothing},
    {Ellipse,     kNoOptions, &TMain::shapeBase, ShapePress<kEllipse>,   ShapeDrag<kEllipse>,   Nothing},
    {Rectangle,   kFilled,    &TMain::shapeBase, ShapePress<kRectangle>, ShapeDrag<kRectangle>, Nothing},
    {Text,        kNoOptions, &TMain::textBase,  TextPress,              Nothing,               Nothing},
    {Select,      kNoOptions, nullptr,           SelectPress,            SelectDrag,            Nothing},
    {Move,        kNoOptions, &TMain::moveBase,  MovePress,              MoveDrag,              MoveRelease},
    {Line,        kNoOptions, &TMain::shapeBase, ShapePress<kLine>,      ShapeDrag<kLine>,      Nothing},
}};
// clang-format on
constexpr bool InIdOrder() {
    for (int i = 0; i < kToolCount; ++i)
        if (kTools[static_cast<std::size_t>(i)].id != i) return false;
    return true;
}
static_assert(InIdOrder());

const ToolRow& RowOf(int tool) {
    static constexpr ToolRow kNone{Pencil, kNoOptions, nullptr, Nothing, Nothing, Nothing};
    if (tool < 0 || tool >= kToolCount) return kNone;
    return kTools[static_cast<std::size_t>(tool)];
}

}  // namespace

void TMain::imgToolbarMouseDown(TMouseButton, int X, int Y) {
    if (const auto tool = ToolAt(X, Y)) {
        state.CurrentTool = *tool;
        const ToolOptions options = RowOf(*tool).options;
        options.brushSize ? ShowBrushSizeControls() : HideBrushSizeControls();
        options.filled ? ShowFilledOption() : HideFilledOption();
    }
    EndTextEntry();
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
    const ToolRow& tool = RowOf(state.CurrentTool);
    if (tool.snapshot) (this->*tool.snapshot).Take(ActivePlane().GetCanvas().bitmap(), state.AlphaMode);
    tool.press(*this, {ViewToPlane(X), ViewToPlane(Y)});
    DrawSelectionFrame();
}

void TMain::imgMainMouseMove(int X, int Y) {
    // No interpolation: each event acts at its own pixel only, so a fast drag leaves gaps.
    if (state.ButtonHeld == 1) RowOf(state.CurrentTool).move(*this, {ViewToPlane(X), ViewToPlane(Y)});
    // A hover shows the frame too; a block being moved draws its own.
    if (state.CurrentTool != Move) DrawSelectionFrame();
}

void TMain::imgMainMouseUp(TMouseButton, int X, int Y) {
    state.ButtonHeld = 0;
    RowOf(state.CurrentTool).release(*this, {ViewToPlane(X), ViewToPlane(Y)});
    // A drag's previews end with it; a text entry goes on after its press.
    shapeBase.Drop();
    moveBase.Drop();
}

}  // namespace corvanth
