#include "app/tmain.hpp"
#include "filters/fill_hidden.hpp"

namespace corvanth {

void TMain::FillHiddenColours1Click() {
    const Bitmap& alpha = imgA.GetCanvas().bitmap();
    ChangePlanes(UndoCopy::Take, Planes::RgbOnly,
                 [&alpha](const Bitmap& rgb) { return FillHiddenColours(rgb, alpha); });
}

}  // namespace corvanth
