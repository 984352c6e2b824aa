#pragma once
#include "app/tmain.hpp"

// The steps the tool table is made of, each defined in its tool's area file.
namespace corvanth {

// A tool's press, move or release at a plane pixel; the view's handlers have done the common steps.
using ToolStep = void (*)(TMain&, TPoint);

inline void Nothing(TMain&, TPoint) {}

// Every preview: the preview's press snapshot with this one drawn over it becomes the active plane. Draws
// nothing once the preview has ended or when the snapshot is of the other plane.
template <class Draw>
void DrawOverSnapshot(TMain& f, PlaneSnapshot& base, Draw&& draw) {
    Bitmap* draft = base.Draft(f.state.AlphaMode);
    if (!draft) return;
    TImage& plane = f.ActivePlane();
    draw(TCanvas(*draft, plane.canvasState), *base.Of(f.state.AlphaMode));
    base.Put(plane.GetCanvas().bitmap());
}

// Shapes: the press fixes DragStart; the press and every move preview from there to the pointer.
template <void (TMain::*Preview)(int, int, int, int)>
void ShapeDrag(TMain& f, TPoint p) {
    (f.*Preview)(f.state.DragStart.x, f.state.DragStart.y, p.x, p.y);
}
template <void (TMain::*Preview)(int, int, int, int)>
void ShapePress(TMain& f, TPoint p) {
    f.state.DragStart = p;
    ShapeDrag<Preview>(f, p);
}

void SelectPress(TMain& f, TPoint p);
void SelectDrag(TMain& f, TPoint p);
void MovePress(TMain& f, TPoint p);
void MoveDrag(TMain& f, TPoint p);
void MoveRelease(TMain& f, TPoint p);
void TextPress(TMain& f, TPoint p);

}  // namespace corvanth
