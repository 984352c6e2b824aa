#pragma once
#include <array>
#include <string_view>

#include "tools/tool_id.hpp"

namespace corvanth {

// What each palette cell says when the pointer rests on it, by tool id: the tool's name on the first line,
// then what it does and which colour each mouse button paints with. Every button acts alike.
inline constexpr std::array<std::string_view, kToolCount> kToolTips{{
    "Pencil\nPaints hard square dots while you drag. Any mouse button paints the primary colour; the S "
    "slider sets the size.",
    "Brush\nPaints soft round dots that blend into what is there. Any mouse button paints the primary "
    "colour; the S slider sets the size.",
    "Spray\nSprays scattered single pixels while you drag. Any mouse button sprays the primary colour; the "
    "S slider sets the size.",
    "Colour picker\nTakes the colour of the pixel you click into the active swatch, primary or secondary, "
    "with any mouse button.",
    "Fill\nFills the area of exactly the same colour around the pixel you click. Any mouse button fills with "
    "the primary colour.",
    "Eraser\nPaints hard square dots in the secondary colour with any mouse button: white on a new colour "
    "plane, transparent on the alpha plane. The S slider sets the size.",
    "Ellipse\nDrag to draw an ellipse inside the box you drag, filled or not as Filled was last set under "
    "the rectangle tool. Any mouse button draws in the primary colour.",
    "Rectangle\nDrag to draw a rectangle; tick Filled to fill it. Any mouse button draws in the primary "
    "colour.",
    "Text\nClick where the text starts, then type it in the box below the palette; Enter ends it. Any mouse "
    "button; the text is the primary colour on the secondary colour.",
    "Select\nDrag with any mouse button to mark a rectangle for the move tool.",
    "Move\nDrag the marked rectangle's pixels with any mouse button; the place they leave takes the "
    "secondary colour.",
    "Line\nDrag to draw a straight line. Any mouse button draws in the primary colour.",
}};
static_assert(kToolTips[Ellipse].starts_with("Ellipse\n") && kToolTips[Line].starts_with("Line\n"));

}  // namespace corvanth
