#include "app/artwork.hpp"

#include "app/tmain.hpp"

namespace corvanth {

void PaintDecorations(TMain& form) {
    for (TImage* art : {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5, &form.Image6})
        art->Picture = Bitmap(art->bounds.width, art->bounds.height, 0x202020);
}

Bitmap SplashPicture() {
    return Bitmap(383, 233, 0x302010);
}

Bitmap ProgramIcon(int size) {
    return Bitmap(size, size, 0xA89A3A);
}

}  // namespace corvanth
