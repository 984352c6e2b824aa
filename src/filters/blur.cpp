#include "filters/blur.hpp"

#include <array>
#include <vector>

#include "filters/padded_channel.hpp"

namespace corvanth {

// Floats keep the arithmetic exact and let the compiler work on several pixels at once. Every sum is an
// integer below 2^19, so it is held exactly. (sum + 0.5) / d lies at least 0.5 / d (over 3e-4) from any
// whole number, while multiplying by a rounded 1 / d is off by at most 256 * 2^-23 (about 3e-5), so
// truncating it gives the integer quotient rounded down.
Bitmap BlurPlane(const Bitmap& plane, const BlurWeights& w) {
    const int width = plane.width(), height = plane.height();
    const std::array<PaddedChannel<float>, 3> in{
        PaddedChannel<float>(plane, 0), PaddedChannel<float>(plane, 8), PaddedChannel<float>(plane, 16)};
    const int s = in[0].stride;
    const auto C = static_cast<float>(w.C);
    const auto S = static_cast<float>(w.S);
    const auto D = static_cast<float>(w.D);
    // 1 / (sum of the weights inside the plane) for each pixel of a border row and of an inner row.
    std::vector<float> borderRow(width, 1.0f / static_cast<float>(w.sumEdge));
    std::vector<float> innerRow(width, 1.0f / static_cast<float>(w.sumInside));
    borderRow.front() = borderRow.back() = 1.0f / static_cast<float>(w.sumCorner);
    innerRow.front() = innerRow.back() = 1.0f / static_cast<float>(w.sumEdge);

    std::array<std::vector<int>, 3> channel{std::vector<int>(width), std::vector<int>(width),
                                            std::vector<int>(width)};
    Bitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const float* reciprocal = (y == 0 || y == height - 1 ? borderRow : innerRow).data();
        for (int c = 0; c < 3; ++c) {
            const float* p = in[c].row(y);
            int* result = channel[c].data();
            for (int x = 0; x < width; ++x) {
                const float* q = p + x;
                const float sum = C * q[0] + S * (q[-1] + q[1] + q[-s] + q[s]) +
                                  D * (q[-s - 1] + q[-s + 1] + q[s - 1] + q[s + 1]);
                result[x] = static_cast<int>((sum + 0.5f) * reciprocal[x]);
            }
        }
        TColor* row = &out.at(0, y);
        for (int x = 0; x < width; ++x) row[x] = RGB(channel[0][x], channel[1][x], channel[2][x]);
    }
    return out;
}

}  // namespace corvanth
