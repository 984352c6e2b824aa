#include "fileio/plane_picture.hpp"

#include <cstdint>

namespace corvanth {

RgbaPicture PlanesPicture(const Bitmap& rgb, const Bitmap& alpha, const TRect& box) {
    RgbaPicture out{box.width(), box.height(), {}};
    out.rgba.reserve(static_cast<std::size_t>(box.width()) * box.height() * 4);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const TColor c = rgb.GetPixel(x, y);
            out.rgba.insert(
                out.rgba.end(),
                {static_cast<std::uint8_t>(Red(c)), static_cast<std::uint8_t>(Green(c)),
                 static_cast<std::uint8_t>(Blue(c)), static_cast<std::uint8_t>(Red(alpha.GetPixel(x, y)))});
        }
    return out;
}

}  // namespace corvanth
