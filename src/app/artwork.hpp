#pragma once
#include <string_view>

#include "app/artwork_inks.hpp"

namespace corvanth {

class TMain;

// The window's frame artwork: fills the pictures of Image1 to Image6 at their components' sizes.
void PaintDecorations(TMain& form);
// Repaints the right panel with the preview of the plane being edited marked.
void MarkActivePlane(TMain& form);
// Writes the readout into the strip below the view (Image4), in place of the shown one.
void PaintReadout(TMain& form, std::string_view shown, std::string_view text);
// The intro window's picture, 383 by 233.
InkBitmap SplashPicture();
// The program icon, size by size pixels (best at multiples of 16); see-through outside its square.
InkBitmap ProgramIcon(int size);

}  // namespace corvanth
