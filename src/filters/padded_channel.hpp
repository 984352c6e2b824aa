#pragma once
#include <cstddef>
#include <vector>

#include "platform/bitmap.hpp"

namespace corvanth {

// One colour channel of a plane (shift 0 red, 8 green, 16 blue) with a ring of zeros around it, so a
// 3 by 3 neighbourhood can be read without bounds checks and what lies outside the plane adds nothing.
template <class T>
struct PaddedChannel {
    PaddedChannel(const Bitmap& plane, int shift)
        : stride(plane.width() + 2), v(stride * (plane.height() + 2)) {
        const int width = plane.width();
        for (int y = 0; y < plane.height(); ++y) {
            const TColor* from = plane.pixels().data() + static_cast<std::size_t>(y) * width;
            T* to = &v[(y + 1) * stride + 1];
            for (int x = 0; x < width; ++x) to[x] = static_cast<T>(from[x] >> shift & 0xFF);
        }
    }
    // Plane pixel (0, y); its neighbours are at +-1 and +-stride.
    const T* row(int y) const { return &v[(y + 1) * stride + 1]; }
    int stride;
    std::vector<T> v;
};

}  // namespace corvanth
