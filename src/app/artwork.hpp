#pragma once
#include "platform/bitmap.hpp"

namespace corvanth {

class TMain;

// The window's frame artwork: fills the pictures of Image1 to Image6 at their components' sizes.
// Each picture's bottom-left pixel holds its see-through colour.
void PaintDecorations(TMain& form);
// The intro window's picture, 383 by 233.
Bitmap SplashPicture();
// The program icon, size by size pixels.
Bitmap ProgramIcon(int size);

}  // namespace corvanth
