#pragma once
#include <optional>

#include "platform/canvas.hpp"

namespace corvanth {

// The colour under the picker, or nothing outside the plane (a drag that left the view).
std::optional<TColor> PickColor(const Bitmap& plane, int x, int y);

// Floods the 4-connected region of the pixel's exact colour with the colour, in a solid brush.
// Returns false and changes nothing when the pixel already has that colour.
bool FillRegion(TCanvas plane, int x, int y, TColor color);

}  // namespace corvanth
