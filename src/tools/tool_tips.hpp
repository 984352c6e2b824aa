#pragma once
#include <array>
#include <string_view>

#include "tools/tool_id.hpp"

namespace corvanth {

// What each palette cell says when the pointer rests on it, by tool id, one short line each: the tool's
// name, what it does, and what the mouse buttons paint with. Every button acts alike.
inline constexpr std::array<std::string_view, kToolCount> kToolTips{{
    "Pencil\nHard square dots while you drag; the S slider sets their size.\n"
    "Any mouse button paints the primary colour.",
    "Brush\nSoft round dots that blend into what is there; size from the S slider.\n"
    "Any mouse button paints the primary colour.",
    "Spray\nScattered single pixels while you drag; size from the S slider.\n"
    "Any mouse button sprays the primary colour.",
    "Colour picker\nTakes the colour of the pixel you click.\n"
    "Any mouse button puts it in the active swatch, primary or secondary.",
    "Fill\nFills the area of exactly the same colour around the pixel you click.\n"
    "Any mouse button fills with the primary colour.",
    "Eraser\nHard square dots while you drag; size from the S slider.\n"
    "Any mouse button paints the secondary colour (at the start white, or transparent on the alpha plane).",
    "Ellipse\nDrag to draw an ellipse in the dragged box, filled as set under the rectangle tool.\n"
    "Any mouse button draws in the primary colour.",
    "Rectangle\nDrag to draw a rectangle; tick Filled to fill it.\n"
    "Any mouse button draws in the primary colour.",
    "Text\nClick where the text starts, type it in the box below the palette, Enter to end.\n"
    "Any mouse button; the primary colour on a box of the secondary colour.",
    "Select\nDrag to mark a rectangle for the move tool.\nAny mouse button.",
    "Move\nDrag the marked rectangle's pixels to a new place.\n"
    "Any mouse button; the secondary colour fills where they were.",
    "Line\nDrag to draw a straight line.\nAny mouse button draws in the primary colour.",
}};
static_assert(kToolTips[Ellipse].starts_with("Ellipse\n") && kToolTips[Line].starts_with("Line\n"));

}  // namespace corvanth
