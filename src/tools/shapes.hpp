#pragma once
#include "platform/canvas.hpp"

namespace corvanth {

// The box between two dragged corners with its left/top and right/bottom in order. The right column
// and bottom row stay outside it, whichever corner they came from.
constexpr TRect NormalisedBox(TPoint a, TPoint b) {
    return {a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y, a.x < b.x ? b.x : a.x, a.y < b.y ? b.y : a.y};
}
static_assert(NormalisedBox({20, 15}, {10, 10}) == TRect{10, 10, 20, 15});

// Each sets the pen and brush it needs first: a canvas keeps whatever the last caller left.
// From the press pixel toward the pointer, leaving out the pointer's own pixel.
void DrawLine(TCanvas plane, TPoint from, TPoint to, TColor color);
void DrawRectangle(TCanvas plane, TPoint a, TPoint b, TColor color, bool filled);
void DrawEllipse(TCanvas plane, TPoint a, TPoint b, TColor color, bool filled);

}  // namespace corvanth
