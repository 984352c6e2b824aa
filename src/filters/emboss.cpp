#include "filters/emboss.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "filters/padded_channel.hpp"

namespace corvanth {

// Only the low byte of each sum is kept, so 16-bit sums that wrap give the same result, and they let the
// compiler run eight pixels at once. Entries of 0 are skipped.
Bitmap ConvolvePlane(const Bitmap& plane, const Kernel& k) {
    using Sum = std::uint16_t;
    const int width = plane.width();
    const std::array<PaddedChannel<Sum>, 3> in{PaddedChannel<Sum>(plane, 0), PaddedChannel<Sum>(plane, 8),
                                               PaddedChannel<Sum>(plane, 16)};
    std::vector<Sum> sums(static_cast<std::size_t>(width));
    Bitmap out(width, plane.height());
    for (int y = 0; y < plane.height(); ++y) {
        TColor* row = &out.at(0, y);
        for (int c = 0; c < 3; ++c) {
            std::fill(sums.begin(), sums.end(), Sum{0});
            for (int i = 0; i < 9; ++i) {
                if (k[i] == 0) continue;
                const Sum weight = k[i];
                const Sum* p = in[c].row(y) + (i / 3 - 1) * in[c].stride + i % 3 - 1;
                for (int x = 0; x < width; ++x) sums[x] = static_cast<Sum>(sums[x] + weight * p[x]);
            }
            for (int x = 0; x < width; ++x)
                row[x] = c == 0 ? TColor{sums[x] & 0xFFu} : row[x] | TColor{sums[x] & 0xFFu} << 8 * c;
        }
    }
    return out;
}

}  // namespace corvanth
