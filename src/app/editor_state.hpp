#pragma once
#include <string>

#include "colour/swatch_panel.hpp"
#include "platform/font.hpp"
#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"

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

struct SelectionCorners {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const SelectionCorners&, const SelectionCorners&) = default;
};

// Every editor variable, with its start value.
struct EditorState {
    int GridVisible = 0;
    int AlphaMode = 0;
    int ActiveSwatch = 0;
    TColor PrimaryRGB = clBlack;
    TColor SecondaryRGB = clWhite;
    TColor PrimaryAlpha = clWhite;
    TColor SecondaryAlpha = clBlack;
    TRect PrimarySwatchRect = kPrimarySwatchRect;
    TRect SecondarySwatchRect = kSecondarySwatchRect;
    int CurrentTool = Pencil;
    int BrushSize = 1;
    int ButtonHeld = 0;
    TPoint DragStart;
    SelectionCorners SelectionRect;
    bool SelectionActive = false;
    TFont TextFont;
    TPoint TextOrigin;
    std::string FileName;
};

}  // namespace corvanth
