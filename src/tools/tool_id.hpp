#pragma once

namespace corvanth {

// Tool ids; the palette's order differs from this one.
enum ToolId : int {
    Pencil = 0,
    Brush = 1,
    Spray = 2,
    ColorPicker = 3,
    Fill = 4,
    Eraser = 5,
    Ellipse = 6,
    Rectangle = 7,
    Text = 8,
    Select = 9,
    Move = 10,
    Line = 11,
};

inline constexpr int kToolCount = 12;

}  // namespace corvanth
