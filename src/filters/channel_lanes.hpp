#pragma once
#include <cstdint>
#include <vector>

#include "platform/bitmap.hpp"

namespace corvanth {

// Red, green and blue side by side in one 64-bit word, 21 bits each, so one multiply-add works on all
// three. A lane holds up to 2^21 - 1: enough for nine products of a byte and a weight up to 1000.
using Lanes = std::uint64_t;
inline constexpr int kLaneBits = 21;
inline constexpr Lanes kLaneMask = (Lanes{1} << kLaneBits) - 1;

constexpr Lanes Spread(TColor c) {
    return (c & 0xFF) | Lanes{c >> 8 & 0xFF} << kLaneBits | Lanes{c >> 16 & 0xFF} << 2 * kLaneBits;
}
constexpr int Lane(Lanes v, int i) {
    return static_cast<int>(v >> (i * kLaneBits) & kLaneMask);
}

// The plane spread into lanes with a ring of zeros around it, so each 3 by 3 neighbourhood can be read
// without bounds checks and what lies outside adds nothing.
struct PaddedLanes {
    explicit PaddedLanes(const Bitmap& plane)
        : stride(plane.width() + 2), cells(stride * (plane.height() + 2)) {
        for (int y = 0; y < plane.height(); ++y)
            for (int x = 0; x < plane.width(); ++x) cells[(y + 1) * stride + x + 1] = Spread(plane.at(x, y));
    }
    // The cell of plane pixel (x, y); its neighbours are at +-1 and +-stride.
    const Lanes* at(int x, int y) const { return &cells[(y + 1) * stride + x + 1]; }
    int stride;
    std::vector<Lanes> cells;
};

}  // namespace corvanth
