#pragma once
#include "platform/bitmap.hpp"
#include "platform/rgba_picture.hpp"

namespace corvanth {

struct FittedPlanes {
    Bitmap rgb;    // colours, 64 by 64 unless fitted into another box
    Bitmap alpha;  // greys of the same size
};

// Fits a picture into the two planes keeping its aspect ratio. A larger one is shrunk by area averaging
// (colours weighted by their alpha, so see-through pixels lend no colour to the edge); a smaller one is
// never enlarged. The picture is centred; the padding around it and every pixel whose alpha comes out 0 are
// white and fully transparent.
FittedPlanes FitPicture(const RgbaPicture& picture);
// The same into a box of width by height pixels (a pasted picture into the selection).
FittedPlanes FitPicture(const RgbaPicture& picture, int width, int height);

}  // namespace corvanth
