#pragma once
#include "platform/bitmap.hpp"

namespace corvanth {

// Gives every fully transparent pixel the colour of the visible ones nearest to it, so a logo scaled
// with filtering shows no dark or white fringe. Grows outward ring by ring: each pass, a transparent
// pixel touching (of its eight neighbours) pixels coloured before this pass takes their average,
// rounded to nearest. Visible pixels keep their colour; with no visible pixel nothing changes.
// The alpha is the low byte of each alpha-plane pixel; both bitmaps have the same size.
Bitmap FillHiddenColours(const Bitmap& rgb, const Bitmap& alpha);

}  // namespace corvanth
