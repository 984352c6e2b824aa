#pragma once
#include "platform/bitmap.hpp"
#include "platform/geometry.hpp"
#include "platform/rgba_picture.hpp"

namespace corvanth {

// The box of the two planes as one picture: colour from the RGB plane, alpha from the red of the alpha plane.
RgbaPicture PlanesPicture(const Bitmap& rgb, const Bitmap& alpha, const TRect& box);

}  // namespace corvanth
