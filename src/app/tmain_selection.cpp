#include "app/tmain.hpp"
#include "app/tool_steps.hpp"
#include "tools/selection.hpp"

// The selection: the Select and Move tools, Select > All and Deselect, and the frame on the view.
namespace corvanth {

void SelectPress(TMain& f, TPoint p) {
    f.RedrawView();  // the old frame goes
    f.state.SelectionRect = {p.x, p.y, p.x, p.y};
    f.state.SelectionActive = true;
}

void SelectDrag(TMain& f, TPoint p) {
    if (f.state.SelectionRect.x2 == p.x && f.state.SelectionRect.y2 == p.y) return;  // the frame stands
    f.state.SelectionRect.x2 = p.x;
    f.state.SelectionRect.y2 = p.y;
    f.RedrawView();
}

void MovePress(TMain& f, TPoint p) {
    if (f.state.SelectionActive) f.state.DragStart = p;
}

void MoveDrag(TMain& f, TPoint p) {
    if (!f.state.SelectionActive) return;
    const int dx = p.x - f.state.DragStart.x, dy = p.y - f.state.DragStart.y;
    f.PreviewMove(dx, dy);
    f.RedrawView();
    DrawSelectionFrameOn(f.imgMain.GetCanvas(), Shifted(f.state.SelectionRect, dx, dy));
}

// The selection follows the block, but only at the end of a move that is still going on.
void MoveRelease(TMain& f, TPoint p) {
    if (!f.state.SelectionActive || !f.moveBase.Of(f.state.AlphaMode)) return;
    f.state.SelectionRect =
        Shifted(f.state.SelectionRect, p.x - f.state.DragStart.x, p.y - f.state.DragStart.y);
}

void TMain::DrawSelectionFrame() {
    if (!state.SelectionActive) return;
    const bool clean = magnified_.viewChanges == imgMain.Picture.changes();
    const TRect frame = SelectionFrame(state.SelectionRect);
    if (clean && magnified_.frame == frame) return;  // nothing has covered it since it was drawn
    DrawSelectionFrameOn(imgMain.GetCanvas(), state.SelectionRect);
    // The next redraw need only clear this frame, unless the view holds something else it cannot know.
    if (clean && (!magnified_.frame || *magnified_.frame == frame)) {
        magnified_.frame = frame;
        magnified_.viewChanges = imgMain.Picture.changes();
    }
}

void TMain::PreviewMove(int dx, int dy) {
    DrawOverSnapshot(*this, moveBase, [&](TCanvas plane, const Bitmap& snapshot) {
        DrawMovedBlock(plane, snapshot, SelectionBox(state.SelectionRect), dx, dy, SecondaryColor());
    });
}

void TMain::Selectall1Click() {
    state.SelectionRect = {0, 0, 63, 63};
    state.SelectionActive = true;
    RedrawView();
    DrawSelectionFrame();
}

void TMain::Deselect1Click() {
    state.SelectionActive = false;
    RedrawView();
}

}  // namespace corvanth
