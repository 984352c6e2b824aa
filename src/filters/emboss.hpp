#pragma once
#include <array>
#include <cstdint>

#include "platform/bitmap.hpp"

namespace corvanth {

// Nine weights in row order: entry k weighs the pixel at (x + k % 3 - 1, y + k / 3 - 1).
using Kernel = std::array<std::uint8_t, 9>;

// clang-format off
// Modulo 256 an entry of 255 counts as -1: four times the centre less its four side neighbours.
inline constexpr Kernel kEmbossKernel{
    //  left  centre  right
          0,   255,    0,    // row above
        255,     4,  255,    // same row
          0,   255,    0,    // row below
};
// clang-format on
static_assert(kEmbossKernel[4] == 4 && kEmbossKernel[1] == 255 && kEmbossKernel[0] == 0);

// Each channel becomes the kernel's sum over the 3 by 3 neighbourhood inside the plane, modulo 256:
// no division, no offset, no clamping. The plane may be any size.
Bitmap ConvolvePlane(const Bitmap& plane, const Kernel& kernel);

inline Bitmap EmbossPlane(const Bitmap& plane) {
    return ConvolvePlane(plane, kEmbossKernel);
}

}  // namespace corvanth
