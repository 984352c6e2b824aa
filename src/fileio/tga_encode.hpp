#pragma once
#include <cstdint>
#include <vector>

#include "platform/bitmap.hpp"

namespace corvanth {

// The 16,402-byte file image of the two planes: fixed header, then BGRA pixels bottom row first.
// The alpha byte is the red byte of the alpha plane.
std::vector<std::uint8_t> EncodeTgaImage(const Bitmap& rgb, const Bitmap& alpha);

}  // namespace corvanth
