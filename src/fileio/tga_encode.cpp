#include "fileio/tga_encode.hpp"

#include <algorithm>

#include "fileio/tga_layout.hpp"

namespace corvanth {

std::vector<std::uint8_t> EncodeTgaImage(const Bitmap& rgb, const Bitmap& alpha) {
    std::vector<std::uint8_t> out(kTgaWrittenSize);
    std::copy(kTgaWrittenHeader.begin(), kTgaWrittenHeader.end(), out.begin());
    std::size_t p = kTgaHeaderSize;
    for (int y = kTgaSide - 1; y >= 0; --y) {
        for (int x = 0; x < kTgaSide; ++x, p += 4) {
            const TColor c = rgb.GetPixel(x, y);
            out[p] = static_cast<std::uint8_t>(Blue(c));
            out[p + 1] = static_cast<std::uint8_t>(Green(c));
            out[p + 2] = static_cast<std::uint8_t>(Red(c));
            out[p + 3] = static_cast<std::uint8_t>(Red(alpha.GetPixel(x, y)));
        }
    }
    return out;
}

}  // namespace corvanth
