#include "fileio/tga_encode.hpp"

#include "fileio/tga_layout.hpp"

namespace corvanth {

std::vector<std::uint8_t> EncodeTgaImage(const Bitmap& rgb, const Bitmap& alpha) {
    std::vector<std::uint8_t> out(kTgaHeaderSize);
    out.reserve(kTgaWrittenSize);
    for (std::size_t i = 0; i < kTgaHeaderSize; ++i) out[i] = kTgaWrittenHeader[i];
    for (int y = kTgaSide - 1; y >= 0; --y) {
        for (int x = 0; x < kTgaSide; ++x) {
            const TColor c = rgb.GetPixel(x, y);
            out.push_back(static_cast<std::uint8_t>(Blue(c)));
            out.push_back(static_cast<std::uint8_t>(Green(c)));
            out.push_back(static_cast<std::uint8_t>(Red(c)));
            out.push_back(static_cast<std::uint8_t>(Red(alpha.GetPixel(x, y))));
        }
    }
    return out;
}

}  // namespace corvanth
