#pragma once
#include <string>

#include "colour/swatch_panel.hpp"
#include "document/composite.hpp"
#include "platform/font.hpp"
#include "platform/geometry.hpp"
#include "platform/tcolor.hpp"
#include "tools/selection.hpp"
#include "tools/tool_id.hpp"

namespace corvanth {

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
    std::string OfferedSaveName;  // what the save dialog offers while FileName is empty: an import's .tga
    Backdrop CompositeBackdrop = Backdrop::Checkerboard;  // behind the composite preview
};

}  // namespace corvanth
