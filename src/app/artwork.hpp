#pragma once
#include <string_view>

#include "platform/bitmap.hpp"

namespace corvanth {

class TMain;

// Pixels of this colour in the frame artwork are see-through: the window shows beneath them.
inline constexpr TColor kSeeThrough = 0xFF00FF;

// The window's frame artwork: fills the pictures of Image1 to Image6 at their components' sizes.
void PaintDecorations(TMain& form);
// Repaints the right panel with the preview of the plane being edited marked.
void MarkActivePlane(TMain& form);
// Writes the readout into the strip below the view (Image4), in place of the shown one.
void PaintReadout(TMain& form, std::string_view shown, std::string_view text);
// The intro window's picture, 383 by 233.
Bitmap SplashPicture();
// The program icon, size by size pixels (best at multiples of 16); kSeeThrough outside its square.
Bitmap ProgramIcon(int size);

}  // namespace corvanth
